// The owner search, the owner hand-back and the list of owners to recontact.
#include "tests/support/QStringPrinter.h"
#include "common/ui/LineList.h"
#include "common/Messages.h"
#include "common/Record.h"
#include "common/ui/RecordCard.h"
#include "common/Text.h"
#include "common/ui/Widgets.h"
#include "owners/Clienti.h"
#include "owners/OwnerHandBack.h"
#include "owners/OwnerRecord.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ListClicks.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <memory>


namespace {

const QString Si = QString::fromUtf8("Sì");

Record owner(const std::map<QString, QString> &fields)
{
    Record r(OwnerRecordLayout());
    r.setText("Ricontatta", "No");
    for (const auto &[field, value] : fields)
        r.setText(field, value);
    return r;
}

// An owner with a text of its own in every field (the flag apart), marked by `tag`.
Record fullOwner(const QString &tag, const QString &flag = QStringLiteral("No"))
{
    Record r(OwnerRecordLayout());
    for (const QString &name : OwnerRecordLayout().names())
        r.setText(name, name.left(2).toUpper() + tag);
    r.setText("Ricontatta", flag);
    return r;
}



// The owner card as the hand-backs find it, over its own program folder.
class OwnerWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = frmClienti;
        card = std::make_unique<TfrmClienti>();
        frmClienti = card.get();
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
    }
    void TearDown() override { frmClienti = previous; }

    void writeArchive(const std::vector<Record> &records) { writeBytes(sp.file(OwnerArchiveName), ArchiveBytes(records)); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // Every control of the card that shows a field, with the text or check state it holds.
    std::map<QString, QString> cardState() const
    {
        std::map<QString, QString> state;
        for (QWidget *w : card->findChildren<QWidget *>()) {
            if (w->window() != card.get())
                continue;  // the windows the card owns
            const QString name = w->objectName();
            if (auto *chk = qobject_cast<QCheckBox *>(w))
                state[name] = chk->isChecked() ? "checked" : "unchecked";
            else if ((name.startsWith("txt") || name.startsWith("lbl")) && !name.startsWith("qt_"))
                state[name] = ControlText(w);
        }
        return state;
    }
    // Checks that the card shows every field of `r` and its number.
    void expectCardShows(const Record &r, int number)
    {
        const RecordLayout &layout = OwnerRecordLayout();
        for (int i = 0; i < layout.fieldCount(); ++i) {
            const QString name = QLatin1String(layout.field(i).name);
            if (name == "Ricontatta")
                continue;
            QWidget *w = card->findChild<QWidget *>((name.startsWith("File") || name.startsWith("Desc") ? "lbl" : "txt") + name);
            ASSERT_NE(w, nullptr) << name.toStdString();
            EXPECT_EQ(ControlText(w), r.text(i)) << name.toStdString();
        }
        EXPECT_EQ(card->lblPosizione->text(), QString::number(number));
    }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmClienti> card;
    TfrmClienti *previous = nullptr;
};

} // namespace

TEST(OwnerListLine, ColumnsOfTheRecipe)
{
    const Record r = owner({{"Cliente", "Rossi Mario"},
                            {"Recapito", "06 1234567"},
                            {"Occupazione", "Impiegato"},
                            {"CaniOra", "Fido, Birba"},
                            {"Note", "  cliente storico  "},
                            {"Questioni", "richiamare"}});
    const QString fixed = "Rossi Mario" + QString(15, ' ') + "  Tel. 06 1234567" + QString(5, ' ') + "  Impiegato" +
                          QString(16, ' ') + "  Animali: Fido, Birba" + QString(19, ' ') + "  ";
    ASSERT_EQ(fixed.size(), 118);
    EXPECT_EQ(OwnerListLine(r), fixed + "cliente storico");
    EXPECT_EQ(RecontactListLine(r), fixed + "richiamare");

    const Record longName = owner({{"Cliente", "Bartolomei Carrettieri Giovanbattista"}});
    EXPECT_EQ(OwnerListLine(longName).left(28), "Bartolomei Carrettieri Gio  ");
}

