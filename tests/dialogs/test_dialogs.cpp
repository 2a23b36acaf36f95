#include "tests/support/QStringPrinter.h"
#include "common/IniFile.h"
#include "common/ui/Widgets.h"
#include "owners/Clienti.h"
#include "dialogs/AllegaCartella.h"
#include "dialogs/Calendario.h"
#include "dialogs/NumerazioneDoc.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Failures print texts as texts.

namespace {

// A card as the dialogs see it: a window owning the controls that they write into.
struct FakeCard : QWidget {
    QLineEdit *txtData = new QLineEdit(this);
    std::array<QLabel *, 3> lblFile{new QLabel(this), new QLabel(this), new QLabel(this)};
    std::array<QLabel *, 3> lblDesc{new QLabel(this), new QLabel(this), new QLabel(this)};
};

// Runs `drive` on the window shown modally and reports whether it was destroyed afterwards.
struct ModalWatch {
    QPointer<QWidget> shown;
    void install(ScriptedPlatform &sp, std::function<void(QWidget *)> drive)
    {
        sp.onModal = [this, drive](QWidget *w) {
            shown = w;
            drive(w);
        };
    }
};

} // namespace

// ---------------------------------------------------------------------------------------------
// Date picker

namespace {

QPointer<QLineEdit> sanitaryDateEdit;

class DatePicker : public ::testing::Test {
protected:
    void SetUp() override
    {
        sanitaryDateEdit = card.txtData;
        RegisterDateTarget(QStringLiteral("certificato_sanitario_data"), [] { return sanitaryDateEdit.data(); });
        // A card that is registered but does not exist.
        RegisterDateTarget(QStringLiteral("certificato_malattia_data"), [] { return nullptr; });
        card.txtData->setText(QStringLiteral("15/03/2020"));
    }
    void TearDown() override { sanitaryDateEdit = nullptr; }

    ScriptedPlatform sp;
    FakeCard card;
};

} // namespace

TEST_F(DatePicker, ImportWritesTheCalendarDateIntoTheCardAndCloses)
{
    struct Case { QDate picked; QString expected; } cases[] = {
        {QDate(), "10/12/2026"},           // pressed at once: today from the platform
        {QDate(2027, 1, 5), "05/01/2027"}, // another day picked
    };
    for (const Case &c : cases) {
        ModalWatch modal;
        modal.install(sp, [&](QWidget *w) {
            auto *picker = qobject_cast<TfrmCalendario *>(w);
            ASSERT_NE(picker, nullptr);
            EXPECT_EQ(picker->parentWidget(), &card);
            EXPECT_EQ(picker->lblMemory->text(), "certificato_sanitario_data");
            EXPECT_EQ(picker->calAppuntamenti->selectedDate(), sp.todayValue);
            if (c.picked.isValid())
                picker->calAppuntamenti->setSelectedDate(c.picked);
            picker->btnImportaData->click();
            EXPECT_FALSE(picker->isVisible());
        });
        OpenDatePicker(&card, QStringLiteral("certificato_sanitario_data"));
        EXPECT_EQ(card.txtData->text(), c.expected);
        EXPECT_EQ(modal.shown, nullptr) << "the picker is destroyed after use";
    }
}

TEST_F(DatePicker, TagsAreComparedExactlyAndAMismatchWritesNothing)
{
    const QString tags[] = {
        "certificato_sanitario_data ",   // not trimmed
        " certificato_sanitario_data",
        "Certificato_sanitario_data",    // letter case counts
        "certificato_vaccinazione_data", // no card registered
        "certificato_malattia_data",     // registered, but the card does not exist
        "",
    };
    for (const QString &tag : tags) {
        TfrmCalendario picker(&card);
        picker.lblMemory->setText(tag);
        picker.show();
        picker.btnImportaData->click();
        EXPECT_EQ(card.txtData->text(), "15/03/2020") << tag.toStdString();
        EXPECT_TRUE(picker.isVisible()) << tag.toStdString();
        picker.btnAnnulla->click();
        EXPECT_FALSE(picker.isVisible());
    }
    EXPECT_EQ(card.txtData->text(), "15/03/2020");
}

