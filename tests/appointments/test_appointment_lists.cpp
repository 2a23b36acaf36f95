// The three lists of the open year chosen by a yes/no flag, and their hand-back into the card.
#include "tests/support/QStringPrinter.h"
#include "appointments/AppointmentHandBack.h"
#include "appointments/Confermati.h"
#include "appointments/DaConfermare.h"
#include "appointments/NonConfermati.h"
#include "common/ui/Widgets.h"
#include "common/ui/LineList.h"
#include "tests/appointments/AppointmentFixture.h"
#include "tests/support/ListClicks.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

using AppointmentLists = AppointmentWindows;

// Each list window with the card's command that opens it and its caption.
const struct {
    const char *name;
    ClickLabel *TfrmScadenzario::*command;
    const char *caption;
} Lists[] = {
    {"TfrmDaConfermare", &TfrmScadenzario::cmdDaConfermare, " Riepilogo appuntamenti da confermare"},
    {"TfrmConfermati", &TfrmScadenzario::cmdDaEffettuare, " Riepilogo pagamenti da effettuare"},
    {"TfrmNonConfermati", &TfrmScadenzario::cmdEffettuate, " Riepilogo pagamenti effettuati"},
};

Record flagged(const QString &reason, const QString &toConfirm, const QString &paid)
{
    return entry("12/05/2026", "09:00", reason, {{"DaConfermare", toConfirm}, {"Effettuata", paid}});
}

} // namespace

