# Set-up, build, run and test on a Debian machine.
PACKAGES := g++ cmake make pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev qt6-multimedia-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
            libqpdf-dev libxcb1-dev qt6-translations-l10n fonts-liberation2 fonts-dejavu-core poppler-utils xvfb xauth
BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all setup configure build run test bench clean

all: build

setup:
	@missing=""; for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  sudo=""; [ "$$(id -u)" -ne 0 ] && sudo=sudo; \
	  echo "Installing:$$missing"; \
	  $$sudo apt-get update && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y --no-install-recommends $$missing; \
	fi

configure: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/Tavoren && ./Tavoren

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench_*; do [ -x $$b ] && $$b; done

clean:
	rm -rf $(BUILD)
