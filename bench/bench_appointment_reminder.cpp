// The reminder of the appointment card and the imminent view over a year archive of 20,000
// appointments (29 MB): the card shown (the reminder reads the whole archive of the current year)
// and the imminent view filled, sorted and painted, each beside a 1 MB-block read of the same file measured
// in the same iterations (counters reference_ms and ratio; goal at most 3). The view is measured
// whole (made, shown, filled) and filled only (made beforehand).
#include "appointments/AppointmentRecord.h"
#include "appointments/ExpImminenti.h"
#include "appointments/Scadenzario.h"
#include "bench/SearchBench.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <random>

namespace {

constexpr int AppointmentCount = 20000;

BenchPlatform *benchPlatform = nullptr;

QString archivePath() { return AppointmentArchivePath(benchPlatform->programFolder(), Today()); }

// The current year's archive: entries spread over the year with 0 to 30 days of notice, one in a
// thousand damaged, every text field filled.
void writeArchive()
{
    std::mt19937 random(20261211);
    const QDate today = Today();
    const QDate first(today.year(), 1, 1);
    QFile file(archivePath());
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(archivePath()));
    const RecordLayout &layout = AppointmentRecordLayout();
    for (int i = 0; i < AppointmentCount; ++i) {
        Record r(layout);
        for (int f = 0; f < layout.fieldCount(); ++f)
            r.setText(f, QStringLiteral("%1 %2").arg(QLatin1String(layout.field(f).name)).arg(i));
        const QDate d = first.addDays(qint64(random() % uint(first.daysInYear())));
        r.setText("Giorno", QStringLiteral("%1").arg(d.day(), 2, 10, QLatin1Char('0')));
        r.setText("Mese", QString::fromLatin1(MonthNames()[size_t(d.month() - 1)].name));
        r.setText("Anno", QString::number(d.year()));
        r.setText("Data", d.toString(QStringLiteral("dd/MM/yyyy")));
        r.setText("OreApp", QStringLiteral("%1").arg(random() % 24, 2, 10, QLatin1Char('0')));
        r.setText("MinutiApp", QStringLiteral("%1").arg(random() % 60, 2, 10, QLatin1Char('0')));
        r.setText("Avviso", i % 1000 == 999 ? QStringLiteral("x") : QString::number(random() % 31));
        r.setText("DaConfermare", YesNoFlag(random() % 2));
        r.setText("Effettuata", YesNoFlag(random() % 2));
        file.write(r.bytes());
    }
    if (!FlushToDisk(file))
        qFatal("cannot write %s", qPrintable(archivePath()));
}

double blockReadSeconds()
{
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(BlockReadFile(archivePath()));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times `body` in every iteration, with the reference read measured beside it, outside the timing.
void runAgainstBlockRead(benchmark::State &state, const std::function<void()> &before,
                         const std::function<void()> &body, const std::function<void()> &after)
{
    double seconds = 0;
    double reference = 0;
    for (auto _ : state) {
        state.PauseTiming();
        reference += blockReadSeconds();
        before();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        state.ResumeTiming();

        body();

        state.PauseTiming();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        after();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["reference_ms"] = reference / double(state.iterations()) * 1e3;
    state.counters["ratio"] = seconds / reference;
}

// The card shown as the launcher shows it: the start panel and the reminder over the whole archive.
void BM_ReminderOnShow(benchmark::State &state)
{
    TfrmScadenzario card;
    card.show();
    QCoreApplication::processEvents();
    runAgainstBlockRead(
        state, [&] { card.hide(); },
        [&] {
            card.show();
            FinishPainting(&card);
            benchmark::DoNotOptimize(card.btnOK->isEnabled());
        },
        [] {});
    state.counters["imminent"] = card.imgPresenti->isVisible() ? 1 : 0;
}

// The reminder's count alone, on the same archive.
void BM_ReminderCount(benchmark::State &state)
{
    ImminentCount count;
    runAgainstBlockRead(
        state, [] {}, [&] { count = CountImminent(archivePath(), Today()); }, [] {});
    state.counters["imminent"] = count.imminent;
    state.counters["damaged"] = count.damaged;
}

// The imminent view: made, shown, filled with the imminent entries and sorted by time.
void BM_ImminentView(benchmark::State &state)
{
    std::unique_ptr<TfrmExpImminenti> view;
    int rows = 0;
    runAgainstBlockRead(
        state, [] {},
        [&] {
            view = std::make_unique<TfrmExpImminenti>();
            view->show();
            FinishPainting(view->grdRecords->viewport());
            rows = view->rowCount();
        },
        [&] { view.reset(); });
    state.counters["rows"] = rows;
}

// The imminent view's filling alone: the window made beforehand, then shown, filled and sorted.
void BM_ImminentViewFill(benchmark::State &state)
{
    std::unique_ptr<TfrmExpImminenti> view;
    int rows = 0;
    runAgainstBlockRead(
        state, [&] { view = std::make_unique<TfrmExpImminenti>(); },
        [&] {
            view->show();
            FinishPainting(view->grdRecords->viewport());
            rows = view->rowCount();
        },
        [&] { view.reset(); });
    state.counters["rows"] = rows;
}

void BM_BlockRead(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(blockReadSeconds());
}

} // namespace

BENCHMARK(BM_ReminderOnShow)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ReminderCount)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ImminentView)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ImminentViewFill)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_BlockRead)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

int main(int argc, char **argv) { return RunWindowBenchmarks(argc, argv, benchPlatform, writeArchive); }