TEST_F(AppointmentLists, EachListShowsTheEntriesOfItsFlag)
{
    // Which lists show a record, by its two flags: to confirm, unpaid, paid.
    const struct {
        Record record;
        bool inList[3];
    } cases[] = {
        {flagged("A confermare pagata", Si, Si), {true, false, true}},
        {flagged("A confermare da pagare", Si, "No"), {true, true, false}},
        {flagged("Confermata pagata", "No", Si), {false, false, true}},
        {flagged("Confermata da pagare", "No", "No"), {false, true, false}},
        {flagged("Senza accento", "Si", "si"), {false, false, false}},
        {flagged("Vuota", "", ""), {false, false, false}},
        {flagged("Maiuscola", QString::fromUtf8("S\xc3\x8c"), "NO"), {false, false, false}},
    };
    std::vector<Record> records;
    for (const auto &c : cases)
        records.push_back(c.record);
    writeYear(records);

    for (int list = 0; list < 3; ++list) {
        SCOPED_TRACE(Lists[list].name);
        QStringList expected;
        for (const auto &c : cases)
            if (c.inList[list])
                expected << AppointmentListLine(c.record);
        std::sort(expected.begin(), expected.end());

        bool shown = false;
        sp.onModal = [&](QWidget *w) {
            shown = true;
            auto *window = qobject_cast<ListWindow *>(w);
            ASSERT_NE(window, nullptr);
            EXPECT_STREQ(window->metaObject()->className(), Lists[list].name);
            EXPECT_EQ(window->parentWidget(), card.get());
            EXPECT_EQ(window->windowTitle(), Lists[list].caption);
            EXPECT_EQ(window->setup().printTitle, QString(Lists[list].caption).mid(1));
            EXPECT_EQ(window->size(), QSize(862, 560));
            EXPECT_EQ(window->findChild<QLabel *>("lblTrovate"), nullptr);
            ASSERT_TRUE(WaitActive(window));
            EXPECT_EQ(window->focusWidget(), window->txtTrova);
            EXPECT_EQ(window->lstRecords->lines(), expected);
            QTest::mouseClick(window->btnChiudi, Qt::LeftButton);
        };
        QTest::mouseClick(card.get()->*Lists[list].command, Qt::LeftButton);
        EXPECT_TRUE(shown);
    }
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(AppointmentLists, ADoubleClickLoadsTheListedEntryIntoTheCard)
{
    // Entry 4 has the line of entry 1 but is paid; in the unpaid list the line stands for entry 1.
    // Entry 1 is an entry that the card can save again, with a text of its own everywhere else.
    Record first = fullEntry("1");
    for (const auto &[field, value] : std::map<QString, QString>{{"Giorno", "12"},
                                                                 {"Mese", "Maggio"},
                                                                 {"Anno", "2026"},
                                                                 {"Data", "12/05/2026"},
                                                                 {"OreApp", "09"},
                                                                 {"MinutiApp", "05"},
                                                                 {"Ora", "09:05"},
                                                                 {"Avviso", "3"},
                                                                 {"Costo", "25,00"}})
        first.setText(field, value);
    first.setText("DaConfermare", Si);
    first.setText("Effettuata", "No");
    Record fourth = fullEntry("4");
    for (const char *shared : {"Dettagli", "Data", "Ora", "Proprietario", "Nome", "Costo"})
        fourth.setText(shared, first.text(shared));
    fourth.setText("DaConfermare", "No");
    fourth.setText("Effettuata", Si);
    const std::vector<Record> entries{first, flagged("Altra", "No", Si), flagged("Terza", "No", "No"), fourth};
    writeYear(entries);
    card->chkEffettuata->setChecked(true);

    TfrmConfermati unpaid(card.get());
    unpaid.show();
    ASSERT_EQ(unpaid.lstRecords->lines(), (QStringList{AppointmentListLine(first), AppointmentListLine(entries[2])}));
    DoubleClickLine(&unpaid, 0);
    EXPECT_FALSE(unpaid.isVisible());
    EXPECT_EQ(shown("Posizione"), "1");
    EXPECT_EQ(shown("Note"), first.text("Note"));
    EXPECT_EQ(shown("Giorno"), first.text("Giorno"));
    EXPECT_TRUE(card->chkDaConfermare->isChecked());
    EXPECT_FALSE(card->chkEffettuata->isChecked());

    // Save on the card then overwrites the entry loaded, and nothing else.
    card->txtNote->setText("Rivista");
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    EXPECT_EQ(sp.messages(),
              QStringList{"Le modifiche apportate alla scheda corrente sono state salvate in archivio."});
    sp.clear();
    const QByteArray saved = readBytes(sp.file("2026.sca"));
    ASSERT_EQ(saved.size(), 4 * AppointmentRecordLayout().recordSize());
    const Record rewritten(AppointmentRecordLayout(), saved.left(AppointmentRecordLayout().recordSize()));
    EXPECT_EQ(rewritten.text("Note"), "Rivista");
    EXPECT_EQ(rewritten.text("Dettagli"), first.text("Dettagli"));
    EXPECT_EQ(saved.mid(AppointmentRecordLayout().recordSize()), ArchiveBytes({entries[1], entries[2], fourth}));

    // In the paid list the same line stands for entry 4.
    TfrmNonConfermati paid(card.get());
    paid.show();
    ASSERT_EQ(paid.lstRecords->count(), 2);
    DoubleClickLine(&paid, 1);
    EXPECT_EQ(shown("Posizione"), "4");
    EXPECT_EQ(shown("Note"), fourth.text("Note"));
    EXPECT_FALSE(card->chkDaConfermare->isChecked());
    EXPECT_TRUE(card->chkEffettuata->isChecked());
    EXPECT_TRUE(sp.messages().isEmpty());

    // Without a line selected, a double-click writes nothing and closes the list.
    const auto before = cardState();
    TfrmDaConfermare toConfirm(card.get());
    toConfirm.show();
    toConfirm.lstRecordsDblClick();
    EXPECT_FALSE(toConfirm.isVisible());
    EXPECT_EQ(cardState(), before);
}

TEST_F(AppointmentLists, FindNextAndDamagedOrUnreadableArchives)
{
    // A missing archive is created and listed empty; find-next says the list is empty.
    {
        TfrmDaConfermare list(card.get());
        list.show();
        EXPECT_EQ(list.lstRecords->count(), 0);
        EXPECT_TRUE(QFile::exists(sp.file("2026.sca")));
        QTest::mouseClick(list.btnTrova, Qt::LeftButton);
        ASSERT_EQ(sp.calls.size(), 1u);
        EXPECT_EQ(sp.calls[0].kind, "plain");
        EXPECT_EQ(sp.calls[0].text, "Ricerca non applicabile: la lista non contiene nessuna voce.");
    }
    sp.clear();

    // A record with lengths past its fields among good ones, and a broken tail: the good ones are
    // listed, find-next walks them, and the file is never written.
    QByteArray bad = flagged("Danneggiata", Si, Si).bytes();
    bad[722] = char(0xff); // Dettagli: length 255 in a field of 250
    const QByteArray file = ArchiveBytes({flagged("Vaccino Fido", Si, "No")}) + bad +
                            ArchiveBytes({flagged("Vaccino Argo", Si, "No")}) + QByteArray(300, 'z');
    writeBytes(sp.file("2026.sca"), file);
    TfrmDaConfermare list(card.get());
    list.show();
    ASSERT_EQ(list.lstRecords->count(), 3);
    EXPECT_TRUE(list.lstRecords->line(0).startsWith("Danneggiata"));
    list.txtTrova->setText("VACCINO");
    QTest::mouseClick(list.btnTrova, Qt::LeftButton);
    EXPECT_EQ(list.lstRecords->selectedRow(), 1);
    QTest::mouseClick(list.btnTrova, Qt::LeftButton);
    EXPECT_EQ(list.lstRecords->selectedRow(), 2);
    EXPECT_EQ(readBytes(sp.file("2026.sca")), file);
    EXPECT_TRUE(sp.calls.empty());

    // An archive that cannot be opened: an empty list and no message.
    QFile::remove(sp.file("2026.sca"));
    ASSERT_TRUE(QDir(sp.folder()).mkdir("2026.sca"));
    TfrmNonConfermati failing(card.get());
    failing.show();
    EXPECT_EQ(failing.lstRecords->count(), 0);
    EXPECT_TRUE(sp.calls.empty());
}