// ---------------------------------------------------------------------------------------------
// Certificate numbering

namespace {

struct NumberingRow {
    QString tag, section, caption, stored;
};

const NumberingRow NumberingRows[] = {
    {"certificato_sanitario", "Numerazione Certificati Sanitari", " Numerazione certificati sanitari", "11"},
    {"certificato_vaccinazione", "Numerazione Certificati Vaccinazione", " Numerazione certificati vaccinazione", "12"},
    {"certificato_movimento", "Numerazione Certificati Movimento", " Numerazione certificati movimento", "13"},
    {"certificato_malattia", "Numerazione Certificati Malattia", " Numerazione certificati malattia", "14"},
    {"certificato_decesso", "Numerazione Certificati Decesso", " Numerazione certificati decesso", "15"},
    {"autorizzazione_eutanasia", "Numerazione Autorizzazioni Eutanasia", " Numerazione autorizzazioni eutanasia", "16"},
    {"consenso_intervento", "Numerazione Consensi Interventi", " Numerazione consensi interventi", "17"},
};

// A settings file with every numbering section and lines of other windows around them.
QByteArray NumberingSettings()
{
    QByteArray bytes = "; impostazioni\r\n[Modulo Privacy]\r\nInizio=99\r\nTitolare=Studio\r\n";
    for (const NumberingRow &row : NumberingRows)
        bytes += "[" + row.section.toLatin1() + "]\r\nInizio=" + row.stored.toLatin1() + "\r\n";
    return bytes + "[Altro]\r\nChiave=valore\r\n";
}

class Numbering : public ::testing::Test {
protected:
    QString ini() const { return sp.file(QStringLiteral("Tavoren.ini")); }
    // A dialog as a card leaves it before showing it.
    std::unique_ptr<TfrmNumerazioneDoc> shown(const QString &tag)
    {
        auto dialog = std::make_unique<TfrmNumerazioneDoc>(&card);
        dialog->lblMemory->setText(tag);
        dialog->show();
        EXPECT_TRUE(WaitActive(dialog.get()));
        return dialog;
    }

    ScriptedPlatform sp;
    FakeCard card;
};

} // namespace

TEST_F(Numbering, EachTagReadsAndWritesItsOwnSection)
{
    for (const NumberingRow &row : NumberingRows) {
        writeBytes(ini(), NumberingSettings());
        ModalWatch modal;
        modal.install(sp, [&](QWidget *w) {
            auto *dialog = qobject_cast<TfrmNumerazioneDoc *>(w);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->parentWidget(), &card);
            EXPECT_EQ(dialog->windowTitle(), row.caption);
            EXPECT_EQ(dialog->txtInizio->text(), row.stored);
            ASSERT_TRUE(WaitActive(dialog));
            EXPECT_EQ(QApplication::focusWidget(), dialog->txtInizio);
            EXPECT_TRUE(dialog->effInizio->isVisible());
            dialog->txtInizio->setText(QStringLiteral(" 250 "));
            dialog->btnApplica->click();
            EXPECT_FALSE(dialog->isVisible());
        });
        // The tag is trimmed before it is looked up.
        OpenNumberingDialog(&card, QStringLiteral("  ") + row.tag + QStringLiteral(" "));
        EXPECT_EQ(modal.shown, nullptr);
        QByteArray expected = NumberingSettings();
        expected.replace("Inizio=" + row.stored.toLatin1(), "Inizio=250");
        EXPECT_EQ(readBytes(ini()), expected) << row.tag.toStdString();
    }
}

