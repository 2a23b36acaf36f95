// The price-list search and the low-stock list over 100,000 articles (314 MB): the search with no
// criterion and with two, and the low-stock list filled when shown, each with its list sorted and
// painted, beside a 1 MB-block read of the same file plus a sort of the same lines, measured in
// the same iterations (counters reference_ms and ratio; goal at most 1.5).
#include "bench/SearchBench.h"
#include "pricelist/PriceItemHandBack.h"
#include "pricelist/PriceListRecord.h"
#include "pricelist/Sottoscorta.h"
#include "pricelist/TrovaServizi.h"

#include <QFile>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

constexpr int ArticleCount = 100000;

SearchBenchPlatform *benchPlatform = nullptr;

QString archivePath() { return benchPlatform->programFolder() + PriceListArchiveName; }

// Writes the price list once: descriptions, types, prices, stock and minimum stock drawn from
// small lists with a fixed seed (about one article in six low on stock), every other field
// filled too.
void writeArchive()
{
    static const QStringList products = QStringLiteral(
        "Vaccino Visita Antiparassitario Collirio Crocchette Shampoo Guinzaglio Collare Vermifugo Pomata "
        "Sverminazione Microchip Ecografia Radiografia Tosatura Bagno Sterilizzazione Pipetta Integratore").split(' ');
    static const QStringList types = QStringLiteral(
        "Farmaco Prestazione Alimento Accessorio Igiene Diagnostica Chirurgia").split(' ');
    std::mt19937 random(20261211);
    auto pick = [&random](const QStringList &list) { return list[int(random() % list.size())]; };
    QFile file(archivePath());
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(archivePath()));
    const RecordLayout &layout = PriceListItemRecordLayout();
    for (int i = 0; i < ArticleCount; ++i) {
        Record r(layout);
        for (int f = 0; f < layout.fieldCount(); ++f)
            r.setText(f, QStringLiteral("%1 %2").arg(QLatin1String(layout.field(f).name)).arg(i));
        r.setText("Descrizione", QStringLiteral("%1 %2 %3").arg(pick(products), pick(types)).arg(i));
        r.setText("Tipologia", pick(types));
        r.setText("Prezzo", QStringLiteral("%1,%2").arg(random() % 500).arg(random() % 100, 2, 10, QLatin1Char('0')));
        r.setText("Giacenza", QString::number(random() % 100));
        r.setText("Sottoscorta", QString::number(random() % 30));
        r.setText("Costo", QStringLiteral("%1,%2").arg(random() % 200).arg(random() % 100, 2, 10, QLatin1Char('0')));
        file.write(r.bytes());
    }
    if (!file.flush())
        qFatal("cannot write %s", qPrintable(archivePath()));
}

// The lines of every article, and of the articles low on stock, read once.
const QStringList &allLines()
{
    static const QStringList lines =
        ArchiveListLines(archivePath(), PriceListItemRecordLayout(), PriceItemListLine, ArticleCount);
    return lines;
}

const QStringList &lowStockLines()
{
    static const QStringList lines = [] {
        QStringList low;
        ScanArchive(archivePath(), PriceListItemRecordLayout(), [&](const Record &r, int) {
            if (IsLowStock(r))
                low.append(PriceItemListLine(r));
        });
        return low;
    }();
    return lines;
}

double referenceSeconds() { return BlockReadAndSortSeconds(archivePath(), allLines()); }
double lowStockReferenceSeconds() { return BlockReadAndSortSeconds(archivePath(), lowStockLines()); }

void runSearch(benchmark::State &state, const QString &description, const QString &type)
{
    RunSearchBenchmark(
        state,
        [&] {
            auto search = std::make_unique<TfrmTrovaServizi>();
            search->show();
            search->txtDescrizione->setText(description);
            search->txtTipologia->setText(type);
            return std::unique_ptr<SearchWindow>(std::move(search));
        },
        referenceSeconds);
}

void BM_PriceListSearchNoCriterion(benchmark::State &state) { runSearch(state, QString(), QString()); }
void BM_PriceListSearchTwoCriteria(benchmark::State &state)
{
    runSearch(state, QStringLiteral("vacc"), QStringLiteral("FARMACO"));
}

// The low-stock list, which fills itself when shown.
void BM_LowStockList(benchmark::State &state)
{
    RunListWindowBenchmark(
        state, [] { return std::make_unique<TfrmSottoscorta>(); }, [](ListWindow &list) { list.show(); },
        lowStockReferenceSeconds);
}

// The references on their own: a 1 MB-block read of the file and a sort of the listed lines.
void BM_BlockReadAndSortAll(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(referenceSeconds());
}

void BM_BlockReadAndSortLowStock(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(lowStockReferenceSeconds());
}

} // namespace

BENCHMARK(BM_PriceListSearchNoCriterion)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PriceListSearchTwoCriteria)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LowStockList)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_BlockReadAndSortAll)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_BlockReadAndSortLowStock)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

int main(int argc, char **argv) { return SearchBenchMain(argc, argv, benchPlatform, writeArchive); }
