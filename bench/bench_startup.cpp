// Start-up to the login window, as a whole program: a fresh process creates the application
// object and the start-up windows, shows the login window and waits until it is on screen.
// Beside it, a bare program that shows one plain window the same way. The benchmark runs
// itself as that child process in either role.
#include "common/ui/QtPlatform.h"
#include "shell/Password.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>

extern char **environ;

namespace {

const char *const ChildFlag = "--startup-child=";
std::string selfPath;

// The Qt platform with the program folder in a temporary folder.
class BenchPlatform : public QtPlatform {
public:
    QString programFolder() override { return dir.path() + '/'; }

private:
    QTemporaryDir dir;
};

void ShowUntilExposed(QWidget *w)
{
    w->show();
    while (!w->windowHandle() || !w->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

// The descriptor on which a child says that its window is on screen: start-up ends there, so
// the tearing down that follows is not counted, for either role.
constexpr int ReadyFd = 3;

void SayReady()
{
    const char byte = 1;
    [[maybe_unused]] ssize_t written = write(ReadyFd, &byte, 1);
    close(ReadyFd);
}

// The child: "suite" starts as the program does up to the login window, "plain" shows one window.
int RunChild(const std::string &role, int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (role == "plain") {
        QWidget w;
        w.resize(480, 460);
        ShowUntilExposed(&w);
        SayReady();
        return 0;
    }
    BenchPlatform platform;
    installPlatform(&platform);
    CreateStartupWindows();
    ShowUntilExposed(frmPassword);
    SayReady();
    DestroyStartupWindows();
    installPlatform(nullptr);
    return 0;
}

struct ChildRun {
    double seconds = 0;
    double peakRssMB = 0;
};

ChildRun SpawnChild(const std::string &role)
{
    std::string flag = ChildFlag + role;
    char *args[] = {selfPath.data(), flag.data(), nullptr};
    int ready[2];
    if (pipe(ready) != 0)
        return {};
    auto start = std::chrono::steady_clock::now();
    // The child's own chatter on standard error stays out of the report.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, ready[0]);
    posix_spawn_file_actions_adddup2(&actions, ready[1], ReadyFd);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, selfPath.c_str(), &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    if (spawned != 0) {
        close(ready[0]);
        return {};
    }
    char byte = 0;
    const bool onScreen = read(ready[0], &byte, 1) == 1;
    const auto shown = std::chrono::steady_clock::now();
    close(ready[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!onScreen)
        return {};
    ChildRun run;
    run.seconds = std::chrono::duration<double>(shown - start).count();
    run.peakRssMB = usage.ru_maxrss / 1024.0; // kilobytes on Linux
    return run;
}

// Runs the child in the role once per iteration; the mean wall time, and the peak RSS as a counter.
double RunChildren(benchmark::State &state, const std::string &role)
{
    double total = 0, peak = 0;
    for (auto _ : state) {
        ChildRun run = SpawnChild(role);
        state.SetIterationTime(run.seconds);
        total += run.seconds;
        peak = std::max(peak, run.peakRssMB);
    }
    state.counters["peak_rss_MB"] = peak; // goal for the suite: at most 80
    return total / double(state.iterations());
}

double MeanPlainSeconds = 0;

void BM_PlainProgram(benchmark::State &state) { MeanPlainSeconds = RunChildren(state, "plain"); }

void BM_StartupToLogin(benchmark::State &state)
{
    const double mean = RunChildren(state, "suite");
    if (MeanPlainSeconds > 0) {
        state.counters["plain_ms"] = MeanPlainSeconds * 1e3;
        state.counters["ratio"] = mean / MeanPlainSeconds; // goal: at most 2.5
    }
}

// The bare program runs first: the start-up figures are set against it.
BENCHMARK(BM_PlainProgram)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);
BENCHMARK(BM_StartupToLogin)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strncmp(argv[1], ChildFlag, std::strlen(ChildFlag)) == 0)
        return RunChild(argv[1] + std::strlen(ChildFlag), argc, argv);

    selfPath = "/proc/self/exe";
    char resolved[4096];
    ssize_t n = readlink("/proc/self/exe", resolved, sizeof resolved - 1);
    if (n > 0)
        selfPath.assign(resolved, std::size_t(n));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