TEST_F(Numbering, MissingOrEmptyNumberShowsOneAndUnknownTagWritesNothing)
{
    struct Case { QByteArray settings; QString tag; } cases[] = {
        {QByteArray(), "certificato_decesso"},                                    // no file
        {"[Altro]\r\nInizio=5\r\n", "certificato_decesso"},                       // no section
        {"[Numerazione Certificati Decesso]\r\nInizio=\r\n", "certificato_decesso"}, // empty key
        {"[Numerazione Certificati Decesso]\r\nInizio=   \r\n", "certificato_decesso"},
        {"[Numerazione Certificati Decesso]\r\nInizio=8\r\n", "fatture"},         // tag of no certificate
    };
    for (const Case &c : cases) {
        QFile::remove(ini());
        if (!c.settings.isNull())
            writeBytes(ini(), c.settings);
        auto dialog = shown(c.tag);
        EXPECT_EQ(dialog->txtInizio->text(), "1") << c.settings.toStdString();
        if (c.tag == "fatture") {
            dialog->btnApplica->click();
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_EQ(readBytes(ini()), c.settings);
        }
    }
}

TEST_F(Numbering, LeavingTheEditMakesAWholeNumber)
{
    struct Case { QString text, expected; } cases[] = {
        {"00", "0"}, {"007", "7"}, {"", "1"}, {"   ", "1"}, {"99999", "99999"},
        // Texts put in by the program are not filtered, so they can hold anything.
        {"2,5", "3"}, {"2,4", "2"}, {" 12 ", "12"}, {"abc", "1"}, {"1.5", "1"},
    };
    auto dialog = shown(QStringLiteral("certificato_malattia"));
    for (const Case &c : cases) {
        dialog->txtInizio->setFocus();
        ASSERT_TRUE(dialog->txtInizio->hasFocus());
        dialog->txtInizio->setText(c.text);
        dialog->btnAnnulla->setFocus();
        EXPECT_EQ(dialog->txtInizio->text(), c.expected) << c.text.toStdString();
        EXPECT_FALSE(dialog->effInizio->isVisible());
    }
}

