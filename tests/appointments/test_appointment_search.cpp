// The appointment search over the open year, its list line and the hand-back into the card.
#include "tests/support/QStringPrinter.h"
#include "appointments/AppointmentHandBack.h"
#include "appointments/TrovaScadenzario.h"
#include "common/Messages.h"
#include "common/ui/LineList.h"
#include "tests/appointments/AppointmentFixture.h"
#include "tests/support/ListClicks.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

using AppointmentSearch = AppointmentWindows;

// The ten criteria in the order of the Enter cycle, each with its caption, field and highlight.
const struct {
    const char *edit;
    const char *caption;
    const char *field;
    const char *highlight;
} Criteria[] = {
    {"txtData", "Data scadenza (gg/mm/aaaa):", "Data", "effData"},
    {"txtOra", "Ora appuntamento (hh:mm):", "Ora", "effOra"},
    {"txtProprietario", "Proprietario:", "Proprietario", "effProprietario"},
    {"txtCodFisc", "Codice fiscale:", "CodFisc", "effCodFisc"},
    {"txtNome", "Nome animale:", "Nome", "effNome"},
    {"txtRazza", "Razza:", "Razza", "effRazza"},
    {"txtMicrochip", "Codice microchip:", "Microchip", "effMicrochip"},
    {"txtPersona", "Persona da incontrare:", "Persona", "effPersona"},
    {"txtDettagli", "Causale scadenza:", "Dettagli", "effDettagli"},
    {"txtNote", "Note:", "Note", "effNote"},
};

QStringList search(const std::map<QString, QString> &criteria, QString *count = nullptr)
{
    TfrmTrovaScadenzario window;
    window.show();
    for (const auto &[edit, text] : criteria)
        window.findChild<QLineEdit *>(edit)->setText(text);
    QTest::mouseClick(window.btnCerca, Qt::LeftButton);
    if (count)
        *count = window.lblTrovate->text();
    return window.lstRecords->lines();
}

} // namespace

TEST_F(AppointmentSearch, EachCriterionSearchesItsField)
{
    TfrmTrovaScadenzario probe;
    EXPECT_EQ(probe.windowTitle(), " Trova scadenze e appuntamenti in archivio");
    EXPECT_EQ(probe.setup().printTitle, "Riepilogo scadenze e appuntamenti");
    EXPECT_EQ(probe.size(), QSize(862, 560));
    for (int i = 0; i < 10; ++i) {
        const auto &c = Criteria[i];
        SCOPED_TRACE(c.edit);
        EXPECT_EQ(probe.criterion(i)->objectName(), c.edit);
        EXPECT_EQ(probe.findChild<QLabel *>(QStringLiteral("lblCampo%1").arg(i + 1, 2, 10, QLatin1Char('0')))->text(),
                  c.caption);
        EXPECT_EQ(probe.highlight(i)->objectName(), c.highlight);

        // Only the entry holding the text in that field is found, in any letter case.
        Record holder = entry("03/03/2026", "10:00", "Trovata");
        holder.setText(c.field, "XEL 123");
        writeYear({entry("01/03/2026", "10:00", "Prima"), holder, entry("05/03/2026", "10:00", "Terza")});
        QString count;
        EXPECT_EQ(search({{c.edit, "el 1"}}, &count), QStringList{AppointmentListLine(holder)});
        EXPECT_EQ(count, "Il presente elenco contiene 1 schede.");
    }
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(AppointmentSearch, CriteriaTogetherAndNoneAtAll)
{
    const Record may12a = entry("12/05/2026", "09:00", "Vaccino", {{"Proprietario", "Rossi Mario"}, {"Nome", "Fido"}});
    const Record may12b =
        entry("12/05/2026", "11:30", "Controllo", {{"Proprietario", "Bianchi Ugo"}, {"Nome", "Fido"}});
    const Record june =
        entry("01/06/2026", "09:00", "Antiparassitario", {{"Proprietario", "Rossi Mario"}, {"Nome", "Argo"}});
    const Record mayRossi = entry("20/05/2026", "16:00", "Richiamo", {{"Proprietario", "ROSSI Lia"}, {"Nome", "fido"}});
    writeYear({may12a, may12b, june, mayRossi});

    QString count;
    // The list is sorted: the reason comes first in the line.
    EXPECT_EQ(search({{"txtData", "12/05"}}), (QStringList{AppointmentListLine(may12b), AppointmentListLine(may12a)}));
    EXPECT_EQ(search({{"txtProprietario", "rossi"}, {"txtNome", "FIDO"}}, &count),
              (QStringList{AppointmentListLine(mayRossi), AppointmentListLine(may12a)}));
    EXPECT_EQ(count, "Il presente elenco contiene 2 schede.");
    // A criterion is searched as typed, blanks included.
    EXPECT_EQ(search({{"txtProprietario", " rossi"}}), QStringList());
    EXPECT_EQ(search({{"txtNome", "   "}}, &count).size(), 4) << "a blank criterion is no criterion";
    EXPECT_EQ(search({}, &count).size(), 4);
    EXPECT_EQ(count, "Il presente elenco contiene 4 schede.");
}

TEST_F(AppointmentSearch, TheLineCutsAndPadsItsColumns)
{
    const QString euro = QString::fromUtf8("  \xe2\x82\xac ");
    const struct {
        QString reason, owner, animal, cost, line;
    } cases[] = {
        {"Vaccino", "Rossi", "Fido", "25,00",
         "Vaccino" + QString(23, ' ') + "  Data: 12/05/2026  Ora: 09:05  Prop. Rossi" + QString(21, ' ') +
             "  Animale: Fido" + QString(22, ' ') + euro + "25,00"},
        {QString(29, 'r') + "XYZ", QString(25, 'p') + "QR", QString(26, 'a') + "B", "1.234.567,8900",
         QString(29, 'r') + "X  Data: 12/05/2026  Ora: 09:05  Prop. " + QString(25, 'p') +
             "Q  Animale: " + QString(26, 'a') + euro + "1.234.567,8900"},
        {"", "", "", "",
         QString(30, ' ') + "  Data: 12/05/2026  Ora: 09:05  Prop. " + QString(26, ' ') +
             "  Animale: " + QString(26, ' ') + euro},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reason.toStdString());
        const Record r =
            entry("12/05/2026", "09:05", c.reason, {{"Proprietario", c.owner}, {"Nome", c.animal}, {"Costo", c.cost}});
        EXPECT_EQ(AppointmentListLine(r), c.line);
        EXPECT_EQ(AppointmentListLine(r).indexOf(euro), 131);
    }
}