TEST_F(OwnerWindows, TheTenCriteriaSearchTheirFields)
{
    TfrmTrovaClienti probe;
    const std::pair<const char *, const char *> criteria[] = {
        {"txtCliente", "Cliente"},         {"txtComuneRes", "ComuneRes"}, {"txtPartitaIva", "PartitaIva"},
        {"txtCodFisc", "CodFisc"},         {"txtDocumento", "Documento"}, {"txtOccupazione", "Occupazione"},
        {"txtCaniOra", "CaniOra"},         {"txtCaniPrima", "CaniPrima"}, {"txtQuestioni", "Questioni"},
        {"txtNote", "Note"}};
    const QStringList captions{"Cognome e nome:",
                               "Comune di residenza:",
                               "Partita IVA:",
                               "Codice fiscale:",
                               "Estremi documento:",
                               "Occupazione:",
                               "Animali posseduti attualmente:",
                               "Animali posseduti in passato:",
                               "Questioni in sospeso:",
                               "Note:"};
    for (int i = 0; i < 10; ++i) {
        const auto [edit, field] = criteria[i];
        SCOPED_TRACE(edit);
        EXPECT_EQ(probe.criterion(i)->objectName(), edit) << "the Enter cycle follows the table";
        EXPECT_EQ(probe.findChild<QLabel *>(QStringLiteral("lblCampo%1").arg(i + 1, 2, 10, QLatin1Char('0')))->text(),
                  captions[i]);
        EXPECT_NE(probe.findChild<QWidget *>(QStringLiteral("eff") + QLatin1String(edit).mid(3)), nullptr);

        // Only the owner holding the text in that field is found.
        const Record holder = owner({{field, "NEL 123"}});
        writeArchive({owner({{"Cliente", "Primo"}}), holder, owner({{"Cliente", "Terzo"}})});
        TfrmTrovaClienti search;
        search.show();
        search.findChild<QLineEdit *>(edit)->setText("el 1");
        QTest::mouseClick(search.btnCerca, Qt::LeftButton);
        ASSERT_EQ(search.lstRecords->count(), 1);
        EXPECT_EQ(search.lstRecords->line(0), OwnerListLine(holder));
        EXPECT_EQ(search.lblTrovate->text(), "Il presente riepilogo contiene 1 schede.");
    }
    EXPECT_TRUE(sp.calls.empty());
}

TEST_F(OwnerWindows, LongNamesAreCutInTheListButSearchedWhole)
{
    writeArchive({owner({{"Cliente", "Bartolomei Carrettieri Giovanbattista"}}), owner({{"Cliente", "Zeta"}}),
                  owner({{"Cliente", "alfa"}})});
    TfrmTrovaClienti search;
    search.show();
    QTest::mouseClick(search.btnCerca, Qt::LeftButton);
    EXPECT_EQ(search.lstRecords->count(), 3);
    EXPECT_TRUE(search.lstRecords->line(0).startsWith("alfa "));
    EXPECT_TRUE(search.lstRecords->line(1).startsWith("Bartolomei Carrettieri Gio  Tel."));
    EXPECT_TRUE(search.lstRecords->line(2).startsWith("Zeta "));

    TfrmTrovaClienti again;
    again.show();
    again.txtCliente->setText("BATTISTA");
    QTest::mouseClick(again.btnCerca, Qt::LeftButton);
    ASSERT_EQ(again.lstRecords->count(), 1);
    EXPECT_TRUE(again.lstRecords->line(0).startsWith("Bartolomei"));
}

