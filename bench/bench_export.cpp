// The owners' export over archives of 1,000 to 100,000 owners, and the animals' export over 50,000
// animals (a 543 MB archive): the window's grid filled from the archive and the file written,
// beside the disk's share measured in the same run (the archive read in 1 MB blocks and a file of
// the export's size written in 1 MB pieces); "ratio" is the best export over the best disk run.
// Peak memory is the process's maximum resident size; run one size alone to read it for that size:
//   bench_export --benchmark_filter='BM_Export/100000'
//   bench_export --benchmark_filter='BM_AnimalExport'
#include "bench/ReadFile.h"
#include "bench/WidgetBench.h"
#include "common/Platform.h"
#include "common/Record.h"
#include "common/WholeFileExport.h"
#include "common/ui/QtPlatform.h"
#include "animals/AnimalRecord.h"
#include "animals/ExpCani.h"
#include "owners/ExpClienti.h"
#include "owners/OwnerRecord.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <sys/resource.h>

namespace {

constexpr qsizetype Block = 1 << 20;

// The Qt platform over a temporary program folder that answers every question Yes and opens nothing.
class BenchPlatform : public QtPlatform {
public:
    bool askYesNo(const QString &) override { return true; }
    void openDocument(const QString &) override {}
    QString programFolder() override { return dir.path() + '/'; }

private:
    QTemporaryDir dir;
};

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

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// The disk's share alone: the archive read and a file of the export's size written.
double DiskSeconds(const QString &archive, qsizetype exportSize)
{
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(BlockReadFile(ProgramFile(archive)));
    BlockWrite(ProgramFile(QStringLiteral("Disco.xls")), exportSize);
    return Seconds(std::chrono::steady_clock::now() - start);
}

// The export as the user runs it: the window opened (the grid filled from the archive) and the
// export command (the file written whole), against the disk's share measured alongside.
template <class Window>
void RunExport(benchmark::State &state, const QString &archive, const RecordLayout &layout, const QString &xls)
{
    WriteArchive(archive, layout, int(state.range(0)));
    // The best of the runs on both sides, so that other work on the machine weighs least.
    double disk = 1e9;
    double exported = 1e9;
    double filling = 1e9;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        {
            Window window;
            window.FormShow();
            filling = std::min(filling, Seconds(std::chrono::steady_clock::now() - start));
            window.cmdEsportaClick();
        }
        const double seconds = Seconds(std::chrono::steady_clock::now() - start);
        state.SetIterationTime(seconds);
        exported = std::min(exported, seconds);
        disk = std::min(disk, DiskSeconds(archive, QFileInfo(ProgramFile(xls)).size()));
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * state.range(0));
    state.counters["disk_ms"] = disk * 1000;
    state.counters["export_ms"] = exported * 1000;
    state.counters["fill_ms"] = filling * 1000;
    state.counters["ratio"] = exported / disk;
    state.counters["xls_MB"] = double(QFileInfo(ProgramFile(xls)).size()) / Block;
    state.counters["peak_MB"] = PeakMegabytes();
}

void BM_Export(benchmark::State &state)
{
    RunExport<TfrmExpClienti>(state, OwnerArchiveName, OwnerRecordLayout(), QStringLiteral("Proprietari.xls"));
}

void BM_AnimalExport(benchmark::State &state)
{
    RunExport<TfrmExpCani>(state, AnimalArchiveName, AnimalRecordLayout(), QStringLiteral("Anagrafica_Animali.xls"));
}

BENCHMARK(BM_Export)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export)->Arg(100000)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnimalExport)->Arg(50000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return RunWidgetBenchmarks<BenchPlatform>(argc, argv); }
