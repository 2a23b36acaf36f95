// The owners' export over archives of 1,000 to 100,000 owners: filling the grid when the window is
// shown, and writing "Proprietari.xls", each beside a raw read of the same archive. Peak memory is
// reported as the process's maximum resident size after the run.
#include "bench/RawRead.h"
#include "common/Platform.h"
#include "common/ui/QtPlatform.h"
#include "common/Record.h"
#include "owners/ExpClienti.h"
#include "owners/OwnerRecord.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

// The Qt platform over a temporary program folder that answers every question Yes and opens nothing.
class BenchPlatform : public QtPlatform {
public:
    bool askYesNo(const QString &) override { return true; }
    void openDocument(const QString &) override {}
    QString programFolder() override { return dir.path() + '/'; }

private:
    QTemporaryDir dir;
};

// Writes an owners' archive of `count` owners with every exported field filled.
void WriteOwners(int count)
{
    static int written = -1;
    if (written == count)
        return;
    const RecordLayout &layout = OwnerRecordLayout();
    QFile file(ProgramFile(OwnerArchiveName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the archive");
    Record r(layout);
    for (int i = 0; i < count; ++i) {
        for (int f = 0; f < layout.fieldCount(); ++f)
            r.setText(f, QStringLiteral("Valore %1 \u00e0 & < %2").arg(f).arg(i));
        file.write(r.bytes());
    }
    written = count;
}

void SetCounters(benchmark::State &state)
{
    state.SetItemsProcessed(int64_t(state.iterations()) * state.range(0));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
}

// The disk's share: the whole archive read a record at a time.
void BM_RawRead(benchmark::State &state)
{
    WriteOwners(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(RawReadFile(ProgramFile(OwnerArchiveName), OwnerRecordLayout().recordSize()));
    SetCounters(state);
}

// Opening the export window: the grid filled from the archive.
void BM_FillGrid(benchmark::State &state)
{
    WriteOwners(int(state.range(0)));
    for (auto _ : state) {
        TfrmExpClienti window;
        window.FormShow();
        benchmark::DoNotOptimize(window.rowCount());
    }
    SetCounters(state);
}

// The export command on a filled grid: the document built and saved whole.
void BM_WriteFile(benchmark::State &state)
{
    WriteOwners(int(state.range(0)));
    TfrmExpClienti window;
    window.FormShow();
    for (auto _ : state)
        window.cmdEsportaClick();
    SetCounters(state);
}

BENCHMARK(BM_RawRead)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillGrid)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
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