TEST_F(OwnerWindows, TrovaOnTheCardLoadsTheOwnerOfTheClickedLine)
{
    // Owners 1 and 3 share their line (name, telephone, occupation, animals, note) and their town,
    // and differ elsewhere: each line loads its own owner, so a later Save overwrites the right one.
    Record first = fullOwner("1", Si);
    Record third = fullOwner("3", "No");
    for (const char *shared : {"Cliente", "Recapito", "Occupazione", "CaniOra", "Note", "ComuneRes"})
        third.setText(shared, first.text(shared));
    const std::vector<Record> owners{first, fullOwner("2"), third};
    writeArchive(owners);

    int row = 0;
    std::function<void(TfrmTrovaClienti *)> meanwhile;  // what another workstation does after the list
    QPointer<QWidget> shown;
    sp.onModal = [&](QWidget *w) {
        shown = w;
        auto *search = qobject_cast<TfrmTrovaClienti *>(w);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->parentWidget(), card.get());
        EXPECT_EQ(search->lblMemory->text(), "clienti");
        EXPECT_EQ(search->windowTitle(), " Trova proprietari in archivio");
        ASSERT_NE(search->focusWidget(), nullptr);
        EXPECT_EQ(search->focusWidget(), search->txtCliente);
        search->txtCliente->setText("cl");
        QTest::mouseClick(search->btnCerca, Qt::LeftButton);
        ASSERT_EQ(search->lstRecords->count(), 3);
        ASSERT_EQ(search->lstRecords->line(0), OwnerListLine(first));
        ASSERT_EQ(search->lstRecords->line(1), OwnerListLine(first));
        if (meanwhile)
            meanwhile(search);
        DoubleClickLine(search, row);
        EXPECT_FALSE(search->isVisible());
    };

    QStringList loaded;
    for (row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        card->chkRicontatta->setChecked(row == 0);
        QTest::mouseClick(card->cmdTrova, Qt::LeftButton);
        EXPECT_TRUE(shown.isNull()) << "the card destroys the search";
        loaded << card->lblPosizione->text();
        const int number = card->lblPosizione->text().toInt();
        ASSERT_TRUE(number == 1 || number == 3);
        expectCardShows(owners[size_t(number - 1)], number);
        EXPECT_EQ(card->chkRicontatta->isChecked(), number == 1);
    }
    loaded.sort();
    EXPECT_EQ(loaded, (QStringList{"1", "3"})) << "each line loads its own owner";
    EXPECT_EQ(sp.callsOf("modal").size(), 2u);
    EXPECT_TRUE(sp.messages().isEmpty());

    // Another workstation renames the owner behind the clicked line before the double-click:
    // nothing is written into the card.
    row = 0;
    card->txtCliente->setText("sulla scheda");
    const auto before = cardState();
    meanwhile = [&](TfrmTrovaClienti *search) {
        Record renamed = owners[size_t(search->lstRecords->recordNumber(0) - 1)];
        renamed.setText("Cliente", "Rinominato");
        std::vector<Record> changed = owners;
        changed[size_t(search->lstRecords->recordNumber(0) - 1)] = renamed;
        writeArchive(changed);
    };
    QTest::mouseClick(card->cmdTrova, Qt::LeftButton);
    EXPECT_EQ(cardState(), before);
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(OwnerWindows, AStoredFlagOtherThanSiOrNoKeepsTheCheckBox)
{
    struct Case {
        QString stored;
        bool before;
        bool after;
    };
    for (const Case &c : {Case{Si, false, true}, Case{"No", true, false}, Case{"SI", true, true},
                          Case{"SI", false, false}, Case{"", true, true}}) {
        SCOPED_TRACE(c.stored.toStdString() + (c.before ? " checked" : " unchecked"));
        card->chkRicontatta->setChecked(c.before);
        Record r = owner({{"Cliente", "Rossi"}});
        r.setText("Ricontatta", c.stored);
        OwnerHandBack("clienti", r, 7);
        EXPECT_EQ(card->chkRicontatta->isChecked(), c.after);
        EXPECT_EQ(card->txtCliente->text(), "Rossi");
        EXPECT_EQ(card->lblPosizione->text(), "7");
    }
}

namespace {

QWidget *fakeTarget = nullptr;

} // namespace

