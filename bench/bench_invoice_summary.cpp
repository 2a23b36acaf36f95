// The annual summary and the takings chart over a year archive of 50,000 invoices (246 MB), beside
// a 1 MB-block read of the same file, which runs first: each reports its ratio to it.
#include "bench/ReadFile.h"
#include "invoice_reports/InvoiceLists.h"
#include "invoices/InvoiceRecord.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

constexpr int InvoiceCount = 50000;

const QString &archivePath()
{
    static std::unique_ptr<QTemporaryDir> dir;
    static QString path;
    if (path.isEmpty()) {
        dir = std::make_unique<QTemporaryDir>();
        path = dir->filePath("2026.fat");
        const RecordLayout &layout = InvoiceRecordLayout();
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        Record r(layout);
        for (int f = 0; f < layout.fieldCount(); ++f)
            r.setText(f, QStringLiteral("Testo del campo %1").left(layout.capacity(f)));
        for (int i = 0; i < InvoiceCount; ++i) {
            r.setText("NumFatt", QString::number(i + 1));
            r.setText("Data", QStringLiteral("%1/%2/2026").arg(i % 28 + 1, 2, 10, QLatin1Char('0')).arg(i % 12 + 1, 2, 10, QLatin1Char('0')));
            r.setText("Cliente", QStringLiteral("Cliente numero %1").arg(i));
            r.setText("TotImponibile", QStringLiteral("%1,%2").arg(i % 997).arg(i % 100, 2, 10, QLatin1Char('0')));
            r.setText("TotImposta", QStringLiteral("%1,%2").arg(i % 219).arg(i % 97, 2, 10, QLatin1Char('0')));
            r.setText("TotEsente", QStringLiteral("%1,00").arg(i % 13));
            r.setText("TotFattura", QStringLiteral("%1,%2").arg(i % 1229).arg(i % 89, 2, 10, QLatin1Char('0')));
            file.write(r.bytes());
        }
    }
    return path;
}

double BlockReadSeconds = 0;

template <typename Body>
double timed(Body body)
{
    const auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void report(benchmark::State &state, double totalSeconds)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * InvoiceCount * InvoiceRecordLayout().recordSize());
    const double mean = totalSeconds / double(state.iterations());
    if (BlockReadSeconds > 0) {
        state.counters["block_read_ms"] = BlockReadSeconds * 1e3;
        state.counters["ratio"] = mean / BlockReadSeconds;
    }
}

void BM_BlockRead(benchmark::State &state)
{
    const QString path = archivePath();
    double total = 0;
    for (auto _ : state)
        total += timed([&] { benchmark::DoNotOptimize(BlockReadFile(path)); });
    BlockReadSeconds = total / double(state.iterations());
    report(state, total);
}

void BM_AnnualSummary(benchmark::State &state)
{
    const QString path = archivePath();
    double total = 0;
    for (auto _ : state)
        total += timed([&] {
            InvoiceSummary s = SummariseInvoices(path, QStringLiteral("2026"), [](const QString &) { return true; });
            if (s.lines.size() != InvoiceCount)
                state.SkipWithError("wrong count");
            benchmark::DoNotOptimize(s);
        });
    report(state, total);
}

void BM_ChartTakings(benchmark::State &state)
{
    const QString path = archivePath();
    double total = 0;
    for (auto _ : state)
        total += timed([&] { benchmark::DoNotOptimize(MonthlyTakings(path, QStringLiteral("2026"))); });
    report(state, total);
}

} // namespace

BENCHMARK(BM_BlockRead)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_AnnualSummary)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ChartTakings)->Unit(benchmark::kMillisecond)->MinTime(1.0);

BENCHMARK_MAIN();
