#include "common/ui/WindowBuild.h"

#include <QEvent>
#include <QHash>
#include <QWidget>

#include <utility>
#include <vector>

namespace {

bool deferring = false;

class PendingBuild;
QHash<const QWidget *, PendingBuild *> pending;

// The builds a window still owes. A child of the window, so that it goes with it; it also
// builds the window when something shows it without going through its global.
class PendingBuild : public QObject {
public:
    explicit PendingBuild(QWidget *window) : QObject(window), window_(window)
    {
        pending.insert(window, this);
        window->installEventFilter(this);
    }
    ~PendingBuild() override { pending.remove(window_); }

    void add(std::function<void()> build) { builds_.push_back(std::move(build)); }

    // Runs the builds in order. The object is gone when it returns.
    void run()
    {
        window_->removeEventFilter(this);
        pending.remove(window_);
        std::vector<std::function<void()>> builds = std::move(builds_);
        delete this;
        // A build that reaches its own window through the global finds nothing left to run.
        for (auto &build : builds)
            build();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        // A window is polished just before it is first shown: its controls must be there.
        if (watched == window_ && e->type() == QEvent::Polish)
            run();
        return false;
    }

private:
    QWidget *window_;
    std::vector<std::function<void()>> builds_;
};

} // namespace

void BuildWhenNeeded(QWidget *window, std::function<void()> build)
{
    PendingBuild *owed = pending.value(window);
    if (!owed && !(deferring && window->isWindow())) {
        build();
        return;
    }
    if (!owed)
        owed = new PendingBuild(window);
    owed->add(std::move(build));
}

void BuildPending(QWidget *window)
{
    if (pending.isEmpty())
        return;
    if (PendingBuild *owed = pending.value(window))
        owed->run();
}

DeferWindowBuilds::DeferWindowBuilds() : previous_(std::exchange(deferring, true)) {}

DeferWindowBuilds::~DeferWindowBuilds() { deferring = previous_; }
