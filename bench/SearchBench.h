#pragma once
// What the search-window benchmarks share: the peak resident size, and the timed search as the
// user sees it beside the reference read and sort of the same file.
#include "bench/ReadFile.h"
#include "common/ArchiveSearch.h"
#include "common/ui/LineList.h"
#include "common/ui/QtPlatform.h"
#include "common/ui/SearchWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

// The Qt platform with the program folder in a temporary folder.
class SearchBenchPlatform : public QtPlatform {
public:
    QString programFolder() override { return dir.path() + '/'; }

private:
    QTemporaryDir dir;
};

// The line of every record of the archive at `path`, in file order.
inline QStringList ArchiveListLines(const QString &path, const RecordLayout &layout, const ListLineRecipe &line,
                                    int expected)
{
    QStringList all;
    all.reserve(expected);
    ScanArchive(path, layout, [&](const Record &r, int) { all.append(line(r)); });
    return all;
}

// The main of a search benchmark: the offscreen application over a temporary program folder
// (`platform` set while the benchmarks run), the archive written once, then the benchmarks, then
// `finish` while the application still lives.
inline int SearchBenchMain(int argc, char **argv, SearchBenchPlatform *&platform, const std::function<void()> &writeArchive,
                           const std::function<void()> &finish = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    SearchBenchPlatform own;
    platform = &own;
    installPlatform(&own);
    writeArchive();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (finish)
        finish();
    installPlatform(nullptr);
    platform = nullptr;
    return 0;
}

// A field of /proc/self/status in kB; -1 when absent.
inline long statusKb(const char *key)
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
inline void resetPeakRss()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
}

// The disk's and the order's share, in seconds: a 1 MB-block read of the whole file, then a sort
// of a copy of the very lines the search lists.
inline double BlockReadAndSortSeconds(const QString &path, const QStringList &lines)
{
    QStringList copy = lines;
    copy.detach();
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(BlockReadFile(path));
    SortListLines(copy);
    benchmark::DoNotOptimize(copy.constData());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A list window's filling as the user sees it: the window made (`make`), then `fill` (the search,
// or the showing that fills the list), the list filled, sorted and painted. Each iteration also
// measures `reference` (seconds), outside the timed part; the counters give the lines, the peak
// memory, the reference and the ratio to it.
inline void RunListWindowBenchmark(benchmark::State &state, const std::function<std::unique_ptr<ListWindow>()> &make,
                                   const std::function<void(ListWindow &)> &fill,
                                   const std::function<double()> &reference)
{
    size_t lines = 0;
    long peakKb = 0;
    double searchSeconds = 0;
    double referenceTotal = 0;
    for (auto _ : state) {
        state.PauseTiming();
        referenceTotal += reference();
        std::unique_ptr<ListWindow> window = make();
        QCoreApplication::processEvents();
        resetPeakRss();
        const auto start = std::chrono::steady_clock::now();
        state.ResumeTiming();

        fill(*window);
        // Let Qt take the update requests queued while the list filled first, so that the forced
        // repaint is the only one: the click measured as the user gets it, painted once.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
        window->lstRecords->viewport()->repaint();
        QCoreApplication::processEvents();

        state.PauseTiming();
        searchSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        lines = size_t(window->lstRecords->count());
        peakKb = std::max(peakKb, statusKb("VmHWM:"));
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["lines"] = double(lines);
    state.counters["peak_rss_MB"] = double(peakKb) / 1024.0;
    state.counters["reference_ms"] = referenceTotal / double(state.iterations()) * 1e3;
    state.counters["ratio"] = searchSeconds / referenceTotal;
}

// The whole search as the user sees it: the window made and shown with its criteria typed
// (`make`), "Cerca", the list filled, sorted and painted.
inline void RunSearchBenchmark(benchmark::State &state, const std::function<std::unique_ptr<SearchWindow>()> &make,
                               const std::function<double()> &reference)
{
    RunListWindowBenchmark(
        state, [&]() -> std::unique_ptr<ListWindow> { return make(); },
        [](ListWindow &window) { static_cast<SearchWindow &>(window).btnCercaClick(); }, reference);
}
