#include "tests/support/QStringPrinter.h"
#include "animals/AnimalHandBack.h"
#include "animals/AnimalRecord.h"
#include "animals/TrovaCani.h"
#include "certificates/CertificateHelp.h"
#include "certificates/CertificateRecord.h"
#include "certificates/Certificato_Sanitario.h"
#include "certificates/ExpCertificati_Sanitari.h"
#include "certificates/TrovaCertificati_Sanitari.h"
#include "common/IniFile.h"
#include "common/Messages.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ReportPreview.h"
#include "dialogs/Calendario.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/NumerazioneDoc.h"
#include "dialogs/PartitaIVA.h"
#include "dialogs/ReturnToLauncher.h"
#include "owners/OwnerHandBack.h"
#include "owners/OwnerRecord.h"
#include "owners/TrovaClienti.h"
#include "tests/support/CardTexts.h"
#include "tests/support/DesignArea.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ListClicks.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/UnstorableText.h"
#include "tests/support/CardControls.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

constexpr int RecordSize = 2334;
const QString Tag = QStringLiteral("certificato_sanitario");
const QString Today = QStringLiteral("10/12/2026");  // the scripted platform's today
const QString DateMessage = QString::fromUtf8(
    "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare il certificato è necessario indicare una data "
    "valida nel formato gg/mm/anno.");

// The issuer's data and the nine required fields, as a complete certificate has them.
const std::map<QString, QString> Complete{
    {"Studio", "Studio Veterinario Aurora"}, {"IntRigo02", "Via Roma 1"}, {"IntRigo03", "20100 Milano"},
    {"IntRigo04", "Tel. 02 1234567"},        {"Num", "12"},              {"Data", "09/12/2026"},
    {"Luogo", "Milano"},                     {"Veterinario", "Dott. Bruni"}, {"Proprietario", "Rossi Mario"},
    {"CodFisc", "RSSMRA80A01F205X"},         {"NomeAni", "Fido"},        {"Razza", "Meticcio"},
};

Record certificate(const QString &number, const std::map<QString, QString> &fields = Complete)
{
    Record r(HealthCertificateLayout());
    for (const auto &[field, value] : fields)
        r.setText(field, value);
    r.setText("Num", number);
    r.setText("Segni", "certificato " + number);
    return r;
}

QByteArray archiveOf(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += certificate(QString::number(i)).bytes();
    return bytes;
}

// A health card over its own program folder, shown as the menu shows it.
class HealthCard : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterLauncher([this]() -> QWidget * { return &launcher; });
        card = std::make_unique<TfrmCertificato_Sanitario>();
    }
    void TearDown() override { RegisterLauncher([]() -> QWidget * { return nullptr; }); }

    void show()
    {
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
    }
    QLineEdit *e(const QString &field) const { return card->edit(field); }
    QString archive() const { return sp.file(HealthCertificateArchiveName); }
    QString settings() const { return sp.file(SettingsFileName); }
    void fill(const std::map<QString, QString> &fields)
    {
        for (const auto &[field, value] : fields)
            e(field)->setText(value);
    }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    QString position() const { return card->lblPosizione->text(); }

    ScriptedPlatform sp;
    QWidget launcher;
    std::unique_ptr<TfrmCertificato_Sanitario> card;
};

