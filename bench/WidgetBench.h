#pragma once
// The main of a benchmark that drives windows: an offscreen application, the benchmark's own
// platform installed for the run, then the benchmarks.
#include "common/Platform.h"

#include <QApplication>
#include <benchmark/benchmark.h>

template <typename BenchPlatform>
int RunWidgetBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchPlatform platform;
    installPlatform(&platform);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    installPlatform(nullptr);
    return 0;
}
