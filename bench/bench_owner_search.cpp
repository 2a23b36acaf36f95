// The owner search over 100,000 owners (370 MB): with no criterion and with two, the list filled,
// sorted and shown, beside a 1 MB-block read of the same file plus a sort of the same lines,
// measured in the same iterations (counters reference_ms and ratio). Then find-next over the
// 100,000 lines. The peak memory with the list shown is reported as a counter.
#include "bench/ReadFile.h"
#include "bench/SearchBench.h"
#include "common/ArchiveSearch.h"
#include "common/ui/LineList.h"
#include "common/ui/QtPlatform.h"
#include "owners/OwnerHandBack.h"
#include "owners/OwnerRecord.h"
#include "owners/TrovaClienti.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int OwnerCount = 100000;

SearchBenchPlatform *benchPlatform = nullptr;

QString archivePath() { return benchPlatform->programFolder() + OwnerArchiveName; }

// Writes the owners' archive once: names, telephones, occupations, animals and notes drawn from
// small lists with a fixed seed, every other field filled too.
void writeArchive()
{
    static const QStringList surnames = QStringLiteral(
        "Rossi Russo Ferrari Esposito Bianchi Romano Colombo Ricci Marino Greco Bruno Gallo Conti De Luca "
        "Mancini Costa Giordano Rizzo Lombardi Moretti Barbieri Fontana Santoro Mariani Rinaldi Caruso "
        "Ferrara Galli Martini Leone Longo Gentile Martinelli Vitale Lombardo Serra Coppola De Santis "
        "D'Angelo Marchetti Parisi Villa Conte Ferraro Ferri Fabbri Bianco Marini Grasso Valentini").split(' ');
    static const QStringList names = QStringLiteral(
        "Mario Luigi Giovanni Giuseppe Antonio Francesco Paolo Marco Andrea Luca Anna Maria Giulia Laura "
        "Francesca Sara Chiara Elena Paola Silvia Niccolò Lucrezia Agnese Bartolomeo Ludovica").split(' ');
    static const QStringList jobs = QStringLiteral(
        "Impiegato Insegnante Medico Avvocato Pensionato Commerciante Artigiano Studente Ingegnere "
        "Infermiere Agricoltore Architetto Farmacista Operaio Casalinga").split(' ');
    static const QStringList pets = QStringLiteral(
        "Fido Birba Luna Rex Micia Argo Nuvola Pallino Zara Tobia Briciola Leo Milo Kira Athos").split(' ');
    static const QStringList towns = QStringLiteral(
        "Roma Milano Torino Napoli Bologna Firenze Genova Verona Padova Trieste Bari Parma Modena Lecce").split(' ');
    static const QStringList notes = {QString(), QString(), QStringLiteral("Cliente storico"),
                                      QStringLiteral("Preferisce essere chiamato di sera"),
                                      QString::fromUtf8("Pagamento a fine mese, già concordato"),
                                      QStringLiteral("Due cani e un gatto in cura")};

    std::mt19937 random(20261210);
    auto pick = [&random](const QStringList &list) { return list[int(random() % list.size())]; };
    QFile file(archivePath());
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(archivePath()));
    const RecordLayout &layout = OwnerRecordLayout();
    for (int i = 0; i < OwnerCount; ++i) {
        Record r(layout);
        for (int f = 0; f < layout.fieldCount(); ++f)
            r.setText(f, QStringLiteral("%1 %2").arg(QLatin1String(layout.field(f).name)).arg(i));
        r.setText("Cliente", pick(surnames) + ' ' + pick(names));
        r.setText("Recapito", QStringLiteral("0%1 %2").arg(random() % 90 + 10).arg(random() % 9000000 + 1000000));
        r.setText("Occupazione", pick(jobs));
        QString animals = pick(pets);
        for (int n = int(random() % 3); n > 0; --n)
            animals += ", " + pick(pets);
        r.setText("CaniOra", animals);
        r.setText("ComuneRes", pick(towns));
        r.setText("Note", pick(notes));
        r.setText("Ricontatta", random() % 10 == 0 ? QString::fromUtf8("Sì") : QStringLiteral("No"));
        file.write(r.bytes());
    }
    if (!file.flush())
        qFatal("cannot write %s", qPrintable(archivePath()));
}

// The lines that the search with no criterion lists, read once.
const QStringList &ownerLines()
{
    static const QStringList lines = ArchiveListLines(archivePath(), OwnerRecordLayout(), OwnerListLine, OwnerCount);
    return lines;
}

double referenceSeconds() { return BlockReadAndSortSeconds(archivePath(), ownerLines()); }

// The owner search with a name and a town typed; the goal with no criterion: a ratio of at most 1.5.
void runSearch(benchmark::State &state, const QString &name, const QString &town)
{
    RunSearchBenchmark(
        state,
        [&] {
            auto search = std::make_unique<TfrmTrovaClienti>();
            search->show();
            search->txtCliente->setText(name);
            search->txtComuneRes->setText(town);
            return std::unique_ptr<SearchWindow>(std::move(search));
        },
        referenceSeconds);
}

void BM_OwnerSearchNoCriterion(benchmark::State &state) { runSearch(state, QString(), QString()); }

void BM_OwnerSearchTwoCriteria(benchmark::State &state)
{
    runSearch(state, QStringLiteral("ross"), QStringLiteral("ROMA"));
}

// The reference on its own: a 1 MB-block read of the file and a sort of the listed lines.
void BM_BlockReadAndSort(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(referenceSeconds());
}

// Find-next over 100,000 lines: a text that only the last line holds, and one that none does.
void runFindNext(benchmark::State &state, bool found)
{
    TfrmTrovaClienti search;
    search.show();
    search.btnCercaClick();
    const QStringList &lines = search.lstRecords->lines();
    const QString text = found ? lines.last().left(20) : QStringLiteral("nessuno ha questo testo");
    search.txtTrova->setText(text);
    int selected = -1;
    for (auto _ : state) {
        state.PauseTiming();
        search.lstRecords->selectRow(0);
        search.btnTrovaClick();  // a new text: from the top
        search.lstRecords->selectRow(0);
        state.ResumeTiming();
        search.btnTrovaClick();  // the same text: a walk from the first line on
        selected = search.lstRecords->selectedRow();
    }
    state.counters["lines"] = double(lines.size());
    state.counters["selected"] = selected;
}

void BM_FindNextToTheLastLine(benchmark::State &state) { runFindNext(state, true); }
void BM_FindNextFoundNowhere(benchmark::State &state) { runFindNext(state, false); }

} // namespace

BENCHMARK(BM_OwnerSearchNoCriterion)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OwnerSearchTwoCriteria)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_BlockReadAndSort)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_FindNextToTheLastLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNextFoundNowhere)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) { return SearchBenchMain(argc, argv, benchPlatform, writeArchive); }