TEST_F(HealthCard, NewNumbersFromTheStartNumberPlusTheRecords)
{
    const struct {
        const char *start;  // nullptr: no key at all
        int records;
        const char *number;  // nullptr: the start is refused
    } cases[] = {
        {nullptr, 0, "1"},    {"", 3, "4"},          {"   ", 2, "3"},     {"100", 7, "107"},
        {" 500 ", 1, "501"},  {"2147483647", 1, "2147483648"},           {"12a", 2, nullptr},
        {"-", 0, nullptr},    {"99999999999999999999", 1, nullptr},      {"4294967297", 0, nullptr},
    };
    show();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.start ? c.start : "(missing)");
        QFile::remove(settings());
        if (c.start)
            IniWriteString(settings(), "Numerazione Certificati Sanitari", "Inizio", c.start);
        writeBytes(archive(), archiveOf(c.records) + QByteArray(100, 'x'));  // a partial record is no record
        fill(Complete);
        card->lblPosizione->setText("2");
        sp.clear();
        QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
        // Cleared in any case, the issuer's data kept.
        EXPECT_EQ(position(), "");
        EXPECT_EQ(e("Proprietario")->text(), "");
        EXPECT_EQ(e("Razza")->text(), "");
        EXPECT_EQ(e("Studio")->text(), "Studio Veterinario Aurora");
        EXPECT_EQ(e("Veterinario")->text(), "Dott. Bruni");
        if (c.number) {
            EXPECT_TRUE(sp.messages().isEmpty());
            EXPECT_EQ(e("Num")->text(), c.number);
            EXPECT_EQ(e("Data")->text(), Today);
            EXPECT_EQ(focused(), "txtProprietario");
            // Nothing is reserved: New again gives the same number.
            QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
            EXPECT_EQ(e("Num")->text(), c.number);
        } else {
            EXPECT_EQ(sp.messages(), QStringList{StartNumberMessage("Numerazione Certificati Sanitari")});
            EXPECT_EQ(sp.callsOf("error").size(), 1u);
            EXPECT_EQ(e("Num")->text(), "");
        }
    }
}

TEST_F(HealthCard, SaveAsksForTheNineFieldsInOrderThenForAnExistingDate)
{
    show();
    const struct {
        const char *field;
        const char *edit;
        const char *phrase;
    } required[] = {
        {"Studio", "txtStudio", "la denominazione dello Studio Veterinario."},
        {"Num", "txtNum", "il numero progressivo del certificato."},
        {"Data", "txtData", "la data di emissione del certificato."},
        {"Luogo", "txtLuogo", "il luogo di emissione del certificato."},
        {"Veterinario", "txtVeterinario", "il nome del medico veterinario."},
        {"Proprietario", "txtProprietario", "il nome del proprietario dell'animale."},
        {"CodFisc", "txtCodFisc", "il codice fiscale del proprietario dell'animale."},
        {"NomeAni", "txtNomeAni", "il nome dell'animale."},
        {"Razza", "txtRazza", "la razza dell'animale."},
    };
    // Each Save names the first empty field; filling it (blanks count as empty) moves on to the next.
    for (const auto &r : required) {
        SCOPED_TRACE(r.field);
        e(r.field)->setText("   ");
        sp.clear();
        QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
        EXPECT_EQ(sp.messages(), QStringList{CardRequired + QString::fromUtf8(r.phrase)});
        EXPECT_EQ(sp.callsOf("warning").size(), 1u);
        EXPECT_EQ(focused(), r.edit);
        e(r.field)->setText(Complete.at(r.field));
    }
    EXPECT_FALSE(QFile::exists(archive()));

    for (const char *bad : {"31/04/2026", "29/02/2025", "32/01/2026", "2026-12-01"}) {
        SCOPED_TRACE(bad);
        e("Data")->setText(bad);
        sp.clear();
        QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
        EXPECT_EQ(sp.messages(), QStringList{DateMessage});
        EXPECT_EQ(focused(), "txtData");
    }
    EXPECT_FALSE(QFile::exists(archive()));

    e("Data")->setText("29/02/2028");
    sp.clear();
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    EXPECT_EQ(sp.messages(), QStringList{CardInserted});
    EXPECT_EQ(position(), "1");
}

TEST_F(HealthCard, SavedCertificatesAreWholeTrimmedRecords)
{
    show();
    for (int i = 1; i <= 3; ++i) {
        QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
        fill(Complete);
        e("Num")->setText(QString::number(i));
        e("Segni")->setText("  macchia  bianca  ");
        e("IndirizzoRes")->setText(" Via Po 3 ");
        QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
        EXPECT_EQ(position(), QString::number(i));
    }
    const QByteArray bytes = readBytes(archive());
    ASSERT_EQ(bytes.size(), 7002);
    const Record second(HealthCertificateLayout(), bytes.mid(RecordSize, RecordSize));
    EXPECT_EQ(second.text("Num"), "2");
    EXPECT_EQ(second.text("Segni"), "macchia  bianca");
    EXPECT_EQ(second.text("IndirizzoRes"), "Via Po 3");
    EXPECT_EQ(bytes.mid(RecordSize + 1300, 9), QByteArray("\x08Via Po 3"));

    // A second Save overwrites the certificate on screen.
    e("Razza")->setText("Setter");
    sp.clear();
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    EXPECT_EQ(sp.messages(), QStringList{CardOverwritten});
    const QByteArray after = readBytes(archive());
    ASSERT_EQ(after.size(), 7002);
    EXPECT_EQ(Record(HealthCertificateLayout(), after.mid(2 * RecordSize)).text("Razza"), "Setter");
    EXPECT_EQ(after.left(2 * RecordSize), bytes.left(2 * RecordSize));
}

