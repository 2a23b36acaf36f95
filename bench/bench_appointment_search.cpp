// The appointment search over a year archive of 20,000 appointments (29 MB): with no criterion
// and with two, from "Cerca" to the list painted in a fresh window (the first search and a later
// one), beside the byte-sort reference (a 1 MB-block read of the same file with the same lines
// built and sorted in plain byte order) and the current one (the read and a sort with the
// program's comparator), measured in the same iterations. Goal: at most 1.5 times the current
// reference in every round, or 2.5 times the byte-sort reference.
#include "appointments/AppointmentHandBack.h"
#include "appointments/AppointmentRecord.h"
#include "appointments/Scadenzario.h"
#include "appointments/TrovaScadenzario.h"
#include "bench/SearchBench.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

constexpr int AppointmentCount = 20000;

BenchPlatform *benchPlatform = nullptr;
std::unique_ptr<TfrmScadenzario> card;

QString archivePath() { return benchPlatform->programFolder() + QStringLiteral("2026.sca"); }

// Writes the year's archive once: dates, times, reasons, owners and animals drawn from small lists
// with a fixed seed, every other field filled too; then opens the year in the card.
void writeArchive()
{
    static const QStringList reasons =
        QStringLiteral("Vaccinazione_annuale Richiamo_antirabbica Controllo_post-operatorio Visita_dermatologica "
                       "Pagamento_fattura Ecografia Esami_del_sangue Toelettatura Microchip Sterilizzazione")
            .split(' ');
    static const QStringList owners =
        QStringLiteral("Rossi Russo Ferrari Esposito Bianchi Romano Colombo Ricci Marino Greco Bruno Gallo Conti Costa "
                       "Giordano Rizzo Lombardi Moretti Barbieri Fontana")
            .split(' ');
    static const QStringList names =
        QStringLiteral("Fido Birba Luna Rex Micia Argo Nuvola Pallino Zara Tobia Briciola Leo Milo Kira Athos")
            .split(' ');

    std::mt19937 random(20261211);
    auto pick = [&random](const QStringList &list) { return list[int(random() % list.size())]; };
    QFile file(archivePath());
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(archivePath()));
    const RecordLayout &layout = AppointmentRecordLayout();
    for (int i = 0; i < AppointmentCount; ++i) {
        Record r(layout);
        for (int f = 0; f < layout.fieldCount(); ++f)
            r.setText(f, QStringLiteral("%1 %2").arg(QLatin1String(layout.field(f).name)).arg(i));
        const int month = int(random() % 12), day = int(random() % 28) + 1;
        const QString hour = QStringLiteral("%1").arg(random() % 24, 2, 10, QLatin1Char('0'));
        const QString minute = QStringLiteral("%1").arg(random() % 60, 2, 10, QLatin1Char('0'));
        r.setText("Giorno", QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
        r.setText("Mese", QString::fromLatin1(MonthNames()[size_t(month)].name));
        r.setText("Anno", QStringLiteral("2026"));
        r.setText(
            "Data",
            QStringLiteral("%1/%2/2026").arg(day, 2, 10, QLatin1Char('0')).arg(month + 1, 2, 10, QLatin1Char('0')));
        r.setText("OreApp", hour);
        r.setText("MinutiApp", minute);
        r.setText("Ora", hour + ':' + minute);
        r.setText("Avviso", QString::number(random() % 30));
        r.setText("Dettagli", pick(reasons).replace('_', ' '));
        r.setText("Proprietario", pick(owners) + ' ' + pick(names));
        r.setText("Nome", pick(names));
        r.setText("Costo", QStringLiteral("%1,00").arg(random() % 500));
        r.setText("DaConfermare", YesNoFlag(random() % 2));
        r.setText("Effettuata", YesNoFlag(random() % 2));
        file.write(r.bytes());
    }
    if (!FlushToDisk(file))
        qFatal("cannot write %s", qPrintable(archivePath()));
    card = std::make_unique<TfrmScadenzario>();
    frmScadenzario = card.get();
    card->lblFile->setText(archivePath());
}

const NativeListLine &nativeLine()
{
    static const NativeListLine line(AppointmentRecordLayout(), {{"", "Dettagli", 30},
                                                                 {"  Data: ", "Data", 10},
                                                                 {"  Ora: ", "Ora", 5},
                                                                 {"  Prop. ", "Proprietario", 26},
                                                                 {"  Animale: ", "Nome", 26},
                                                                 {"  \u20ac ", "Costo", 0}});
    return line;
}

void runSearch(benchmark::State &state, const QString &owner, const QString &reason)
{
    const RecordLayout &layout = AppointmentRecordLayout();
    const CriteriaMatcher matcher({{owner, layout.indexOf(QStringLiteral("Proprietario"))},
                                   {reason, layout.indexOf(QStringLiteral("Dettagli"))}});
    RunSearchBenchmark(
        state,
        [&] {
            auto search = std::make_unique<TfrmTrovaScadenzario>();
            search->txtProprietario->setText(owner);
            search->txtDettagli->setText(reason);
            return std::unique_ptr<SearchWindow>(std::move(search));
        },
        MakeListReferences(archivePath, layout, AppointmentListLine, nativeLine(), AppointmentCount,
                           [matcher](const Record &r) { return matcher.matches(r); }));
}

void BM_AppointmentSearchNoCriterion(benchmark::State &state) { runSearch(state, QString(), QString()); }
void BM_AppointmentSearchTwoCriteria(benchmark::State &state)
{
    runSearch(state, QStringLiteral("ross"), QStringLiteral("VACCIN"));
}

} // namespace

BENCHMARK(BM_AppointmentSearchNoCriterion)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(BM_AppointmentSearchTwoCriteria)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv, benchPlatform, writeArchive, [] {
        frmScadenzario = nullptr;
        card.reset();
    });
}
