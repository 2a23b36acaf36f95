// The owners' export over archives of 1,000 to 100,000 owners, and the animals' export over 50,000
// animals (a 543 MB archive), as the user waits for it: the window opened (made, shown, its grid
// filled from the archive and painted), then "Esporta archivio" (the file written whole), beside
// the disk's share measured in the same iteration (the archive read in 1 MB blocks and a file of the
// export's size written in 1 MB pieces). The first export of a benchmark is reported apart
// (`cold_ratio`) and with the later ones (`export_ratio`, median and spread). `peak_MB` is the
// process's highest resident size during an export. Goal for 100,000 owners: at most 3 times the
// disk's share, peak at most 200 MB.
#include "bench/ReadFile.h"
#include "bench/UserWait.h"
#include "common/Platform.h"
#include "common/Record.h"
#include "common/WholeFileExport.h"
#include "animals/AnimalRecord.h"
#include "animals/ExpCani.h"
#include "owners/ExpClienti.h"
#include "owners/OwnerRecord.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTableView>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype Block = 1 << 20;

BenchPlatform *benchPlatform = nullptr;

// Writes an archive of `count` records with every field filled; an archive already written with
// that many records is kept.
void WriteArchive(const QString &name, const RecordLayout &layout, int count)
{
    static QHash<QString, int> written;
    if (written.value(name, -1) == count)
        return;
    QFile file(ProgramFile(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the archive");
    Record r(layout);
    for (int i = 0; i < count; ++i) {
        for (int f = 0; f < layout.fieldCount(); ++f)
            r.setText(f, QStringLiteral("Valore %1 \u00e0 & < %2").arg(f).arg(i));
        file.write(r.bytes());
    }
    if (!FlushToDisk(file))
        qFatal("cannot write the archive");
    written[name] = count;
}

// A file of `size` bytes saved whole in 1 MB pieces, as an export saves its file.
void BlockWrite(const QString &path, qsizetype size)
{
    const QByteArray piece(Block, 'x');
    SaveFileStreamed(path, [&](const ByteSink &sink) {
        for (qsizetype left = size; left > 0; left -= Block)
            sink(QByteArrayView(piece).first(std::min(left, Block)));
    });
}

// The disk's share alone: the archive read and a file of the export's size written.
double DiskSeconds(const QString &archive, qsizetype exportSize)
{
    const auto start = BenchClock::now();
    benchmark::DoNotOptimize(BlockReadFile(ProgramFile(archive)));
    BlockWrite(ProgramFile(QStringLiteral("Disco.xls")), exportSize);
    return SecondsSince(start);
}

// The export as the user runs it: the window opened, its grid filled and painted, and the export
// command with its questions answered Yes.
template <class Window>
void RunExport(benchmark::State &state, const QString &archive, const RecordLayout &layout, const QString &xls)
{
    WriteArchive(archive, layout, int(state.range(0)));
    PairedRuns runs;
    double peakMB = 0;
    int turn = 1;  // the program first, so that the reference knows the export's size
    for (auto _ : state) {
        ResetPeakRss();
        MeasurePair(
            runs, turn++,
            [&] {
                const auto start = BenchClock::now();
                Window window;
                window.show();
                FinishPainting(window.grdRecords->viewport());
                window.cmdEsportaClick();
                FinishPainting(window.grdRecords->viewport());
                const double seconds = SecondsSince(start);
                peakMB = std::max(peakMB, double(StatusKb("VmHWM:")) / 1024);
                return seconds;
            },
            [&] { return DiskSeconds(archive, QFileInfo(ProgramFile(xls)).size()); });
        state.SetIterationTime(runs.program.back());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * state.range(0));
    state.counters["cold_ratio"] = runs.program[0] / runs.reference[0];
    ReportPairs(state, "export", runs);
    state.counters["xls_MB"] = double(QFileInfo(ProgramFile(xls)).size()) / Block;
    state.counters["peak_MB"] = peakMB;
}

void BM_Export(benchmark::State &state)
{
    RunExport<TfrmExpClienti>(state, OwnerArchiveName, OwnerRecordLayout(), QStringLiteral("Proprietari.xls"));
}

void BM_AnimalExport(benchmark::State &state)
{
    RunExport<TfrmExpCani>(state, AnimalArchiveName, AnimalRecordLayout(), QStringLiteral("Anagrafica_Animali.xls"));
}

BENCHMARK(BM_Export)->Arg(1000)->Arg(10000)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export)->Arg(100000)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnimalExport)->Arg(50000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return RunWindowBenchmarks(argc, argv, benchPlatform, [] {}); }