TEST_F(HealthCard, NavigationEdges)
{
    show();
    const QString none = QString();
    const std::vector<std::tuple<int, QString, QString, QString, QString>> rows{
        // records, from, arrow, to, message
        {0, "", "cmdPrimo", "", CardEmptyArchive},
        {0, "", "cmdUltimo", "", CardEmptyArchive},
        {0, "", "cmdAvanti", "", CardEmptyArchive},
        {0, "", "cmdIndietro", "", CardEmptyArchive},
        {0, "1", "cmdIndietro", "1", none},
        {3, "", "cmdPrimo", "1", none},
        {3, "", "cmdUltimo", "3", none},
        {3, "", "cmdAvanti", "1", none},
        {3, "", "cmdIndietro", "1", none},
        {3, "1", "cmdIndietro", "1", none},
        {3, "3", "cmdAvanti", "3", none},
        {3, "2", "cmdAvanti", "3", none},
        {3, "2", "cmdIndietro", "1", none},
    };
    for (const auto &[records, from, arrow, to, message] : rows) {
        SCOPED_TRACE((arrow + " from '" + from + "' over " + QString::number(records)).toStdString());
        writeBytes(archive(), archiveOf(records));
        QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
        card->lblPosizione->setText(from);
        sp.clear();
        QTest::mouseClick(card->findChild<ClickLabel *>(arrow), Qt::LeftButton);
        EXPECT_EQ(position(), to);
        EXPECT_EQ(sp.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!QString(to).isEmpty() && to != from) {
            EXPECT_EQ(e("Segni")->text(), "certificato " + to);
        }
    }
    // Loading replaces the practice header too.
    writeBytes(archive(), archiveOf(2));
    e("Studio")->setText("Altro Studio");
    QTest::mouseClick(card->findChild<ClickLabel *>("cmdPrimo"), Qt::LeftButton);
    EXPECT_EQ(e("Studio")->text(), "Studio Veterinario Aurora");
}

TEST_F(HealthCard, DuplicateKeepsEverythingButNumberAndPosition)
{
    writeBytes(archive(), archiveOf(5));
    show();
    // Refused on a blank and on a new card.
    for (bool numbered : {false, true}) {
        if (numbered)
            QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
        e("Razza")->setText("Bassotto");
        sp.clear();
        QTest::mouseClick(card->cmdDuplica, Qt::LeftButton);
        EXPECT_EQ(sp.messages(), QStringList{CardDuplicateNew});
        EXPECT_EQ(sp.callsOf("warning").size(), 1u);
        EXPECT_EQ(e("Razza")->text(), "Bassotto");
    }

    QTest::mouseClick(card->findChild<ClickLabel *>("cmdUltimo"), Qt::LeftButton);
    ASSERT_EQ(position(), "5");
    std::map<QString, QString> before;
    for (const QString &f : HealthCertificateLayout().names())
        before[f] = e(f)->text();
    sp.clear();
    QTest::mouseClick(card->cmdDuplica, Qt::LeftButton);
    EXPECT_EQ(sp.messages(), QStringList{CardDuplicated});
    EXPECT_EQ(position(), "");
    EXPECT_EQ(focused(), "txtNum");
    for (const QString &f : HealthCertificateLayout().names()) {
        const QString expected = f == "Num" ? QString() : f == "Data" ? Today : before[f];
        EXPECT_EQ(e(f)->text(), expected) << f.toStdString();
    }
    e("Num")->setText("77");
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    EXPECT_EQ(position(), "6");
    EXPECT_EQ(readBytes(archive()).size(), 6 * RecordSize);
}