TEST_F(OwnerWindows, EachTagWritesItsOwnControlsAndNothingElse)
{
    // A stand-in for the cards that take an owner: every control any tag writes, and one none writes.
    QWidget target;
    const QStringList edits{"txtProprietario", "txtSesso",        "txtDataNasc",   "txtCodFisc",    "txtComuneNasc",
                            "txtindirizzoRes", "txtCapRes",       "txtComuneRes",  "txtProvRes",    "txtRecapito",
                            "txtCliente",      "txtCodFiscCliente", "txtIvaCliente", "txtViaCliente", "txtCapCliente",
                            "txtCittaCliente", "txtRiferimento"};
    for (const QString &name : edits)
        MakeNamed<QLineEdit>(&target, name)->setText("prima");
    auto *province = MakeNamed<QComboBox>(&target, "txtProvCliente");
    province->setEditable(true);
    province->addItems({"MI", "RM"});
    province->setEditText("prima");

    const Record r = owner({{"Cliente", " Rossi Mario "},
                            {"Sesso", "M"},
                            {"DataNasc", "01/02/1970"},
                            {"CodFisc", "RSSMRA70B01H501U"},
                            {"ComuneNasc", "Roma"},
                            {"IndirizzoRes", "Via Appia 1"},
                            {"CapRes", "00100"},
                            {"ComuneRes", "Roma"},
                            {"ProvRes", "RM"},
                            {"Recapito", "06 1234567"},
                            {"PartitaIva", "01234567890"}});
    const std::map<QString, QString> certificate{
        {"txtProprietario", "Rossi Mario"}, {"txtSesso", "M"},
        {"txtDataNasc", "01/02/1970"},       {"txtCodFisc", "RSSMRA70B01H501U"},
        {"txtComuneNasc", "Roma"},           {"txtindirizzoRes", "Via Appia 1"},
        {"txtCapRes", "00100"},              {"txtComuneRes", "Roma"},
        {"txtProvRes", "RM"},                {"txtRecapito", "06 1234567"}};
    struct Case {
        QString tag;
        std::map<QString, QString> written;
    };
    const Case cases[] = {
        {"cani",
         {{"txtProprietario", "Rossi Mario"}, {"txtRecapito", "06 1234567"}, {"txtCodFisc", "RSSMRA70B01H501U"},
          {"txtComuneRes", "Roma"}}},
        {"  fatture  ",
         {{"txtCliente", "Rossi Mario"}, {"txtCodFiscCliente", "RSSMRA70B01H501U"}, {"txtIvaCliente", "01234567890"},
          {"txtViaCliente", "Via Appia 1"}, {"txtCapCliente", "00100"}, {"txtCittaCliente", "Roma"},
          {"txtProvCliente", "RM"}}},
        {"certificato_sanitario", certificate},
        {"certificato_vaccinazione", certificate},
        {"certificato_malattia", certificate},
        {"certificato_decesso", certificate},
        {"autorizzazione_eutanasia", certificate},
        {"consenso_intervento", certificate},
        {"certificato_movimento", {{"txtProprietario", "Rossi Mario"}}},
        {"consenso_privacy", {}},
        {"Fatture", {}},
    };
    fakeTarget = &target;
    for (const Case &c : cases)
        RegisterOwnerTarget(TrimText(c.tag), [] { return fakeTarget; });
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tag.toStdString());
        for (QLineEdit *e : target.findChildren<QLineEdit *>())
            e->setText("prima");
        province->setEditText("prima");
        OwnerHandBack(c.tag, r, 5);
        for (QWidget *w : target.findChildren<QWidget *>()) {
            if (w->objectName().isEmpty() || w->parentWidget() != &target)
                continue;
            const auto it = c.written.find(w->objectName());
            EXPECT_EQ(ControlText(w), it == c.written.end() ? QString("prima") : it->second)
                << w->objectName().toStdString();
        }
    }
    // A tag whose window does not exist writes nothing and does not fail.
    fakeTarget = nullptr;
    OwnerHandBack("fatture", r, 5);
    EXPECT_TRUE(sp.calls.empty());
}

TEST_F(OwnerWindows, AnUnknownTagClosesTheSearchAndWritesNothing)
{
    writeArchive({fullOwner("1")});
    card->txtCliente->setText("sulla scheda");
    const auto before = cardState();
    TfrmTrovaClienti search(card.get());
    search.lblMemory->setText("consenso_privacy");
    search.show();
    QTest::mouseClick(search.btnCerca, Qt::LeftButton);
    DoubleClickLine(&search, 0);
    EXPECT_FALSE(search.isVisible());
    EXPECT_EQ(cardState(), before);
    EXPECT_TRUE(sp.calls.empty());
}