TEST_F(AppointmentSearch, TheClickedLineLoadsItsEntryIntoTheCard)
{
    // Entries 1 and 3 have equal lines and differ elsewhere: each line loads its own entry.
    Record first = fullEntry("1");
    first.setText("DaConfermare", Si);
    first.setText("Effettuata", "No");
    Record third = fullEntry("3");
    third.setText("DaConfermare", "No");
    third.setText("Effettuata", Si);
    for (const char *shared : {"Dettagli", "Data", "Ora", "Proprietario", "Nome", "Costo"})
        third.setText(shared, first.text(shared));
    const std::vector<Record> entries{first, fullEntry("2"), third};
    writeYear(entries);

    QStringList loaded;
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        const std::map<QString, QString> before = cardState();
        QPointer<QWidget> opened;
        sp.onModal = [&](QWidget *w) {
            opened = w;
            auto *search = qobject_cast<TfrmTrovaScadenzario *>(w);
            ASSERT_NE(search, nullptr);
            EXPECT_EQ(search->parentWidget(), card.get());
            EXPECT_EQ(search->lblMemory->text(), "Scadenzario");
            ASSERT_TRUE(WaitActive(search));
            EXPECT_EQ(search->focusWidget(), search->txtData);
            search->txtDettagli->setText("dett");
            QTest::mouseClick(search->btnCerca, Qt::LeftButton);
            ASSERT_EQ(search->lstRecords->count(), 3);
            DoubleClickLine(search, row);
            EXPECT_FALSE(search->isVisible());
        };
        QTest::mouseClick(card->cmdTrova, Qt::LeftButton);
        EXPECT_TRUE(opened.isNull()) << "the search is destroyed when it closes";

        const int number = shown("Posizione").toInt();
        ASSERT_TRUE(number == 1 || number == 3);
        loaded << QString::number(number);
        const Record &r = entries[size_t(number - 1)];
        for (const QString &field : AppointmentRecordLayout().names()) {
            if (field != "DaConfermare" && field != "Effettuata") {
                EXPECT_EQ(shown(field), r.text(field)) << field.toStdString();
            }
        }
        EXPECT_EQ(card->chkDaConfermare->isChecked(), number == 1);
        EXPECT_EQ(card->chkEffettuata->isChecked(), number == 3);
        // Nothing else of the card changes.
        std::map<QString, QString> after = cardState();
        EXPECT_EQ(after["caption"], before.at("caption"));
        EXPECT_EQ(after["lblFile"], before.at("lblFile"));
    }
    loaded.sort();
    EXPECT_EQ(loaded, (QStringList{"1", "3"}));
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(AppointmentSearch, OnlyTheCardsTagWritesAndFlagsKeepOddValues)
{
    Record odd = entry("12/05/2026", "09:05", "Vaccino");
    odd.setText("DaConfermare", "Si");
    odd.setText("Effettuata", "");
    writeYear({odd});
    card->chkDaConfermare->setChecked(true);
    const std::map<QString, QString> before = cardState();

    // Another tag, or closing with "Chiudi", leaves the card as it was.
    for (const QString tag : {"scadenzario", "Scadenzari", ""}) {
        TfrmTrovaScadenzario search(card.get());
        search.lblMemory->setText(tag);
        search.show();
        QTest::mouseClick(search.btnCerca, Qt::LeftButton);
        DoubleClickLine(&search, 0);
        EXPECT_FALSE(search.isVisible());
        EXPECT_EQ(cardState(), before) << tag.toStdString();
    }
    {
        TfrmTrovaScadenzario search(card.get());
        search.lblMemory->setText("Scadenzario");
        search.show();
        QTest::mouseClick(search.btnAnnulla, Qt::LeftButton);
        EXPECT_FALSE(search.isVisible());
        EXPECT_EQ(cardState(), before);
    }

    // The card's tag, with blanks around it: the entry is loaded, but "Si" and an empty flag
    // leave the check boxes as they were.
    TfrmTrovaScadenzario search(card.get());
    search.lblMemory->setText(" Scadenzario ");
    search.show();
    QTest::mouseClick(search.btnCerca, Qt::LeftButton);
    DoubleClickLine(&search, 0);
    EXPECT_EQ(shown("Dettagli"), "Vaccino");
    EXPECT_EQ(shown("Posizione"), "1");
    EXPECT_TRUE(card->chkDaConfermare->isChecked());
    EXPECT_FALSE(card->chkEffettuata->isChecked());

    // No card: nothing is written anywhere, and the window still closes.
    frmScadenzario = nullptr;
    AppointmentHandBack("Scadenzario", fullEntry("x"), 1);
    EXPECT_EQ(shown("Dettagli"), "Vaccino");
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(AppointmentSearch, MissingEmptyDamagedAndUnreadableArchives)
{
    // A missing archive is created empty and nothing is found.
    QString count;
    EXPECT_TRUE(search({}, &count).isEmpty());
    EXPECT_EQ(count, "Il presente elenco contiene 0 schede.");
    EXPECT_TRUE(QFile::exists(sp.file("2026.sca")));
    {
        TfrmTrovaScadenzario empty;
        empty.show();
        QTest::mouseClick(empty.btnCerca, Qt::LeftButton);
        QTest::mouseClick(empty.btnTrova, Qt::LeftButton);
        EXPECT_EQ(sp.messages(), QStringList{"Ricerca non applicabile: la lista non contiene nessuna voce."});
    }
    sp.clear();

    // A record with stored lengths past its fields' capacities and a broken tail among good ones:
    // every whole record is listed and the file is never written.
    Record damaged = entry("12/05/2026", "09:05", "Danneggiata");
    QByteArray bytes = damaged.bytes();
    bytes[3] = char(0xff);  // Mese: length 255 in a field of 10
    bytes[19] = char(0x40); // Data: length 64 in a field of 10
    const QByteArray file = ArchiveBytes({entry("10/05/2026", "09:00", "Buona")}) + bytes +
                            ArchiveBytes({entry("11/05/2026", "09:00", "Altra")}) + QByteArray(700, 'x');
    writeBytes(sp.file("2026.sca"), file);
    const QStringList lines = search({}, &count);
    EXPECT_EQ(count, "Il presente elenco contiene 3 schede.");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Altra"));
    EXPECT_TRUE(lines[2].startsWith("Danneggiata"));
    EXPECT_EQ(readBytes(sp.file("2026.sca")), file);
    EXPECT_TRUE(sp.messages().isEmpty());

    // An archive that cannot be opened: the archive message in a plain box, and the search stays
    // on its criteria.
    QFile::remove(sp.file("2026.sca"));
    ASSERT_TRUE(QDir(sp.folder()).mkdir("2026.sca"));
    TfrmTrovaScadenzario failing;
    failing.show();
    failing.txtNote->setText("x");
    QTest::mouseClick(failing.btnCerca, Qt::LeftButton);
    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "plain");
    EXPECT_EQ(sp.calls[0].text, ArchiveAccessMessage());
    EXPECT_TRUE(failing.panAvvio->isVisible());
}