TEST_F(HealthCard, HeaderKeysAreReadAtEveryShowAndWrittenAtEveryClose)
{
    const std::map<QString, QString> keys{{"Denominazione", "Studio Aurora"}, {"Rigo 2", "Via Roma 1"},
                                          {"Rigo 3", ""},                     {"Rigo 4", "P. IVA 123"},
                                          {"Luogo", "Milano"},                {"Veterinario", "Dott. Bruni"}};
    const std::map<QString, QString> editOf{{"Denominazione", "Studio"}, {"Rigo 2", "IntRigo02"},
                                            {"Rigo 3", "IntRigo03"},     {"Rigo 4", "IntRigo04"},
                                            {"Luogo", "Luogo"},          {"Veterinario", "Veterinario"}};
    for (const auto &[key, value] : keys)
        IniWriteString(settings(), PracticeHeaderSection, key, value);
    IniWriteString(settings(), PracticeHeaderSection, "Qualifica", "resta");
    show();
    for (const auto &[key, value] : keys)
        EXPECT_EQ(e(editOf.at(key))->text(), value) << key.toStdString();
    EXPECT_EQ(position(), "");
    EXPECT_EQ(e("Num")->text(), "") << "showing does not number";

    // The header on screen at the close becomes the default, trimmed; the launcher comes back.
    launcher.hide();
    e("Studio")->setText("  Nuovo Studio  ");
    e("IntRigo02")->setText("");
    e("Veterinario")->setText("Dott.ssa Neri ");
    e("Proprietario")->setText("non salvato");
    QTest::mouseClick(card->cmdEsci, Qt::LeftButton);
    EXPECT_FALSE(card->isVisible());
    EXPECT_TRUE(launcher.isVisible());
    EXPECT_TRUE(sp.messages().isEmpty());
    EXPECT_EQ(IniReadString(settings(), PracticeHeaderSection, "Denominazione"), "Nuovo Studio");
    EXPECT_EQ(IniReadString(settings(), PracticeHeaderSection, "Rigo 2"), "");
    EXPECT_EQ(IniReadString(settings(), PracticeHeaderSection, "Rigo 4"), "P. IVA 123");
    EXPECT_EQ(IniReadString(settings(), PracticeHeaderSection, "Veterinario"), "Dott.ssa Neri");
    EXPECT_EQ(IniReadString(settings(), PracticeHeaderSection, "Qualifica"), "resta");

    // Shown again: blank, with the stored header.
    show();
    EXPECT_EQ(e("Studio")->text(), "Nuovo Studio");
    EXPECT_EQ(e("Proprietario")->text(), "");
    EXPECT_EQ(focused(), "txtProprietario");
}

// The certificate and the header kept in the settings are stored as the card shows them: a letter
// the code page cannot hold refuses the Save, and keeps the card open at the close to be corrected.
TEST_F(HealthCard, SaveAndCloseRefuseALetterTheArchiveOrTheSettingsCannotHold)
{
    IniWriteString(settings(), PracticeHeaderSection, "Denominazione", "Studio Aurora");
    show();
    fill(Complete);
    ExpectUnstorableRefused(sp, e("Razza"), "Razza", archive(),
                            [&] { QTest::mouseClick(card->cmdSalva, Qt::LeftButton); });

    e("Razza")->setText("Beagle");
    launcher.hide();
    ExpectUnstorableRefused(sp, e("Studio"), "Studio Veterinario", settings(),
                            [&] { QTest::mouseClick(card->cmdEsci, Qt::LeftButton); });
    EXPECT_TRUE(card->isVisible());
    EXPECT_FALSE(launcher.isVisible());
    e("Studio")->setText(QString::fromUtf8("Studio Nicolò"));
    QTest::mouseClick(card->cmdEsci, Qt::LeftButton);
    EXPECT_FALSE(card->isVisible());
    EXPECT_EQ(IniReadString(settings(), PracticeHeaderSection, "Denominazione"), QString::fromUtf8("Studio Nicolò"));
}

