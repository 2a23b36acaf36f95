// The annual summary and the takings chart over a year archive of 50,000 invoices (246 MB), as the
// user waits for them, each beside a 1 MB-block read of the same file measured in the same
// iteration: the summary from the card's command to the list painted (the window made, shown,
// filled and painted, as every opening makes it anew), the chart from "Apri" to the chart painted.
// The first run of each is reported apart (`cold_ratio`) and with the later ones (median and
// spread). Goal for the summary: at most 3 times the read, the first opening included.
#include "bench/ReadFile.h"
#include "bench/UserWait.h"
#include "common/ui/LineList.h"
#include "invoice_reports/InvoiceLists.h"
#include "invoice_reports/Riepiloghi.h"
#include "invoice_reports/Statistiche.h"
#include "invoice_reports/TakingsChart.h"
#include "invoices/Fatture.h"
#include "invoices/InvoiceRecord.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int InvoiceCount = 50000;

BenchPlatform *benchPlatform = nullptr;

QString archivePath() { return benchPlatform->programFolder() + QStringLiteral("2026.fat"); }

// Writes the year's archive once, and opens the year on the invoice card.
void writeArchive()
{
    const RecordLayout &layout = InvoiceRecordLayout();
    QFile file(archivePath());
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(archivePath()));
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
    if (!FlushToDisk(file))
        qFatal("cannot write %s", qPrintable(archivePath()));
    frmFatture = new TfrmFatture();
    frmFatture->lblFile->setText(archivePath());
    frmFatture->lblAnno->setText(QStringLiteral("2026"));
}

double blockReadSeconds()
{
    const auto start = BenchClock::now();
    benchmark::DoNotOptimize(BlockReadFile(archivePath()));
    return SecondsSince(start);
}

void report(benchmark::State &state, const PairedRuns &runs)
{
    state.counters["cold_ratio"] = runs.program[0] / runs.reference[0];
    ReportPairs(state, "open", runs);
    state.SetBytesProcessed(int64_t(state.iterations()) * InvoiceCount * InvoiceRecordLayout().recordSize());
}

// The card's "annual summary" command: the summary window made and shown modally, which lists the
// year's invoices with their sums; timed until its list is painted, then closed.
void BM_AnnualSummary(benchmark::State &state)
{
    PairedRuns runs;
    int turn = 0;
    int lines = 0;
    for (auto _ : state) {
        MeasurePair(
            runs, turn++,
            [&] {
                double seconds = 0;
                const auto start = BenchClock::now();
                benchPlatform->onModal = [&](QWidget *window) {
                    auto *summary = qobject_cast<SummaryWindow *>(window);
                    window->show();
                    FinishPainting(summary->lstRecords->viewport());
                    seconds = SecondsSince(start);
                    lines = summary->lstRecords->count();
                    window->close();
                };
                OpenAnnualSummary(frmFatture);
                benchPlatform->onModal = {};
                QCoreApplication::processEvents();
                return seconds;
            },
            blockReadSeconds);
        state.SetIterationTime(runs.program.back());
    }
    if (lines != InvoiceCount)
        state.SkipWithError("wrong count");
    report(state, runs);
}

// "Apri" on the takings chart, the window on screen with the year typed: the chart drawn from the
// year's takings and painted.
void BM_ChartTakings(benchmark::State &state)
{
    TfrmStatistiche chart;
    ShowAndSettle(&chart);
    chart.txtAnno->setText(QStringLiteral("2026"));
    PairedRuns runs;
    int turn = 0;
    for (auto _ : state) {
        MeasurePair(
            runs, turn++, [&] { return SecondsToPainted(chart.ChartStats, [&] { chart.btnApriClick(); }); },
            blockReadSeconds);
        state.SetIterationTime(runs.program.back());
    }
    report(state, runs);
}

} // namespace

BENCHMARK(BM_AnnualSummary)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(BM_ChartTakings)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv, benchPlatform, writeArchive, [] {
        delete frmFatture.unbuilt();
        frmFatture = nullptr;
    });
}
