#include "tests/support/QStringPrinter.h"
#include "common/Messages.h"
#include "common/Record.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"
#include "owners/Clienti.h"
#include "owners/OwnerRecord.h"
#include "shell/Avvio.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/PartitaIVA.h"
#include "shell/Startup.h"
#include "tests/support/CardControls.h"
#include "tests/support/DesignArea.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/UnstorableText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>

// Failures print texts as texts.

namespace {

const QString Inserted = QString::fromUtf8("La scheda corrente è stata inserita in archivio.");
const QString Overwritten =
    QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString EmptyArchive = QString::fromUtf8("L'archivio non contiene nessuna scheda.");
const QString NameMissing =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il nome del proprietario.");
const QString DuplicateNew = QString::fromUtf8(
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in archivio.");
const QString Duplicated = QString::fromUtf8(
    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
    "Al termine premere Salva per inserire la scheda in archivio.");

constexpr int RecordSize = 3702;

QByteArray ownerRecord(const QString &name, const std::map<QString, QString> &fields = {})
{
    Record r(OwnerRecordLayout());
    r.setText("Cliente", name);
    r.setText("Ricontatta", "No");
    for (const auto &[field, value] : fields)
        r.setText(field, value);
    return r.bytes();
}

// An archive of owners "Proprietario 1" .. "Proprietario n".
QByteArray ownerArchive(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += ownerRecord(QStringLiteral("Proprietario %1").arg(i));
    return bytes;
}

QString storedText(const QByteArray &archive, int record, int offset)
{
    const char *field = archive.constData() + (record - 1) * RecordSize + offset;
    return QString::fromLatin1(field + 1, static_cast<unsigned char>(field[0]));
}

// A fresh owner card over its own program folder, shown as the launcher would show it.
class OwnerCard : public ::testing::Test {
protected:
    void SetUp() override
    {
        card = std::make_unique<TfrmClienti>();
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
    }

    QString archive() const { return sp.file(OwnerArchiveName); }
    void writeArchive(const QByteArray &bytes) { writeBytes(archive(), bytes); }

    void type(QWidget *w, const QString &text)
    {
        w->setFocus();
        QTest::keyClicks(w, text);
    }
    void click(ClickLabel *command) { QTest::mouseClick(command, Qt::LeftButton); }
    // Moves the mouse as the window system would, so the widget under it gets the move.
    void hover(QWidget *w, QPoint at)
    {
        QTest::mouseMove(card->windowHandle(), w->mapTo(card.get(), at));
    }
    QLabel *panInfo() const { return Named<QLabel>(card.get(), "panInfo"); }
    QString focused() const { return FocusedName(); }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmClienti> card;
};

TEST_F(OwnerCard, SavedOwnerHasTheRecordLayoutOnDisk)
{
    // Every field gets a text of its own, so a field at a wrong offset or with a wrong capacity shows.
    struct Field {
        const char *name;
        int offset;
        int capacity;
    };
    const Field fields[] = {
        {"Cliente", 0, 50},       {"DataNasc", 51, 30},     {"ComuneNasc", 82, 50},   {"ProvNasc", 133, 2},
        {"Sesso", 136, 1},        {"Recapito", 138, 50},    {"IndirizzoRes", 189, 50}, {"ProvRes", 240, 2},
        {"ComuneRes", 243, 50},   {"CapRes", 294, 5},       {"Estremi", 300, 250},    {"TelCasa", 551, 30},
        {"TelUff", 582, 30},      {"TelCel", 613, 30},      {"Fax", 644, 30},         {"Email", 675, 50},
        {"CodFisc", 726, 16},     {"Carta", 743, 30},       {"ScadeCarta", 774, 30},  {"PartitaIva", 805, 11},
        {"Iban", 817, 27},        {"Documento", 845, 120},  {"Occupazione", 966, 50}, {"Civile", 1017, 50},
        {"Titoli", 1068, 120},    {"CaniOra", 1189, 250},   {"CaniPrima", 1440, 250}, {"Questioni", 1691, 250},
        {"Note", 1942, 250},      {"Ricontatta", 2193, 2},  {"File01", 2196, 250},    {"File02", 2447, 250},
        {"File03", 2698, 250},    {"Desc01", 2949, 250},    {"Desc02", 3200, 250},    {"Desc03", 3451, 250},
    };
    ASSERT_EQ(OwnerRecordLayout().fieldCount(), 36);
    ASSERT_EQ(OwnerRecordLayout().recordSize(), RecordSize);

    // Program-set text: the longest texts fill each field to its capacity and one character more.
    auto valueFor = [](const Field &f) {
        return QString(QLatin1String(f.name)).repeated(300).left(f.capacity + 1);
    };
    for (const Field &f : fields) {
        if (QLatin1String(f.name) == QLatin1String("Ricontatta"))
            continue;
        QWidget *w = card->findChild<QWidget *>(QStringLiteral("txt") + QLatin1String(f.name));
        if (!w)
            w = card->findChild<QLabel *>(QStringLiteral("lbl") + QLatin1String(f.name));
        ASSERT_NE(w, nullptr) << f.name;
        SetControlText(w, valueFor(f));
    }
    card->chkRicontatta->setChecked(true);
    click(card->cmdSalva);

    const QByteArray bytes = readBytes(archive());
    ASSERT_EQ(bytes.size(), RecordSize);
    for (const Field &f : fields) {
        SCOPED_TRACE(f.name);
        if (QLatin1String(f.name) == QLatin1String("Ricontatta")) {
            EXPECT_EQ(bytes.mid(f.offset, 3), QByteArray("\x02\x53\xEC", 3));
            continue;
        }
        EXPECT_EQ(static_cast<unsigned char>(bytes[f.offset]), f.capacity);
        EXPECT_EQ(storedText(bytes, 1, f.offset), valueFor(f).left(f.capacity));
    }
    EXPECT_EQ(card->lblPosizione->text(), "1");
    EXPECT_EQ(sp.messages(), QStringList{Inserted});
}

TEST_F(OwnerCard, TypedTextIsStoredTrimmedAndShownTrimmed)
{
    type(card->txtCliente, "   Rossi Mario   ");
    type(card->txtComuneRes, " Torino ");
    click(card->cmdSalva);

    const QByteArray bytes = readBytes(archive());
    ASSERT_EQ(bytes.size(), RecordSize);
    EXPECT_EQ(bytes.left(12), QByteArray("\x0BRossi Mario", 12));
    EXPECT_EQ(storedText(bytes, 1, 243), "Torino");
    EXPECT_EQ(bytes.mid(2193, 3), QByteArray("\x02No", 3));

    click(card->cmdNuovo);
    EXPECT_EQ(card->txtCliente->text(), "");
    click(Named<ClickLabel>(card.get(), "cmdPrimo"));
    EXPECT_EQ(card->txtCliente->text(), "Rossi Mario");
    EXPECT_EQ(card->txtComuneRes->text(), "Torino");
    EXPECT_FALSE(card->chkRicontatta->isChecked());
}

// The navigation commands at the edges of the archive.
TEST(OwnerCardNavigation, EdgesOfTheArchive)
{
    enum Command { First, Previous, Next, Last };
    struct Case {
        const char *what;
        int records;          // fixture "Proprietario 1" .. n; -1: no archive file at all
        const char *position; // lblPosizione before the command
        Command command;
        const char *expectedPosition;
        const char *expectedName; // nullptr: the name edit keeps "invariato"
        bool emptyNotice;
    };
    const Case cases[] = {
        {"first, no file", -1, "", First, "", nullptr, true},
        {"first, empty archive", 0, "", First, "", nullptr, true},
        {"first, empty archive keeps the number", 0, "3", First, "3", nullptr, true},
        {"last, empty archive", 0, "", Last, "", nullptr, true},
        {"last, empty archive keeps the number", 0, "2", Last, "2", nullptr, true},
        {"next, empty archive empties the number", 0, "", Next, "", nullptr, true},
        {"previous, empty archive, new card", 0, "", Previous, "", nullptr, true},
        {"previous with 1 on an empty archive", 0, "1", Previous, "1", nullptr, false},
        {"next from a new card, one record", 1, "", Next, "1", "Proprietario 1", false},
        {"previous from a new card, one record", 1, "", Previous, "1", "Proprietario 1", false},
        {"next on the only record", 1, "1", Next, "1", nullptr, false},
        {"previous on the only record", 1, "1", Previous, "1", nullptr, false},
        {"next in the middle", 5, "3", Next, "4", "Proprietario 4", false},
        {"previous in the middle", 5, "3", Previous, "2", "Proprietario 2", false},
        {"first", 5, "3", First, "1", "Proprietario 1", false},
        {"last", 5, "", Last, "5", "Proprietario 5", false},
        {"next on the last record", 5, "5", Next, "5", nullptr, false},
        {"previous from 2", 5, "2", Previous, "1", "Proprietario 1", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPlatform sp;
        if (c.records >= 0)
            writeBytes(sp.file(OwnerArchiveName), ownerArchive(c.records));
        TfrmClienti card;
        card.txtCliente->setText("invariato");
        card.lblPosizione->setText(c.position);
        ClickLabel *command = c.command == First      ? Named<ClickLabel>(&card, "cmdPrimo")
                              : c.command == Previous ? Named<ClickLabel>(&card, "cmdIndietro")
                              : c.command == Next     ? Named<ClickLabel>(&card, "cmdAvanti")
                                                      : Named<ClickLabel>(&card, "cmdUltimo");
        QTest::mouseClick(command, Qt::LeftButton);
        EXPECT_EQ(card.lblPosizione->text(), c.expectedPosition);
        EXPECT_EQ(card.txtCliente->text(), c.expectedName ? c.expectedName : "invariato");
        EXPECT_EQ(sp.messages(), c.emptyNotice ? QStringList{EmptyArchive} : QStringList{});
        if (c.emptyNotice) {
            EXPECT_EQ(sp.callsOf("information").size(), 1u);
        }
    }
}

TEST_F(OwnerCard, NavigationFillsEveryControlAndKeepsUnknownFlags)
{
    writeArchive(ownerRecord("Bianchi Anna", {{"ProvRes", "TO"}, {"Ricontatta", QString::fromUtf8("Sì")},
                                               {"File02", "referto.pdf"}, {"Desc03", "Analisi"}})
                 + ownerRecord("Verdi Luca", {{"Ricontatta", "??"}}));
    click(Named<ClickLabel>(card.get(), "cmdPrimo"));
    EXPECT_EQ(card->txtProvRes->currentText(), "TO");
    EXPECT_EQ(card->txtProvRes->currentIndex(), -1) << "loading sets the text only";
    EXPECT_TRUE(card->chkRicontatta->isChecked());
    EXPECT_EQ(card->lblFile[1]->text(), "referto.pdf");
    EXPECT_EQ(card->lblDesc[2]->text(), "Analisi");
    // A flag that is neither "Sì" nor "No" leaves the check box as it was.
    click(Named<ClickLabel>(card.get(), "cmdAvanti"));
    EXPECT_EQ(card->txtCliente->text(), "Verdi Luca");
    EXPECT_TRUE(card->chkRicontatta->isChecked());
    EXPECT_EQ(card->lblFile[1]->text(), "");
}

TEST_F(OwnerCard, NewThenSaveAppendsAndASecondSaveOverwrites)
{
    writeArchive(ownerArchive(2));
    click(Named<ClickLabel>(card.get(), "cmdUltimo"));
    click(card->cmdNuovo);
    EXPECT_EQ(card->lblPosizione->text(), "");
    EXPECT_EQ(card->txtCliente->text(), "");
    EXPECT_EQ(readBytes(archive()).size(), 2 * RecordSize) << "New never touches the archive";

    type(card->txtCliente, "Neri Paolo");
    click(card->cmdSalva);
    EXPECT_EQ(card->lblPosizione->text(), "3");
    type(card->txtCliente, " junior");
    click(card->cmdSalva);
    EXPECT_EQ(card->lblPosizione->text(), "3");
    EXPECT_EQ(sp.messages(), (QStringList{Inserted, Overwritten}));

    const QByteArray bytes = readBytes(archive());
    ASSERT_EQ(bytes.size(), 3 * RecordSize);
    EXPECT_EQ(storedText(bytes, 3, 0), "Neri Paolo junior");
    EXPECT_EQ(bytes.left(2 * RecordSize), ownerArchive(2));
}

TEST_F(OwnerCard, SaveRefusesALetterTheArchiveCannotHold)
{
    type(card->txtCliente, "Rossi Mario");
    ExpectUnstorableRefused(sp, card->txtComuneRes, QString::fromUtf8("Comune di residenza"), archive(),
                            [&] { click(card->cmdSalva); });
    // Corrected, the card saves as the user sees it.
    card->txtComuneRes->setText(QString::fromUtf8("Zaneta Cwik – Forlì"));
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages().last(), Inserted);
    EXPECT_EQ(readBytes(archive()).mid(243, 20), QByteArray("\x13Zaneta Cwik \x96 Forl\xEC"));
}

TEST_F(OwnerCard, DuplicateOfANewCardIsRefused)
{
    type(card->txtCliente, "Neri Paolo");
    card->lblFile[0]->setText("a.pdf");
    click(card->cmdDuplica);
    EXPECT_EQ(sp.messages(), QStringList{DuplicateNew});
    EXPECT_EQ(sp.callsOf("warning").size(), 1u);
    EXPECT_EQ(card->lblFile[0]->text(), "a.pdf");
    EXPECT_EQ(card->txtCliente->text(), "Neri Paolo");
    EXPECT_FALSE(QFile::exists(archive()));
}

TEST_F(OwnerCard, DuplicateDropsTheAttachmentsAndSaveAppendsACopy)
{
    QByteArray bytes = ownerArchive(4);
    bytes += ownerRecord("Gialli Sara", {{"TelCel", "333 1234567"}, {"File01", "contratto.pdf"},
                                          {"File03", "foto.jpg"}, {"Desc01", "Contratto"}, {"Desc02", "Lettera"}});
    bytes += ownerRecord("Proprietario 6");
    writeArchive(bytes);

    card->lblPosizione->setText("4");
    click(Named<ClickLabel>(card.get(), "cmdAvanti"));
    ASSERT_EQ(card->txtCliente->text(), "Gialli Sara");
    card->txtTelCasa->setFocus();
    click(card->cmdDuplica);
    EXPECT_EQ(sp.messages(), QStringList{Duplicated});
    EXPECT_EQ(focused(), "txtCliente");
    EXPECT_EQ(card->lblPosizione->text(), "");
    for (QLabel *l : {card->lblFile[0], card->lblFile[1], card->lblFile[2], card->lblDesc[0], card->lblDesc[1],
                      card->lblDesc[2]})
        EXPECT_EQ(l->text(), "") << l->objectName().toStdString();
    EXPECT_EQ(card->txtTelCel->text(), "333 1234567");

    click(card->cmdSalva);
    EXPECT_EQ(card->lblPosizione->text(), "7");
    const QByteArray after = readBytes(archive());
    ASSERT_EQ(after.size(), 7 * RecordSize);
    EXPECT_EQ(after.left(6 * RecordSize), bytes) << "the duplicated record is unchanged";
    EXPECT_EQ(storedText(after, 7, 0), "Gialli Sara");
    EXPECT_EQ(storedText(after, 7, 613), "333 1234567");
    EXPECT_EQ(storedText(after, 7, 2196), "");
    EXPECT_EQ(storedText(after, 7, 2949), "");
}

TEST_F(OwnerCard, NameOfBlanksOnlyIsRefused)
{
    type(card->txtCliente, "    ");
    type(card->txtNote, "nota");
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{NameMissing});
    EXPECT_EQ(sp.callsOf("warning").size(), 1u);
    EXPECT_EQ(focused(), "txtCliente");
    EXPECT_FALSE(QFile::exists(archive())) << "nothing is written, the archive is not even created";
    EXPECT_EQ(card->lblPosizione->text(), "");
}

TEST_F(OwnerCard, TypingRules)
{
    struct Case {
        const char *edit;
        const char *keys;
        const char *expected;
    };
    const Case cases[] = {
        {"txtProvRes", "rm", "RM"},
        {"txtProvRes", " rm", "RM"},
        {"txtProvRes", "xyz", "XY"},
        {"txtProvNasc", "ee", "EE"},
        {"txtSesso", "m", "M"},
        {"txtSesso", " ", " "},
        {"txtCarta", "12ab 3-4", "1234"},
        {"txtPartitaIva", "x0123456789012", "01234567890"},
        {"txtCodFisc", " rssmra80a01l219x", "RSSMRA80A01L219X"},
        {"txtIban", "it60 x", "IT60X"},  // a blank typed at the end is trimmed at once
        {"txtCapRes", " to1", " TO1"},
        {"txtEmail", " mario@posta.it ", "mario@posta.it"},
        {"txtCliente", "rossi mario", "rossi mario"},
        {"txtCliente", "12345678901234567890123456789012345678901234567890XYZ",
         "12345678901234567890123456789012345678901234567890"},
        {"txtDataNasc", "1/2/1970", "1/2/1970"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " <- '" + c.keys + "'");
        card->cmdNuovoClick();
        QWidget *w = card->findChild<QWidget *>(c.edit);
        ASSERT_NE(w, nullptr);
        type(w, c.keys);
        EXPECT_EQ(ControlText(w), c.expected);
    }
}

TEST_F(OwnerCard, DigitOnlyEditsStillTakeEditingKeys)
{
    type(card->txtCarta, "1234");
    QTest::keyClick(card->txtCarta, Qt::Key_Left);
    QTest::keyClick(card->txtCarta, Qt::Key_Backspace);
    QTest::keyClick(card->txtCarta, Qt::Key_Right);
    QTest::keyClick(card->txtCarta, Qt::Key_Delete);
    EXPECT_EQ(card->txtCarta->text(), "124");
    QTest::keyClick(card->txtCarta, Qt::Key_Home);
    QTest::keyClicks(card->txtCarta, "9");
    EXPECT_EQ(card->txtCarta->text(), "1249") << "Home is swallowed";

    // Program-set text is never filtered or cut.
    card->txtCarta->setText("carta 123");
    EXPECT_EQ(card->txtCarta->text(), "carta 123");
    card->txtCliente->setText(QString(60, 'x'));
    EXPECT_EQ(card->txtCliente->text().size(), 60);
}

TEST_F(OwnerCard, ProvinceAndEmailRulesRunAgainWhenTheFocusLeaves)
{
    // Text set by the program is put right when the user leaves the box.
    card->txtProvRes->setEditText(" mi ");
    card->txtEmail->setText("  posta@esempio.it ");
    card->txtCapRes->setText("ab");
    card->txtProvRes->setFocus();
    card->txtEmail->setFocus();
    card->txtCapRes->setFocus();
    EXPECT_EQ(card->txtProvRes->currentText(), "MI");
    EXPECT_EQ(card->txtEmail->text(), "posta@esempio.it");
    EXPECT_EQ(card->txtCapRes->text(), "ab") << "the postcode changes at key release only";
    QTest::keyClick(card->txtCapRes, Qt::Key_Left);
    EXPECT_EQ(card->txtCapRes->text(), "AB");

    // Taking the focus drops the list selection and keeps the text.
    card->txtProvNasc->setCurrentIndex(ProvinceCodes().indexOf("RM"));
    ASSERT_EQ(card->txtProvNasc->currentText(), "RM");
    card->txtProvNasc->setFocus();
    EXPECT_EQ(card->txtProvNasc->currentIndex(), -1);
    EXPECT_EQ(card->txtProvNasc->currentText(), "RM");

    // A code outside the list is stored as typed.
    card->txtCliente->setText("Rossi");
    card->txtProvRes->setEditText("");
    type(card->txtProvRes, "xy");
    click(card->cmdSalva);
    EXPECT_EQ(storedText(readBytes(archive()), 1, 240), "XY");
    EXPECT_EQ(card->txtProvNasc->count(), 112);
}

TEST_F(OwnerCard, EnterWalksTheChainAndTheLastFieldLeadsBackToTheFirst)
{
    const QStringList chain{"txtCliente",   "txtDataNasc",   "txtComuneNasc",  "txtProvNasc",  "txtSesso",
                            "txtRecapito",  "txtIndirizzoRes", "txtProvRes",   "txtComuneRes", "txtCapRes",
                            "txtEstremi",   "txtTelCasa",    "txtTelUff",      "txtTelCel",    "txtFax",
                            "txtEmail",     "txtCodFisc",    "txtCarta",       "txtScadeCarta", "txtPartitaIva",
                            "txtIban",      "txtDocumento",  "txtOccupazione", "txtCivile",    "txtTitoli",
                            "txtCaniOra",   "txtCaniPrima",  "txtQuestioni",   "txtNote",      "txtCliente"};
    card->txtCliente->setFocus();
    QStringList walked{focused()};
    for (int i = 1; i < chain.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        walked << focused();
    }
    EXPECT_EQ(walked, chain);
    // Tab goes through the check box between the pending issues and the notes.
    card->txtQuestioni->setFocus();
    QTest::keyClick(card->txtQuestioni, Qt::Key_Tab);
    EXPECT_EQ(focused(), "chkRicontatta");
    QTest::keyClick(card->chkRicontatta, Qt::Key_Tab);
    EXPECT_EQ(focused(), "txtNote");
}

TEST_F(OwnerCard, FocusedEditStandsOnItsHighlight)
{
    card->txtIban->setFocus();
    EXPECT_TRUE(Named<QWidget>(card.get(), "effIban")->isVisible());
    EXPECT_FALSE(Named<QWidget>(card.get(), "effCliente")->isVisible());
    EXPECT_EQ(Named<QWidget>(card.get(), "effIban")->geometry(), card->txtIban->geometry().adjusted(-4, -4, 4, 4));
    card->txtProvNasc->setFocus();
    EXPECT_TRUE(Named<QWidget>(card.get(), "effProvNasc")->isVisible());
    EXPECT_FALSE(Named<QWidget>(card.get(), "effIban")->isVisible());
}

TEST_F(OwnerCard, HintOnHoverIsClearedOverTheBackground)
{
    // The offscreen screen is smaller than the design area: give the window room for the whole card.
    card->setWindowState(Qt::WindowNoState);
    card->setGeometry(0, 0, 1280, 900);
    QCoreApplication::processEvents();
    hover(card->cmdSalva, QPoint(20, 20));
    EXPECT_EQ(panInfo()->text(), "Salva la scheda corrente in archivio.");
    // A point of a section that holds no control.
    hover(Named<QWidget>(card.get(), "shpSezione02"), QPoint(Named<QWidget>(card.get(), "shpSezione02")->width() - 6, 4));
    EXPECT_EQ(panInfo()->text(), "");
    hover(card->btnEmail, QPoint(5, 5));
    EXPECT_EQ(panInfo()->text(), "Invia una e-mail all'indirizzo indicato.");
    // Over an edit the hint stays.
    hover(card->txtEmail, QPoint(10, 10));
    EXPECT_EQ(panInfo()->text(), "Invia una e-mail all'indirizzo indicato.");
    hover(card->chkRicontatta, QPoint(5, 5));
    EXPECT_EQ(panInfo()->text(),
              QString::fromUtf8("Annota che il proprietario è da ricontattare per questioni in sospeso."));
    hover(Named<ClickLabel>(card.get(), "cmdUltimo"), QPoint(5, 5));
    EXPECT_EQ(panInfo()->text(), "Visualizza l'ultima scheda in archivio.");
    hover(card->lblPosizione, QPoint(5, 5));
    EXPECT_EQ(panInfo()->text(), "");
}

TEST_F(OwnerCard, TaxCodeButtonRoutesByContent)
{
    struct Case {
        const char *field;
        const char *dialog;
        const char *edit;
        const char *expected;
    };
    const Case cases[] = {
        {" 01234567890 ", "TfrmPartitaIva", "txtPartitaIva", "01234567890"},
        {"", "TfrmCodFisc", "txtCodFisc", ""},
        {"rssmra80a01l219x", "TfrmCodFisc", "txtCodFisc", "rssmra80a01l219x"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.field);
        sp.clear();
        card->txtCodFisc->setText(c.field);
        QString seen;
        sp.onModal = [&](QWidget *dialog) {
            if (auto *e = dialog->findChild<QLineEdit *>(c.edit))
                seen = e->text();
        };
        click(card->btnCodFisc);
        ASSERT_EQ(sp.callsOf("modal").size(), 1u);
        EXPECT_EQ(sp.callsOf("modal")[0].text, c.dialog);
        EXPECT_EQ(seen, c.expected);
    }
    sp.clear();
    card->txtPartitaIva->setText("12345678903");
    click(card->btnPartitaIva);
    ASSERT_EQ(sp.callsOf("modal").size(), 1u);
    EXPECT_EQ(sp.callsOf("modal")[0].text, "TfrmPartitaIva");
}

TEST_F(OwnerCard, EmailButtonHandsTheAddressToTheOpener)
{
    click(card->btnEmail);
    card->txtEmail->setText("  mario@posta.it ");
    click(card->btnEmail);
    ASSERT_EQ(sp.callsOf("document").size(), 2u);
    EXPECT_EQ(sp.callsOf("document")[0].text, "\"mailto:\"");
    EXPECT_EQ(sp.callsOf("document")[1].text, "\"mailto:mario@posta.it\"");
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(OwnerCard, HelpShowsTheCardTitleAndTenParagraphs)
{
    QString title, text;
    sp.onModal = [&](QWidget *w) {
        if (auto *g = qobject_cast<TfrmGuida *>(w)) {
            title = g->lblTitolo->text();
            text = g->txtGuida->toPlainText();
        }
    };
    click(card->cmdGuida);
    EXPECT_EQ(title, "Applicazione Anagrafica Proprietari.");
    EXPECT_EQ(text.split("\n\n", Qt::SkipEmptyParts).size(), 10) << text.toStdString();
}

TEST_F(OwnerCard, DamagedLengthBytesAreClamped)
{
    QByteArray bytes = ownerRecord("Rossi Mario", {{"CodFisc", "RSSMRA80A01L219X"}, {"Sesso", "M"}});
    bytes[0] = char(0xFF);    // Cliente: capacity 50
    bytes[726] = char(200);   // CodFisc: capacity 16
    bytes[136] = char(0xFF);  // Sesso: capacity 1
    writeArchive(bytes + ownerRecord("Verdi Luca"));
    click(Named<ClickLabel>(card.get(), "cmdPrimo"));
    EXPECT_EQ(card->lblPosizione->text(), "1");
    EXPECT_EQ(card->txtCliente->text(), "Rossi Mario") << "zero bytes after the text are trimmed";
    EXPECT_EQ(card->txtCodFisc->text(), "RSSMRA80A01L219X");
    EXPECT_EQ(card->txtSesso->text(), "M");
    click(Named<ClickLabel>(card.get(), "cmdAvanti"));
    EXPECT_EQ(card->txtCliente->text(), "Verdi Luca");
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(OwnerCard, SavingARecordPastTheEndOfAShortenedFileFails)
{
    writeArchive(ownerArchive(3));
    const QByteArray before = readBytes(archive());
    card->txtCliente->setText("Rossi Mario");
    card->lblPosizione->setText("9");
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
    EXPECT_EQ(sp.callsOf("error").size(), 1u);
    EXPECT_EQ(readBytes(archive()), before);
    EXPECT_EQ(card->lblPosizione->text(), "9");
}

TEST(OwnerCardLauncher, LauncherOpensTheCardAndClosingReturnsToAnEmptyCard)
{
    ScriptedPlatform sp;
    writeBytes(sp.file(OwnerArchiveName), ownerArchive(2));
    CreateStartupWindows();
    frmAvvio->show();
    QTest::mouseClick(frmAvvio->imgProprietari, Qt::LeftButton);
    ASSERT_TRUE(frmClienti->isVisible());
    EXPECT_FALSE(frmAvvio->isVisible());
    EXPECT_TRUE(frmClienti->windowState() & Qt::WindowMaximized);

    // Unsaved changes are dropped: the card opens empty each time it is shown.
    QTest::mouseClick(Named<ClickLabel>(frmClienti, "cmdUltimo"), Qt::LeftButton);
    frmClienti->txtNote->setText("non salvata");
    QTest::mouseClick(frmClienti->cmdEsci, Qt::LeftButton);
    EXPECT_FALSE(frmClienti->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());

    QTest::mouseClick(frmAvvio->btnProprietari, Qt::LeftButton);
    ASSERT_TRUE(frmClienti->isVisible());
    EXPECT_EQ(frmClienti->lblPosizione->text(), "");
    EXPECT_EQ(frmClienti->txtCliente->text(), "");
    EXPECT_EQ(frmClienti->txtNote->text(), "");
    EXPECT_TRUE(WaitActive(frmClienti));
    EXPECT_EQ(QApplication::focusWidget(), frmClienti->txtCliente);

    // Closing by the window frame does the same as Esci.
    frmClienti->close();
    EXPECT_FALSE(frmClienti->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_TRUE(sp.messages().isEmpty());
    DestroyStartupWindows();
}

TEST_F(OwnerCard, WindowCaptionAndStartState)
{
    EXPECT_EQ(card->windowTitle(), " Tavoren - Anagrafica Proprietari");
    EXPECT_TRUE(card->windowState() & Qt::WindowMaximized);
    TfrmClienti fresh;
    EXPECT_EQ(Named<QLabel>(&fresh, "panInfo")->text(), "Pronto per archiviare una nuova scheda...");
    EXPECT_EQ(focused(), "txtCliente");
    for (QWidget *c : card->findChildren<ClickLabel *>())
        EXPECT_EQ(c->focusPolicy(), Qt::NoFocus) << c->objectName().toStdString();
    // Stored text is shown as it is, never read as markup.
    for (QLabel *l : {card->lblFile[0], card->lblDesc[2], card->lblPosizione, Named<QLabel>(card.get(), "titCliente")})
        EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->objectName().toStdString();

    // Edits in Verdana 12 bold, the status text in Tahoma 12.
    for (QWidget *e : {static_cast<QWidget *>(card->txtCliente), static_cast<QWidget *>(card->txtNote),
                       static_cast<QWidget *>(card->txtProvRes->lineEdit())}) {
        SCOPED_TRACE(e->objectName().toStdString());
        EXPECT_EQ(e->font().family(), "Verdana");
        EXPECT_EQ(e->font().pointSize(), 12);
        EXPECT_TRUE(e->font().bold());
    }
    EXPECT_EQ(panInfo()->font().family(), "Tahoma");
    EXPECT_EQ(panInfo()->font().pointSize(), 12);
}

} // namespace

namespace {

// The launcher's design area: a maximised window on a 1024 x 768 screen under a title bar.
TEST_F(OwnerCard, EveryControlIsWithinTheDesignAreaWithoutScrolling)
{
    ExpectWithinTheDesignArea(card.get());
}

} // namespace