TEST_F(HealthCard, CloseWithASettingsFileThatCannotBeWrittenStillReturns)
{
    show();
    launcher.hide();
    ReadOnlyFolder readOnly(sp.folder());
    if (!readOnly.ok())
        GTEST_SKIP() << "no way to make a folder read-only here";
    e("Studio")->setText("Studio Aurora");
    card->close();
    EXPECT_EQ(sp.callsOf("errorbox").size(), 1u);
    EXPECT_EQ(sp.messages(), QStringList{SettingsWriteFailureMessage()});
    EXPECT_FALSE(card->isVisible());
    EXPECT_TRUE(launcher.isVisible());
}

TEST_F(HealthCard, OwnerAndAnimalImportsWriteTheirFieldsOnly)
{
    writeBytes(archive(), archiveOf(2));
    show();
    QTest::mouseClick(card->findChild<ClickLabel *>("cmdUltimo"), Qt::LeftButton);

    Record owner(OwnerRecordLayout());
    const std::map<QString, QString> ownerFields{
        {"Cliente", " Bianchi Anna "}, {"Sesso", ""},           {"DataNasc", "01/02/1970"}, {"CodFisc", "BNCNNA70B41F205Y"},
        {"ComuneNasc", "Torino"},       {"IndirizzoRes", "Corso Francia 2"}, {"CapRes", "10100"}, {"ComuneRes", "Torino"},
        {"ProvRes", "TO"},              {"Recapito", "011 555"}, {"Email", "non@copiato.it"}};
    for (const auto &[f, v] : ownerFields)
        owner.setText(f, v);
    e("Sesso")->setText("M");
    sp.onModal = [&](QWidget *w) {
        auto *search = qobject_cast<TfrmTrovaClienti *>(w);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->parentWidget(), card.get());
        EXPECT_EQ(search->contextTag(), Tag);
        OwnerHandBack(search->contextTag(), owner, 4);
    };
    QTest::mouseClick(card->impProprietario, Qt::LeftButton);
    const std::map<QString, QString> ownerInto{
        {"Proprietario", "Bianchi Anna"}, {"Sesso", ""},          {"DataNasc", "01/02/1970"},
        {"CodFisc", "BNCNNA70B41F205Y"},   {"ComuneNasc", "Torino"}, {"IndirizzoRes", "Corso Francia 2"},
        {"CapRes", "10100"},              {"ComuneRes", "Torino"}, {"ProvRes", "TO"},
        {"Recapito", "011 555"}};
    for (const auto &[f, v] : ownerInto)
        EXPECT_EQ(e(f)->text(), v) << f.toStdString();

    Record animal(AnimalRecordLayout());
    const std::map<QString, QString> animalFields{
        {"Nome", "Luna"},      {"Sesso", "F"},       {"DataNasc", "03/03/2020"}, {"Gruppo", "Gatto"},
        {"Razza", ""},         {"Taglia", "Piccola"}, {"Pelo", "Corto"},          {"Mantello", "Tigrato"},
        {"Microchip", "380"},  {"Tatuaggio", "T1"},  {"Segni", "Coda corta"},    {"Note", "non copiata"}};
    for (const auto &[f, v] : animalFields)
        animal.setText(f, v);
    sp.onModal = [&](QWidget *w) {
        auto *search = qobject_cast<TfrmTrovaCani *>(w);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->parentWidget(), card.get());
        AnimalHandBack(Tag, animal, 9);
    };
    QTest::mouseClick(card->impNomeAni, Qt::LeftButton);
    const std::map<QString, QString> animalInto{
        {"NomeAni", "Luna"},     {"SessoAni", "F"},     {"DataNascAni", "03/03/2020"}, {"Specie", "Gatto"},
        {"Razza", ""},           {"Taglia", "Piccola"}, {"Pelo", "Corto"},             {"Mantello", "Tigrato"},
        {"Microchip", "380"},    {"Tatuaggio", "T1"},   {"Segni", "Coda corta"}};
    for (const auto &[f, v] : animalInto)
        EXPECT_EQ(e(f)->text(), v) << f.toStdString();
    // Navigation and both imports leave every value showing from its first character.
    ExpectEditsShowTheirStart(card.get());

    // Number, date, issuer and position stay: saving overwrites the certificate on screen.
    EXPECT_EQ(e("Num")->text(), "2");
    EXPECT_EQ(e("Data")->text(), "09/12/2026");
    EXPECT_EQ(e("Studio")->text(), "Studio Veterinario Aurora");
    EXPECT_EQ(position(), "2");
    e("Razza")->setText("Europeo");
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    const QByteArray bytes = readBytes(archive());
    ASSERT_EQ(bytes.size(), 2 * RecordSize);
    const Record saved(HealthCertificateLayout(), bytes.mid(RecordSize));
    EXPECT_EQ(saved.text("Proprietario"), "Bianchi Anna");
    EXPECT_EQ(saved.text("IndirizzoRes"), "Corso Francia 2");
    EXPECT_EQ(saved.text("NomeAni"), "Luna");
}

