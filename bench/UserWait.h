#pragma once
// What the benchmarks of commands share: the time the user waits, from a command's handler to its
// result painted on screen, each run paired with a reference measured in the same iteration, and
// the figures reported as medians with their spread.
#include "common/ui/QtPlatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using BenchClock = std::chrono::steady_clock;

inline double SecondsSince(BenchClock::time_point start)
{
    return std::chrono::duration<double>(BenchClock::now() - start).count();
}

// The Qt platform of the program with the program folder in a temporary folder, every question
// answered Yes and no document opened. A benchmark may watch the long work through `onBusy` and
// `onPaint`, called as it begins and each time the windows may repaint.
class BenchPlatform : public QtPlatform {
public:
    bool askYesNo(const QString &) override { return true; }
    void openDocument(const QString &) override {}
    QString programFolder() override { return folder_.isEmpty() ? dir_.path() + '/' : folder_; }
    // Another program folder (ending with "/"); empty: the temporary one.
    void setProgramFolder(const QString &folder) { folder_ = folder; }
    void beginBusy() override
    {
        if (onBusy)
            onBusy();
        QtPlatform::beginBusy();
    }
    void paintWhileBusy() override
    {
        if (onPaint)
            onPaint();
        QtPlatform::paintWhileBusy();
    }
    // A modal window is shown and handed to `onModal`, which closes it; without one it is just shown.
    void showModal(QWidget *window) override
    {
        if (onModal) {
            onModal(window);
            return;
        }
        QtPlatform::showModal(window);
    }

    std::function<void()> onBusy;
    std::function<void()> onPaint;
    std::function<void(QWidget *)> onModal;

private:
    QTemporaryDir dir_;
    QString folder_;
};

// The main of a benchmark that drives windows: the offscreen platform unless another is chosen,
// the application, the bench platform installed (`platform` set while the benchmarks run),
// `prepare` (the archives written), the benchmarks, then `finish` while the application lives.
inline int RunWindowBenchmarks(int argc, char **argv, BenchPlatform *&platform, const std::function<void()> &prepare,
                               const std::function<void()> &finish = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    BenchPlatform own;
    platform = &own;
    installPlatform(&own);
    prepare();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (finish)
        finish();
    installPlatform(nullptr);
    platform = nullptr;
    return 0;
}

// Watches a widget for paint events: whether it has painted since `arm`, and when each paint began.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~PaintWatch() override
    {
        if (widget_)
            widget_->removeEventFilter(this);
    }
    PaintWatch(const PaintWatch &) = delete;
    PaintWatch &operator=(const PaintWatch &) = delete;

    void arm() { painted_ = false; }
    bool painted() const { return painted_; }
    // Runs the event loop until the widget has painted since `arm`, as the program's own loop
    // would; false when it has not within a minute.
    bool waitPainted()
    {
        const auto start = BenchClock::now();
        while (!painted_) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (SecondsSince(start) > 60)
                return false;
        }
        return true;
    }
    std::vector<BenchClock::time_point> paints;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            painted_ = true;
            paints.push_back(BenchClock::now());
        }
        return false;
    }

private:
    QPointer<QWidget> widget_;
    bool painted_ = false;
};

// Shows a window and lets it come on screen and paint, outside any timing.
inline void ShowAndSettle(QWidget *window)
{
    PaintWatch watch(window);
    window->show();
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    watch.waitPainted();
    QCoreApplication::processEvents();
}

// Lets the program's event loop take what a command left behind (posted events, timers due, the
// repaints it asked for) with the window on screen, as the program's own loop would after the
// handler; where that did not paint `result`, the widget that shows the command's result, it is
// painted then, so that a timing ends with the result painted at least once after the command.
inline void FinishPainting(QWidget *result)
{
    if (QWindow *w = result->window()->windowHandle())
        while (!w->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    PaintWatch watch(result);
    // Twice: what the first pass does (a view's delayed layout) may ask for a repaint of its own.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (!watch.painted())
        result->repaint();
}

// Seconds from `command` to `result` painted.
inline double SecondsToPainted(QWidget *result, const std::function<void()> &command)
{
    const auto start = BenchClock::now();
    command();
    FinishPainting(result);
    return SecondsSince(start);
}

// Runs of the program, each beside the reference measured in the same iteration.
struct PairedRuns {
    std::vector<double> program;
    std::vector<double> reference;
    void add(double p, double r)
    {
        program.push_back(p);
        reference.push_back(r);
    }
    bool empty() const { return program.empty(); }
};

inline double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Counters `<name>_ms` and `<name>_ref_ms` (medians), and `<name>_ratio` with `_min` and `_max`:
// the median and the spread of each run over its own reference.
inline void ReportPairs(benchmark::State &state, const std::string &name, const PairedRuns &runs)
{
    if (runs.empty())
        return;
    std::vector<double> ratios;
    for (size_t i = 0; i < runs.program.size(); ++i)
        ratios.push_back(runs.program[i] / runs.reference[i]);
    state.counters[name + "_ms"] = Median(runs.program) * 1e3;
    state.counters[name + "_ref_ms"] = Median(runs.reference) * 1e3;
    state.counters[name + "_ratio"] = Median(ratios);
    state.counters[name + "_ratio_min"] = *std::min_element(ratios.begin(), ratios.end());
    state.counters[name + "_ratio_max"] = *std::max_element(ratios.begin(), ratios.end());
}

// Measures a run of the program and its reference in the same iteration, the reference first on
// even turns and second on odd ones, so that neither always finds the caches as the other left
// them. `program` returns its own seconds.
inline void MeasurePair(PairedRuns &runs, int turn, const std::function<double()> &program,
                        const std::function<double()> &reference)
{
    double r = 0, p = 0;
    if (turn % 2 == 0) {
        r = reference();
        p = program();
    } else {
        p = program();
        r = reference();
    }
    runs.add(p, r);
}

// A field of /proc/self/status in kB; -1 when absent.
inline long StatusKb(const char *key)
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == key) {
            long kb = 0;
            status >> kb;
            return kb;
        }
    return -1;
}

// Sets the peak resident size back to the present one.
inline void ResetPeakRss()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
}