TEST_F(Numbering, TypedNumberIsNormalisedBeforeApplyWritesIt)
{
    writeBytes(ini(), NumberingSettings());
    auto dialog = shown(QStringLiteral("certificato_malattia"));
    dialog->txtInizio->selectAll();
    QTest::keyClicks(dialog->txtInizio, "007");
    QTest::mouseClick(dialog->btnApplica, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(IniReadString(ini(), "Numerazione Certificati Malattia", "Inizio"), "7");
}

TEST_F(Numbering, TypingTakesFiveDigitsAndEnterOnlyMovesToApply)
{
    writeBytes(ini(), NumberingSettings());
    auto dialog = shown(QStringLiteral("certificato_sanitario"));
    dialog->txtInizio->clear();
    QTest::keyClicks(dialog->txtInizio, "1a2 b-3,4567");
    EXPECT_EQ(dialog->txtInizio->text(), "12345");
    QTest::keyClick(dialog->txtInizio, Qt::Key_Backspace);
    EXPECT_EQ(dialog->txtInizio->text(), "1234");

    QTest::keyClick(dialog->txtInizio, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), dialog->btnApplica);
    EXPECT_TRUE(dialog->isVisible()) << "Enter in the edit presses no button";
    EXPECT_EQ(IniReadString(ini(), "Numerazione Certificati Sanitari", "Inizio"), "11");
    // Enter on the focused button presses it.
    QTest::keyClick(dialog->btnApplica, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(IniReadString(ini(), "Numerazione Certificati Sanitari", "Inizio"), "1234");
}

TEST_F(Numbering, CancelWritesNothing)
{
    writeBytes(ini(), NumberingSettings());
    auto dialog = shown(QStringLiteral("certificato_sanitario"));
    dialog->txtInizio->setText(QStringLiteral("300"));
    QTest::mouseClick(dialog->btnAnnulla, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(readBytes(ini()), NumberingSettings());
}

TEST_F(Numbering, FailedWriteReachesTheErrorBoxAndTheDialogStays)
{
    writeBytes(ini(), NumberingSettings());
    auto dialog = shown(QStringLiteral("certificato_movimento"));
    dialog->txtInizio->setText(QStringLiteral("40"));
    ReadOnlyFolder readOnly(sp.folder());
    if (!readOnly.ok())
        GTEST_SKIP() << "no read-only folder here";
    sp.clear();
    dialog->btnApplica->click();
    const auto boxes = sp.callsOf("errorbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes[0].text.isEmpty());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(readBytes(ini()), NumberingSettings());
}

// ---------------------------------------------------------------------------------------------
// Attach files

TEST(AttachmentName, KeepsTheFileNamePartInTheCodePage)
{
    struct Case { QString text, expected; } cases[] = {
        {"referto.pdf", "referto.pdf"},
        {"  referto.pdf  ", "referto.pdf"},
        {"/home/studio/referto.pdf", "referto.pdf"},
        {"../x", "x"},
        {"C:\\a\\b.pdf", "b.pdf"},
        {"..", ""},
        {"cartella/", ""},
        {QStringLiteral("fattura€ 2024.pdf"), QStringLiteral("fattura€ 2024.pdf")},
        {QStringLiteral("Ωmega βeta.pdf"), "_mega _eta.pdf"},
        {QStringLiteral("cane 🐕.jpg"), "cane _.jpg"},  // one character, two halves: one "_"
        {QString(260, u'a'), QString(250, u'a')},
        {QString(249, u'a') + QStringLiteral(" b"), QString(249, u'a')},  // no blank left at the cut
    };
    for (const Case &c : cases)
        EXPECT_EQ(AttachmentFileName(c.text), c.expected) << c.text.toStdString();
}

namespace {

class AttachFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<TfrmAllegaCartella>();
        dialog->show();
    }

    QString folder() const { return sp.folder() + QStringLiteral("Documenti_Allegati/"); }
    // A file outside the program folder, as the user picks it.
    QString source(const QString &name, const QByteArray &bytes)
    {
        const QString path = elsewhere.path() + u'/' + name;
        writeBytes(path, bytes);
        return path;
    }
    QStringList folderEntries() const { return QDir(folder()).entryList(QDir::Files | QDir::Hidden); }

    ScriptedPlatform sp;
    QTemporaryDir elsewhere;
    std::unique_ptr<TfrmAllegaCartella> dialog;
};

} // namespace

TEST_F(AttachFiles, BrowseCopiesTheFileAndPutsItsBareNameInTheSlot)
{
    struct Slot { QPushButton *browse; QLineEdit *file; QPushButton *open; } slots_[] = {
        {dialog->btnSfoglia01, dialog->txtFile01, dialog->btnApri01},
        {dialog->btnSfoglia02, dialog->txtFile02, dialog->btnApri02},
        {dialog->btnSfoglia03, dialog->txtFile03, dialog->btnApri03},
    };
    int n = 0;
    for (const Slot &s : slots_) {
        ++n;
        const QString name = QStringLiteral("referto %1.pdf").arg(n);
        const QByteArray bytes = QByteArray("%PDF-") + QByteArray(5000 * n, char('0' + n));
        EXPECT_FALSE(s.open->isEnabled());
        sp.clear();
        sp.fileNames = {source(name, bytes)};
        s.browse->click();
        ASSERT_EQ(sp.callsOf("open").size(), 1u);
        EXPECT_EQ(sp.callsOf("open")[0].text, "Selezionare il file da allegare:");
        EXPECT_EQ(sp.fileFilters, QStringList{"Tutti i file (*.*)"});
        EXPECT_EQ(s.file->text(), name);
        EXPECT_TRUE(s.open->isEnabled());
        EXPECT_EQ(readBytes(folder() + name), bytes);
        EXPECT_TRUE(sp.messages().isEmpty());
    }
    EXPECT_EQ(folderEntries(), QStringList({"referto 1.pdf", "referto 2.pdf", "referto 3.pdf"}));
}

TEST_F(AttachFiles, AnExistingNameIsReplacedOnlyAfterYes)
{
    const QString question = QStringLiteral(
        "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
        "Si vuole sovrascrivere il file esistente?");
    struct Case { bool answer; QByteArray expected; } cases[] = {{false, "vecchio"}, {true, "nuovo"}};
    for (const Case &c : cases) {
        QDir().mkpath(folder());
        writeBytes(folder() + "esame.pdf", "vecchio");
        dialog->txtFile02->setText(QStringLiteral("altro.pdf"));
        sp.clear();
        sp.yesNoAnswers = {c.answer};
        sp.fileNames = {source("esame.pdf", "nuovo")};
        dialog->btnSfoglia02->click();
        EXPECT_EQ(sp.messages(), QStringList{question});
        EXPECT_EQ(dialog->txtFile02->text(), "esame.pdf");
        EXPECT_EQ(readBytes(folder() + "esame.pdf"), c.expected);
        EXPECT_EQ(folderEntries(), QStringList{"esame.pdf"});
    }
}

TEST_F(AttachFiles, CancelledChoiceLeavesSlotAndFolder)
{
    dialog->txtFile01->setText(QStringLiteral("vecchio.pdf"));
    sp.fileNames.clear();
    dialog->btnSfoglia01->click();
    EXPECT_EQ(dialog->txtFile01->text(), "vecchio.pdf");
    EXPECT_FALSE(QFileInfo::exists(folder()));
}

TEST_F(AttachFiles, AFileChosenInTheFolderItselfIsKept)
{
    QDir().mkpath(folder());
    writeBytes(folder() + "radiografia.jpg", "immagine");
    sp.fileNames = {folder() + "radiografia.jpg"};
    dialog->btnSfoglia03->click();
    EXPECT_EQ(dialog->txtFile03->text(), "radiografia.jpg");
    EXPECT_EQ(readBytes(folder() + "radiografia.jpg"), "immagine");
    EXPECT_TRUE(sp.messages().isEmpty()) << "nothing to replace, nothing asked";
    EXPECT_EQ(folderEntries(), QStringList{"radiografia.jpg"});
}

TEST_F(AttachFiles, ANameOutsideTheCodePageIsStoredAndCopiedWithUnderscores)
{
    sp.fileNames = {source(QStringLiteral("analisi Ω €.pdf"), "dati")};
    dialog->btnSfoglia01->click();
    const QString stored = QStringLiteral("analisi _ €.pdf");
    EXPECT_EQ(dialog->txtFile01->text(), stored);
    EXPECT_EQ(folderEntries(), QStringList{stored});
    EXPECT_EQ(readBytes(folder() + stored), "dati");
}

TEST_F(AttachFiles, AFailedCopyPutsThePreviousNameBackAndKeepsTheEarlierFile)
{
    QDir().mkpath(folder());
    writeBytes(folder() + "ecografia.mp4", "versione precedente");
    const QString chosen = source("ecografia.mp4", QByteArray(256 * 1024, 'x'));
    dialog->txtFile02->setText(QStringLiteral("precedente.pdf"));
    sp.fileNames = {chosen};
    {
        FileSizeLimit limit(64 * 1024);
        dialog->btnSfoglia02->click();
    }
    EXPECT_EQ(dialog->txtFile02->text(), "precedente.pdf");
    EXPECT_EQ(readBytes(folder() + "ecografia.mp4"), "versione precedente");
    EXPECT_EQ(folderEntries(), QStringList{"ecografia.mp4"}) << "no temporary file is left behind";
    EXPECT_EQ(sp.callsOf("question").size(), 1u);
    EXPECT_EQ(sp.messages().size(), 1) << "the failure itself is silent";
}

TEST_F(AttachFiles, AFolderThatRefusesTheCopyPutsThePreviousNameBack)
{
    struct Case { bool folderExists; } cases[] = {{true}, {false}};
    for (const Case &c : cases) {
        QDir(folder()).removeRecursively();
        if (c.folderExists)
            QDir().mkpath(folder());
        ReadOnlyFolder readOnly(c.folderExists ? folder() : sp.folder());
        if (!readOnly.ok())
            GTEST_SKIP() << "no read-only folder here";
        dialog->txtFile01->clear();
        sp.clear();
        sp.fileNames = {source("vaccini.pdf", "dati")};
        dialog->btnSfoglia01->click();
        EXPECT_EQ(dialog->txtFile01->text(), "");
        EXPECT_FALSE(dialog->btnApri01->isEnabled());
        EXPECT_FALSE(QFileInfo::exists(folder() + "vaccini.pdf"));
        EXPECT_TRUE(sp.messages().isEmpty());
    }
}

TEST_F(AttachFiles, OpenPassesTheQuotedPathOfTheBareName)
{
    struct Case { QString slot, opened; } cases[] = {
        {"referto.pdf", "referto.pdf"},
        {"  referto.pdf  ", "referto.pdf"},
        {"../x", "x"},
        {"C:\\a\\b.pdf", "b.pdf"},
    };
    for (const Case &c : cases) {
        dialog->txtFile03->setText(c.slot);
        ASSERT_TRUE(dialog->btnApri03->isEnabled());
        sp.clear();
        dialog->btnApri03->click();
        const auto opened = sp.callsOf("document");
        ASSERT_EQ(opened.size(), 1u) << c.slot.toStdString();
        EXPECT_EQ(opened[0].text, u'"' + folder() + c.opened + u'"');
    }
}

TEST_F(AttachFiles, OpenIsEnabledByTheNameAndTheEraserClearsOnlyTheName)
{
    QDir().mkpath(folder());
    writeBytes(folder() + "cartella clinica.pdf", "dati");
    dialog->txtFile01->setText(QStringLiteral("   "));
    EXPECT_FALSE(dialog->btnApri01->isEnabled());
    dialog->txtFile01->setText(QStringLiteral("cartella clinica.pdf"));
    dialog->txtDesc01->setText(QStringLiteral("Prima visita"));
    EXPECT_TRUE(dialog->btnApri01->isEnabled());

    QTest::mouseClick(dialog->imgCancella01, Qt::LeftButton);
    EXPECT_EQ(dialog->txtFile01->text(), "");
    EXPECT_FALSE(dialog->btnApri01->isEnabled());
    EXPECT_EQ(dialog->txtDesc01->text(), "Prima visita");
    EXPECT_EQ(readBytes(folder() + "cartella clinica.pdf"), "dati");
}

namespace {

// The owner card's attachment labels and, for the registry, another card's.
class AttachHandBack : public AttachFiles {
protected:
    void SetUp() override
    {
        AttachFiles::SetUp();
        frmClienti = new TfrmClienti();
        otherCard = &servizi;
        RegisterAttachmentTarget(QStringLiteral("servizi"), [] { return AttachmentLabelsOf(otherCard.data()); });
    }
    void TearDown() override
    {
        delete frmClienti;
        frmClienti = nullptr;
        otherCard = nullptr;
    }
    void fillDialog()
    {
        dialog->txtFile01->setText(QStringLiteral(" uno.pdf "));
        dialog->txtFile02->setText(QString());
        dialog->txtFile03->setText(QStringLiteral("tre.jpg\t"));
        dialog->txtDesc01->setText(QStringLiteral("  Referto  "));
        dialog->txtDesc02->setText(QStringLiteral("Senza file "));
        dialog->txtDesc03->setText(QStringLiteral(" Foto"));
    }
    static QStringList texts(const AttachmentLabels &l)
    {
        QStringList out;
        for (int i = 0; i < 3; ++i)
            out << l.files[i]->text() << l.descriptions[i]->text();
        return out;
    }

    static inline QPointer<FakeCard> otherCard;
    FakeCard servizi;
};

const QStringList Untouched = {"", "", "", "", "", ""};
const QStringList HandedBack = {"uno.pdf", "Referto", "", "Senza file", "tre.jpg", "Foto"};

} // namespace

TEST_F(AttachHandBack, ApplyWritesTheTrimmedTextsIntoTheTaggedCard)
{
    struct Case { QString tag; bool apply; QStringList owner, other; bool staysOpen; } cases[] = {
        {"clienti", true, HandedBack, Untouched, false},
        {"  clienti ", true, HandedBack, Untouched, false},  // the tag is trimmed
        {"servizi", true, Untouched, HandedBack, false},
        {"cani", true, Untouched, Untouched, true},          // no such card yet
        {"Clienti", true, Untouched, Untouched, true},
        {"clienti", false, Untouched, Untouched, false},     // Annulla
    };
    for (const Case &c : cases) {
        for (QLabel *l : {frmClienti->lblFile[0], frmClienti->lblFile[1], frmClienti->lblFile[2],
                          frmClienti->lblDesc[0], frmClienti->lblDesc[1], frmClienti->lblDesc[2]})
            l->clear();
        for (QLabel *l : servizi.findChildren<QLabel *>())
            l->clear();
        dialog->show();
        dialog->lblMemory->setText(c.tag);
        fillDialog();
        (c.apply ? dialog->btnApplica : dialog->btnAnnulla)->click();
        EXPECT_EQ(texts(AttachmentLabelsOf(frmClienti.get())), c.owner) << c.tag.toStdString();
        EXPECT_EQ(texts(AttachmentLabelsOf(&servizi)), c.other) << c.tag.toStdString();
        EXPECT_EQ(dialog->isVisible(), c.staysOpen) << c.tag.toStdString();
    }
}

TEST_F(AttachHandBack, OwnerCardAttachCommandOpensTheDialogWithItsAttachments)
{
    frmClienti->show();  // showing the card empties it: the attachments come afterwards
    ASSERT_TRUE(WaitActive(frmClienti));
    frmClienti->lblFile[0]->setText(QStringLiteral("  esistente.pdf "));
    frmClienti->lblDesc[0]->setText(QStringLiteral(" Documento "));
    frmClienti->lblFile[2]->setText(QStringLiteral("   "));
    const QByteArray bytes = "nuovo allegato";
    sp.fileNames = {source("nuovo.pdf", bytes)};
    ModalWatch modal;
    modal.install(sp, [&](QWidget *w) {
        auto *d = qobject_cast<TfrmAllegaCartella *>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->parentWidget(), frmClienti);
        EXPECT_EQ(d->lblMemory->text(), "clienti");
        EXPECT_EQ(d->txtFile01->text(), "esistente.pdf");
        EXPECT_EQ(d->txtDesc01->text(), "Documento");
        EXPECT_EQ(d->txtFile03->text(), "");
        EXPECT_TRUE(d->btnApri01->isEnabled());
        EXPECT_FALSE(d->btnApri02->isEnabled());
        EXPECT_FALSE(d->btnApri03->isEnabled());
        d->btnSfoglia02->click();
        d->txtDesc02->setText(QStringLiteral("Nuovo "));
        d->btnApplica->click();
        EXPECT_FALSE(d->isVisible());
    });
    QTest::mouseClick(frmClienti->cmdFile, Qt::LeftButton);
    ASSERT_EQ(sp.callsOf("modal").size(), 1u);
    EXPECT_EQ(modal.shown, nullptr) << "the dialog is destroyed after use";
    EXPECT_EQ(texts(AttachmentLabelsOf(frmClienti.get())),
              QStringList({"esistente.pdf", "Documento", "nuovo.pdf", "Nuovo", "", ""}));
    EXPECT_EQ(readBytes(folder() + "nuovo.pdf"), bytes);
}