TEST_F(HealthCard, DateEditOpensThePickerButLetsTheKeyboardLeave)
{
    show();
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    QLineEdit *date = e("Data");
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool opens;
        const char *focusAfter;
        const char *textAfter;
    } cases[] = {
        {Qt::Key_A, Qt::NoModifier, true, "txtData", "10/12/2026"},
        {Qt::Key_5, Qt::NoModifier, true, "txtData", "10/12/2026"},
        {Qt::Key_Return, Qt::NoModifier, true, "txtData", "10/12/2026"},
        {Qt::Key_Space, Qt::NoModifier, true, "txtData", "10/12/2026"},
        {Qt::Key_Shift, Qt::ShiftModifier, false, "txtData", "10/12/2026"},
        {Qt::Key_Control, Qt::ControlModifier, false, "txtData", "10/12/2026"},
        {Qt::Key_Alt, Qt::AltModifier, false, "txtData", "10/12/2026"},
        {Qt::Key_Escape, Qt::NoModifier, false, "txtData", "10/12/2026"},
        {Qt::Key_Tab, Qt::NoModifier, false, "txtLuogo", "10/12/2026"},
        {Qt::Key_Backtab, Qt::ShiftModifier, false, "txtNum", "10/12/2026"},
        {Qt::Key_Backspace, Qt::NoModifier, false, "txtData", ""},
        {Qt::Key_Delete, Qt::NoModifier, false, "txtData", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QKeySequence(c.key).toString().toStdString());
        date->setText(Today);
        date->setFocus();
        sp.clear();
        sp.onModal = nullptr;
        QTest::keyClick(date, c.key, c.modifiers);
        const auto modals = sp.callsOf("modal");
        EXPECT_EQ(modals.size(), c.opens ? 1u : 0u);
        if (c.opens) {
            EXPECT_EQ(modals.front().text, "TfrmCalendario");
        }
        EXPECT_EQ(focused(), c.focusAfter);
        EXPECT_EQ(date->text(), c.textAfter);
    }

    // The picker gets the date tag; its import writes the chosen date and nothing else.
    date->setFocus();
    e("Razza")->setText("Pointer");
    sp.onModal = [&](QWidget *w) {
        auto *picker = qobject_cast<TfrmCalendario *>(w);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->parentWidget(), card.get());
        EXPECT_EQ(picker->lblMemory->text(), "certificato_sanitario_data");
        picker->calAppuntamenti->setSelectedDate(QDate(2027, 1, 5));
        QTest::mouseClick(picker->btnImportaData, Qt::LeftButton);
    };
    QTest::keyClick(date, Qt::Key_X);
    EXPECT_EQ(date->text(), "05/01/2027");
    EXPECT_EQ(e("Razza")->text(), "Pointer");
    EXPECT_TRUE(date->isReadOnly());

    // Emptied by Delete, the date is asked for by Save.
    fill(Complete);
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Delete);
    sp.clear();
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    EXPECT_EQ(sp.messages(), QStringList{CardRequired + "la data di emissione del certificato."});
}

