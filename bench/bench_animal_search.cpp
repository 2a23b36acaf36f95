// The animal search over 50,000 animals (543 MB): with no criterion and with two, from "Cerca" to
// the list painted in a fresh window (the first search and a later one), beside the byte-sort
// reference (a 1 MB-block read of the same file with the same lines built and sorted in plain byte
// order) and the current one (the read and a sort with the program's comparator), measured in the
// same iterations.
#include "animals/AnimalRecord.h"
#include "animals/TrovaCani.h"
#include "bench/SearchBench.h"
#include "common/ArchiveSearch.h"
#include "common/ui/QtPlatform.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

constexpr int AnimalCount = 50000;

BenchPlatform *benchPlatform = nullptr;

QString archivePath() { return benchPlatform->programFolder() + AnimalArchiveName; }

// Writes the animals' archive once: names, breeds, chips, owners and telephones drawn from small
// lists with a fixed seed, every other field filled too.
void writeArchive()
{
    static const QStringList names = QStringLiteral(
        "Fido Birba Luna Rex Micia Argo Nuvola Pallino Zara Tobia Briciola Leo Milo Kira Athos Bella Rocky "
        "Lilli Pepe Macchia Stella Thor Ugo Zeus Dafne").split(' ');
    static const QStringList breeds = QStringLiteral(
        "Labrador Pastore_tedesco Barboncino Bassotto Beagle Boxer Chihuahua Maltese Setter Segugio "
        "Meticcio Europeo Persiano Siamese Bulldog").split(' ');
    static const QStringList owners = QStringLiteral(
        "Rossi Russo Ferrari Esposito Bianchi Romano Colombo Ricci Marino Greco Bruno Gallo Conti Costa "
        "Giordano Rizzo Lombardi Moretti Barbieri Fontana").split(' ');
    static const QStringList groups = QStringLiteral("Cane Gatto Coniglio Furetto").split(' ');

    std::mt19937 random(20261211);
    auto pick = [&random](const QStringList &list) { return list[int(random() % list.size())]; };
    QFile file(archivePath());
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(archivePath()));
    const RecordLayout &layout = AnimalRecordLayout();
    for (int i = 0; i < AnimalCount; ++i) {
        Record r(layout);
        for (int f = 0; f < layout.fieldCount(); ++f)
            r.setText(f, QStringLiteral("%1 %2").arg(QLatin1String(layout.field(f).name)).arg(i));
        r.setText("Nome", pick(names));
        r.setText("Sesso", random() % 2 ? QStringLiteral("M") : QStringLiteral("F"));
        r.setText("Gruppo", pick(groups));
        r.setText("Razza", pick(breeds));
        r.setText("Microchip", QStringLiteral("380260%1").arg(random() % 1000000000, 9, 10, QLatin1Char('0')));
        r.setText("Proprietario", pick(owners) + ' ' + pick(names));
        r.setText("Recapito", QStringLiteral("0%1 %2").arg(random() % 90 + 10).arg(random() % 9000000 + 1000000));
        file.write(r.bytes());
    }
    if (!FlushToDisk(file))
        qFatal("cannot write %s", qPrintable(archivePath()));
}

const NativeListLine &nativeLine()
{
    static const NativeListLine line(AnimalRecordLayout(), {{"", "Nome", 30},
                                                            {"  Razza: ", "Razza", 28},
                                                            {"  Chip: ", "Microchip", 20},
                                                            {"  Prop. ", "Proprietario", 30},
                                                            {"  Tel. ", "Recapito", 0}});
    return line;
}

void runSearch(benchmark::State &state, const QString &name, const QString &breed)
{
    const RecordLayout &layout = AnimalRecordLayout();
    const CriteriaMatcher matcher({{name, layout.indexOf(QStringLiteral("Nome"))},
                                   {breed, layout.indexOf(QStringLiteral("Razza"))}});
    RunSearchBenchmark(
        state,
        [&] {
            auto search = std::make_unique<TfrmTrovaCani>();
            search->txtNome->setText(name);
            search->txtRazza->setText(breed);
            return std::unique_ptr<SearchWindow>(std::move(search));
        },
        MakeListReferences(archivePath, layout, AnimalListLine, nativeLine(), AnimalCount,
                           [matcher](const Record &r) { return matcher.matches(r); }));
}

void BM_AnimalSearchNoCriterion(benchmark::State &state) { runSearch(state, QString(), QString()); }
void BM_AnimalSearchTwoCriteria(benchmark::State &state) { runSearch(state, QStringLiteral("lu"), QStringLiteral("BEAGLE")); }

} // namespace

BENCHMARK(BM_AnimalSearchNoCriterion)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_AnimalSearchTwoCriteria)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

int main(int argc, char **argv) { return RunWindowBenchmarks(argc, argv, benchPlatform, writeArchive); }
