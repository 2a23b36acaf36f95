// Sequential scans of a 100,000-record archive of owner-sized records (3702 bytes), beside a
// 1 MB-block read of the same file (which runs first: the scans report their ratio to it).
#include "bench/ReadFile.h"
#include "common/ArchiveSearch.h"
#include "common/Record.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

constexpr int RecordCount = 100000;

// 38 fields of capacities 130 (x 6), 85 (x 30), 250 and 84: 6*131 + 30*86 + 251 + 85 = 3702 bytes.
const RecordLayout &ownerSizedLayout()
{
    static const RecordLayout layout{
        {"F01", 130}, {"F02", 130}, {"F03", 130}, {"F04", 130}, {"F05", 130}, {"F06", 130},
        {"F07", 85},  {"F08", 85},  {"F09", 85},  {"F10", 85},  {"F11", 85},  {"F12", 85},
        {"F13", 85},  {"F14", 85},  {"F15", 85},  {"F16", 85},  {"F17", 85},  {"F18", 85},
        {"F19", 85},  {"F20", 85},  {"F21", 85},  {"F22", 85},  {"F23", 85},  {"F24", 85},
        {"F25", 85},  {"F26", 85},  {"F27", 85},  {"F28", 85},  {"F29", 85},  {"F30", 85},
        {"F31", 85},  {"F32", 85},  {"F33", 85},  {"F34", 85},  {"F35", 85},  {"F36", 85},
        {"F37", 250}, {"F38", 84},
    };
    return layout;
}

// The archive file, written once for all benchmarks.
const QString &archivePath()
{
    static std::unique_ptr<QTemporaryDir> dir;
    static QString path;
    if (path.isEmpty()) {
        dir = std::make_unique<QTemporaryDir>();
        path = dir->filePath("Proprietari.pro");
        const RecordLayout &layout = ownerSizedLayout();
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        Record r(layout);
        for (int i = 0; i < RecordCount; ++i) {
            for (int f = 0; f < layout.fieldCount(); ++f)
                r.setText(f, QStringLiteral("Campo %1 del record %2 \u00E0").arg(f).arg(i));
            file.write(r.bytes());
        }
    }
    return path;
}

void setBytes(benchmark::State &state)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * RecordCount * ownerSizedLayout().recordSize());
}

double BlockReadSeconds = 0;

// Mean seconds of an iteration of the benchmark, from its own clock.
class IterationClock {
public:
    void add(double seconds) { total_ += seconds; }
    double mean(const benchmark::State &state) const { return total_ / double(state.iterations()); }

private:
    double total_ = 0;
};

template <typename Body>
double timed(Body body)
{
    const auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Reports the mean time of the benchmark beside the block read's.
void reportRatio(benchmark::State &state, double meanSeconds)
{
    if (BlockReadSeconds > 0) {
        state.counters["block_read_ms"] = BlockReadSeconds * 1e3;
        state.counters["ratio"] = meanSeconds / BlockReadSeconds;
    }
}

// The reference: read() of the whole file in blocks of a megabyte.
void BM_BlockRead(benchmark::State &state)
{
    const QString path = archivePath();
    IterationClock clock;
    for (auto _ : state)
        clock.add(timed([&] { benchmark::DoNotOptimize(BlockReadFile(path)); }));
    BlockReadSeconds = clock.mean(state);
    setBytes(state);
}

// For contrast: read() of the whole file a record at a time, one call per record.
void BM_RecordAtATimeRead(benchmark::State &state)
{
    const QString path = archivePath();
    const int size = ownerSizedLayout().recordSize();
    IterationClock clock;
    for (auto _ : state)
        clock.add(timed([&] { benchmark::DoNotOptimize(RawReadFile(path, size)); }));
    reportRatio(state, clock.mean(state));
    setBytes(state);
}

// A scan through ScanArchive, handing out every record without looking at its fields.
void BM_ArchiveScan(benchmark::State &state)
{
    IterationClock clock;
    for (auto _ : state)
        clock.add(timed([&] {
            int64_t total = 0;
            ScanArchive(archivePath(), ownerSizedLayout(), [&](const Record &r, int) { total += r.bytes().size(); });
            benchmark::DoNotOptimize(total);
        }));
    reportRatio(state, clock.mean(state));
    setBytes(state);
}

// A search: every field of every record loaded as text.
void BM_ArchiveScanDecoded(benchmark::State &state)
{
    const RecordLayout &layout = ownerSizedLayout();
    IterationClock clock;
    for (auto _ : state)
        clock.add(timed([&] {
            int64_t total = 0;
            ScanArchive(archivePath(), layout, [&](const Record &r, int) {
                for (int f = 0; f < layout.fieldCount(); ++f)
                    total += LoadShortText(r.bytes().constData() + layout.offset(f), layout.field(f).capacity).size();
            });
            benchmark::DoNotOptimize(total);
        }));
    reportRatio(state, clock.mean(state));
    setBytes(state);
}

} // namespace

BENCHMARK(BM_BlockRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordAtATimeRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArchiveScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArchiveScanDecoded)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