TEST_F(HealthCard, TypingRulesAndTheEnterChain)
{
    show();
    const struct {
        const char *field;
        const char *typed;
        const char *shown;
    } cases[] = {
        {"ProvRes", "mi", "MI"},     {"ProvRes", "mil", "MI"},  {"Sesso", "m", "M"},         {"Sesso", " ", ""},
        {"SessoAni", "f", "F"},      {"CodFisc", "rs-s.m a1", "RSSMA1"},                    {"CapRes", "2012199", "20121"},
        {"Razza", " pastore ", " pastore "}, {"CodFisc", "abcdefghijklmnopqr", "ABCDEFGHIJKLMNOP"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field);
        QLineEdit *edit = e(c.field);
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, c.typed);
        EXPECT_EQ(edit->text(), c.shown);
    }

    // Enter walks the edits in record order and from the last back to the first; the date stops it.
    const QStringList names = HealthCertificateLayout().names();
    for (int i = 0; i < names.size(); ++i) {
        if (names[i] == "Data")
            continue;
        SCOPED_TRACE(names[i].toStdString());
        e(names[i])->setFocus();
        QTest::keyClick(e(names[i]), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), e(names[(i + 1) % names.size()]));
    }
    EXPECT_TRUE(sp.callsOf("modal").empty());
}

TEST_F(HealthCard, ChecksNumberingAndHelpOpenWithTheCardsTexts)
{
    show();
    const struct {
        const char *codFisc;
        const char *window;
        const char *given;
    } checks[] = {{"", "TfrmCodFisc", ""}, {" 12345678901 ", "TfrmPartitaIva", "12345678901"},
                  {"RSSMRA80A01F205X", "TfrmCodFisc", "RSSMRA80A01F205X"}};
    for (const auto &c : checks) {
        SCOPED_TRACE(c.codFisc);
        e("CodFisc")->setText(c.codFisc);
        QString given;
        sp.onModal = [&](QWidget *w) {
            if (auto *cf = qobject_cast<TfrmCodFisc *>(w))
                given = cf->txtCodFisc->text();
            if (auto *vat = qobject_cast<TfrmPartitaIva *>(w))
                given = vat->txtPartitaIva->text();
            EXPECT_EQ(w->parentWidget(), card.get());
        };
        sp.clear();
        QTest::mouseClick(card->btnCodFisc, Qt::LeftButton);
        ASSERT_EQ(sp.callsOf("modal").size(), 1u);
        EXPECT_EQ(sp.callsOf("modal").front().text, c.window);
        EXPECT_EQ(given, c.given);
    }

    sp.onModal = [&](QWidget *w) {
        auto *numbering = qobject_cast<TfrmNumerazioneDoc *>(w);
        ASSERT_NE(numbering, nullptr);
        EXPECT_EQ(numbering->lblMemory->text(), Tag);
        EXPECT_EQ(numbering->windowTitle(), " Numerazione certificati sanitari");
        numbering->txtInizio->setText("500");
        QTest::mouseClick(numbering->btnApplica, Qt::LeftButton);
    };
    e("Num")->setText("3");
    QTest::mouseClick(card->cmdNumerazione, Qt::LeftButton);
    EXPECT_EQ(e("Num")->text(), "3") << "the number on screen stays";
    writeBytes(archive(), archiveOf(2));
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    EXPECT_EQ(e("Num")->text(), "502");

    sp.onModal = [&](QWidget *w) {
        auto *help = qobject_cast<TfrmGuida *>(w);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->lblTitolo->text(), "Applicazione Certificati e Consensi.");
        for (const QString &paragraph : CertificateHelpParagraphs())
            EXPECT_TRUE(help->txtGuida->toPlainText().contains(paragraph));
    };
    QTest::mouseClick(card->cmdGuida, Qt::LeftButton);
    EXPECT_EQ(sp.callsOf("modal").back().text, "TfrmGuida");
}

