// The price-list search and the low-stock list over 100,000 articles (314 MB): the search with no
// criterion and with two, from "Cerca" to the list painted in a fresh window (the first search and
// a later one), and the low-stock list opened (made, shown, filled, sorted and painted), beside the
// byte-sort reference (a 1 MB-block read of the same file with the same lines built and sorted in
// plain byte order) and the current one (the read and a sort with the program's comparator),
// measured in the same iterations. Goal for the low-stock list: at most 1.5 times the current
// reference in every round, or 2.5 times the byte-sort reference.
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

BenchPlatform *benchPlatform = nullptr;

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
    if (!FlushToDisk(file))
        qFatal("cannot write %s", qPrintable(archivePath()));
}

const NativeListLine &nativeLine()
{
    static const NativeListLine line(PriceListItemRecordLayout(), {{"", "Descrizione", 35},
                                                                   {"  Tipo: ", "Tipologia", 25},
                                                                   {"  Importo: \u20ac ", "Prezzo", 10},
                                                                   {"  Giacenza: ", "Giacenza", 12},
                                                                   {"  Note: ", "Note", 0}});
    return line;
}

void runSearch(benchmark::State &state, const QString &description, const QString &type)
{
    const RecordLayout &layout = PriceListItemRecordLayout();
    const CriteriaMatcher matcher({{description, layout.indexOf(QStringLiteral("Descrizione"))},
                                   {type, layout.indexOf(QStringLiteral("Tipologia"))}});
    RunSearchBenchmark(
        state,
        [&] {
            auto search = std::make_unique<TfrmTrovaServizi>();
            search->txtDescrizione->setText(description);
            search->txtTipologia->setText(type);
            return std::unique_ptr<SearchWindow>(std::move(search));
        },
        MakeListReferences(archivePath, layout, PriceItemListLine, nativeLine(), ArticleCount,
                           [matcher](const Record &r) { return matcher.matches(r); }));
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
        state, [] { return std::make_unique<TfrmSottoscorta>(); },
        MakeListReferences(archivePath, PriceListItemRecordLayout(), PriceItemListLine, nativeLine(), ArticleCount,
                           [](const Record &r) { return IsLowStock(r); }));
}

} // namespace

BENCHMARK(BM_PriceListSearchNoCriterion)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_PriceListSearchTwoCriteria)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_LowStockList)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(9);

int main(int argc, char **argv) { return RunWindowBenchmarks(argc, argv, benchPlatform, writeArchive); }