TEST_F(OwnerWindows, EmptyAndDamagedArchivesAreReadAndNeverWritten)
{
    TfrmTrovaClienti empty;
    empty.show();
    QTest::mouseClick(empty.btnCerca, Qt::LeftButton);
    EXPECT_EQ(empty.lblTrovate->text(), "Il presente riepilogo contiene 0 schede.");
    EXPECT_TRUE(empty.panContainer->isVisible());

    // Two whole owners and the broken tail of a third: the two are listed, the file stays as it was.
    const QByteArray damaged = ArchiveBytes({fullOwner("1"), fullOwner("2")}) + QByteArray(100, '\x07');
    writeBytes(sp.file(OwnerArchiveName), damaged);
    TfrmTrovaClienti search;
    search.show();
    QTest::mouseClick(search.btnCerca, Qt::LeftButton);
    EXPECT_EQ(search.lblTrovate->text(), "Il presente riepilogo contiene 2 schede.");
    search.lstRecords->selectRow(1);
    search.lstRecordsDblClick();
    EXPECT_EQ(readBytes(sp.file(OwnerArchiveName)), damaged);

    // An archive that cannot be opened: the plain box, and the search stays on its criteria.
    QFile::remove(sp.file(OwnerArchiveName));
    ASSERT_TRUE(QDir(sp.folder()).mkdir(OwnerArchiveName));
    TfrmTrovaClienti failing;
    failing.show();
    failing.txtNote->setText("x");
    QTest::mouseClick(failing.btnCerca, Qt::LeftButton);
    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "plain");
    EXPECT_EQ(sp.calls[0].text, ArchiveAccessMessage());
    EXPECT_TRUE(failing.panAvvio->isVisible());
    EXPECT_EQ(failing.txtNote->text(), "x");
}

TEST_F(OwnerWindows, RecontactListShowsTheFlaggedOwnersAndLoadsTheOneListed)
{
    // Owner 4 is not flagged but has the recontact line of owner 1, later in the file: the line
    // stands for owner 1, who is loaded.
    Record first = fullOwner("1", Si);
    Record fourth = fullOwner("4", "No");
    for (const char *shared : {"Cliente", "Recapito", "Occupazione", "CaniOra", "Questioni"})
        fourth.setText(shared, first.text(shared));
    first.setText("Note", "nota diversa");
    Record flaggedB = owner({{"Cliente", "bianchi"}, {"Questioni", "pagamento"}});
    flaggedB.setText("Ricontatta", Si);
    writeArchive({first, owner({{"Cliente", "Verdi"}}), flaggedB, fourth, owner({{"Cliente", "Neri"}, {"Ricontatta", "SI"}})});

    QPointer<QWidget> shown;
    sp.onModal = [&](QWidget *w) {
        shown = w;
        auto *list = qobject_cast<TfrmRicontatta *>(w);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->parentWidget(), card.get());
        EXPECT_EQ(list->windowTitle(), " Riepilogo proprietari da ricontattare");
        EXPECT_EQ(list->size(), QSize(862, 560));
        EXPECT_TRUE(list->panContainer->isVisible());
        EXPECT_EQ(list->findChild<QLabel *>("lblTrovate"), nullptr);
        EXPECT_EQ(list->lblRigo03->text(), "Per richiamare i dati di una scheda, selezionarla con un doppio clic.");
        ASSERT_NE(list->focusWidget(), nullptr);
        EXPECT_EQ(list->focusWidget()->objectName(), "txtTrova");
        EXPECT_EQ(list->lstRecords->lines(), (QStringList{RecontactListLine(flaggedB), RecontactListLine(first)}));
        EXPECT_EQ(list->lstRecords->selectedRow(), -1);
        DoubleClickLine(list, 1);
    };
    QTest::mouseClick(card->cmdRicontatta, Qt::LeftButton);

    EXPECT_TRUE(shown.isNull());
    EXPECT_TRUE(sp.messages().isEmpty());
    expectCardShows(first, 1);
    EXPECT_TRUE(card->chkRicontatta->isChecked());
}

TEST_F(OwnerWindows, RecontactListOnAnEmptyOrUnreadableArchive)
{
    {
        TfrmRicontatta list(card.get());
        list.show();
        EXPECT_EQ(list.lstRecords->count(), 0);
        QTest::mouseClick(list.btnTrova, Qt::LeftButton);
        ASSERT_EQ(sp.calls.size(), 1u);
        EXPECT_EQ(sp.calls[0].kind, "plain");
        EXPECT_EQ(sp.calls[0].text, "Ricerca non applicabile: la lista non contiene nessuna voce.");
    }
    sp.clear();
    QFile::remove(sp.file(OwnerArchiveName));
    ASSERT_TRUE(QDir(sp.folder()).mkdir(OwnerArchiveName));
    TfrmRicontatta list(card.get());
    list.show();
    EXPECT_EQ(list.lstRecords->count(), 0);
    EXPECT_TRUE(sp.calls.empty()) << "filling the list says nothing of a failure";
}
