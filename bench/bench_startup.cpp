// Start-up to the login window, as a whole program, beside a bare program started the same way: a
// fresh process that creates the application object, shows its window and waits until it is on
// screen. The suite's process starts as the program's main does (this benchmark runs itself in
// that role); the bare one is `bare_window`, a separate small executable that links Qt Widgets
// alone and shows one plain window. Each iteration starts both, in turn first, so that every
// start-up of the suite is set against a bare one measured beside it: `ratio` is the median of
// those pairs with its spread, `cold_ratio` the first pair's. Goal: at most 2.5, and a peak
// resident size of at most 80 MB (`suite_peak_MB`).
#include "bench/StartupReady.h"
#include "bench/UserWait.h"
#include "common/Files.h"
#include "shell/Password.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>

extern char **environ;

namespace {

const char *const SuiteFlag = "--startup-suite";
std::string selfPath;
std::string barePath;

// The suite's child: the program's start-up up to the login window on screen.
int RunSuite(int argc, char **argv)
{
    IgnoreFileSizeLimitSignal();
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavoren"));
    QApplication::setQuitOnLastWindowClosed(false);
    QTranslator qtbase;
    if (qtbase.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtbase);
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

// Starts `program` with `args` and times it until it says its window is on screen.
ChildRun SpawnChild(const std::string &program, std::vector<std::string> args)
{
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int ready[2];
    if (pipe(ready) != 0)
        return {};
    const auto start = BenchClock::now();
    // The child's own chatter on standard error stays out of the report.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, ready[0]);
    posix_spawn_file_actions_adddup2(&actions, ready[1], ReadyFd);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    if (spawned != 0) {
        close(ready[0]);
        return {};
    }
    char byte = 0;
    const bool onScreen = read(ready[0], &byte, 1) == 1;
    const double seconds = SecondsSince(start);
    close(ready[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!onScreen)
        return {};
    return {seconds, usage.ru_maxrss / 1024.0};  // kilobytes on Linux
}

void BM_StartupToLogin(benchmark::State &state)
{
    PairedRuns runs;
    double suitePeak = 0, barePeak = 0;
    int turn = 0;
    for (auto _ : state) {
        MeasurePair(
            runs, turn++,
            [&] {
                const ChildRun run = SpawnChild(selfPath, {SuiteFlag});
                suitePeak = std::max(suitePeak, run.peakRssMB);
                return run.seconds;
            },
            [&] {
                const ChildRun run = SpawnChild(barePath, {});
                barePeak = std::max(barePeak, run.peakRssMB);
                return run.seconds;
            });
        if (runs.program.back() <= 0 || runs.reference.back() <= 0) {
            state.SkipWithError("a child did not come on screen");
            return;
        }
        state.SetIterationTime(runs.program.back());
    }
    state.counters["cold_ratio"] = runs.program[0] / runs.reference[0];
    ReportPairs(state, "startup", runs);
    state.counters["suite_peak_MB"] = suitePeak;
    state.counters["bare_peak_MB"] = barePeak;
}

BENCHMARK(BM_StartupToLogin)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], SuiteFlag) == 0)
        return RunSuite(argc, argv);

    char resolved[4096];
    const ssize_t n = readlink("/proc/self/exe", resolved, sizeof resolved - 1);
    if (n <= 0)
        return 1;
    selfPath.assign(resolved, size_t(n));
    barePath = selfPath.substr(0, selfPath.rfind('/') + 1) + "bare_window";

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