TEST_F(HealthCard, HintsOfTheCommandsAndTheBackground)
{
    show();
    ShowInTheDesignArea(card.get());
    const std::vector<std::pair<const char *, const char *>> hints{
        {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
        {"cmdDuplica", "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
        {"cmdStampa", "Stampa la scheda corrente."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdNumerazione", "Imposta il numero iniziale per la numerazione delle schede."},
        {"cmdGuida", "Visualizza la guida in linea."},
        {"cmdEsci", "Esci dalla schermata di lavoro corrente."},
        {"impProprietario", "Importa i dati dall'archivio anagrafico dei proprietari."},
        {"impNomeAni", "Importa i dati dall'archivio anagrafico degli animali."},
        {"btnCodFisc", "Controlla il codice fiscale."},
    };
    QLabel *status = card->findChild<QLabel *>("panInfo");
    EXPECT_EQ(status->text(), "Pronto per archiviare una nuova scheda...");
    QWidget *background = card->findChild<QWidget *>("shpSez01");
    ASSERT_NE(background, nullptr);
    for (const auto &[name, hint] : hints) {
        SCOPED_TRACE(name);
        auto *command = card->findChild<ClickLabel *>(name);
        ASSERT_NE(command, nullptr);
        EXPECT_EQ(command->focusPolicy(), Qt::NoFocus);
        QTest::mouseMove(card->windowHandle(), command->mapTo(card.get(), QPoint(5, 5)));
        EXPECT_EQ(status->text(), QString::fromUtf8(hint));
        QTest::mouseMove(card->windowHandle(), background->mapTo(card.get(), QPoint(2, 2)));
        EXPECT_EQ(status->text(), "");
    }
}

TEST_F(HealthCard, IssuedCertificateIsFoundAgainPreviewedPrintedAndExported)
{
    show();
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    fill(Complete);
    e("Num")->setText("1");
    e("Data")->setText(Today);
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    ASSERT_EQ(e("Proprietario")->text(), "");

    // The search finds it and hands it back into the card with its number.
    sp.clear();
    sp.onModal = [&](QWidget *w) {
        auto *search = qobject_cast<TfrmTrovaCertificati_Sanitari *>(w);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->parentWidget(), card.get());
        EXPECT_EQ(search->contextTag(), Tag);
        search->criterion(6)->setText("fid");
        QTest::mouseClick(search->btnCerca, Qt::LeftButton);
        ASSERT_EQ(search->lstRecords->count(), 1);
        DoubleClickLine(search, 0);
    };
    QTest::mouseClick(card->cmdTrova, Qt::LeftButton);
    EXPECT_EQ(position(), "1");
    EXPECT_EQ(e("Proprietario")->text(), "Rossi Mario");
    EXPECT_EQ(e("Data")->text(), Today);

    // Preview shows one page of what is on screen; Print goes through the print dialog.
    sp.clear();
    int pages = -1;
    sp.onModal = [&](QWidget *w) {
        auto *preview = qobject_cast<ReportPreview *>(w);
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->parentWidget(), card.get());
        pages = preview->preview->pageCount();
    };
    QTest::mouseClick(card->cmdAnteprima, Qt::LeftButton);
    EXPECT_EQ(pages, 1);
    sp.printAnswers = {false};
    QTest::mouseClick(card->cmdStampa, Qt::LeftButton);
    EXPECT_EQ(sp.callsOf("print").size(), 1u);

    // The export window opens over the card.
    sp.onModal = [&](QWidget *w) { EXPECT_NE(qobject_cast<TfrmExpCertificati_Sanitari *>(w), nullptr); };
    QTest::mouseClick(card->cmdEsporta, Qt::LeftButton);
    EXPECT_EQ(sp.callsOf("modal").back().text, "TfrmExpCertificati_Sanitari");
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(HealthCard, EveryControlIsWithinTheDesignAreaWithoutScrolling)
{
    EXPECT_EQ(card->windowTitle(), " Tavoren - Certificato sanitario per animale da compagnia");
    EXPECT_TRUE(card->windowState() & Qt::WindowMaximized);
    show();
    ExpectWithinTheDesignArea(card.get());
    // Every field has its edit; the owner's street keeps its lower-case i.
    for (const QString &field : HealthCertificateLayout().names())
        EXPECT_NE(e(field), nullptr) << field.toStdString();
    EXPECT_NE(card->findChild<QLineEdit *>("txtindirizzoRes"), nullptr);
    EXPECT_EQ(card->findChild<QLineEdit *>("txtIndirizzoRes"), nullptr);
}

} // namespace
