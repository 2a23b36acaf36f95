// The euthanasia authorisation: the disposal text preset by every clearing, the "autorizzazione"
// wording of its messages, and its printout signed by the owner.
#include "tests/support/QStringPrinter.h"
#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/CertificateSearch.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"
#include "dialogs/ReturnToLauncher.h"
#include "tests/support/CardTexts.h"
#include "tests/support/DesignArea.h"
#include "tests/support/FileBytes.h"
#include "tests/support/PrintedTexts.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

constexpr int RecordSize = 2585;
const QString ScriptedToday = QStringLiteral("10/12/2026");  // the scripted platform's today
const QString Default =
    QString::fromUtf8("Il corpo dell'animale sarà consegnato a un centro di cremazione per essere incenerito.");

const std::map<QString, QString> Complete{
    {"Studio", "Studio Veterinario Aurora"}, {"Num", "12"},            {"Data", "09/12/2026"},
    {"Luogo", "Milano"},                     {"Veterinario", "Bruni"}, {"Proprietario", "Rossi Mario"},
    {"CodFisc", "RSSMRA80A01F205X"},         {"NomeAni", "Fido"},      {"Razza", "Meticcio"},
};

Record authorization(const QString &disposal)
{
    Record r(EuthanasiaAuthorizationLayout());
    for (const auto &[field, value] : Complete)
        r.setText(field, value);
    r.setText("Smaltimento", disposal);
    return r;
}

class EuthanasiaCard : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterLauncher([this]() -> QWidget * { return &launcher; });
        card = std::make_unique<TfrmAutorizzazione_Eutanasia>();
        show();
    }
    void TearDown() override { RegisterLauncher([]() -> QWidget * { return nullptr; }); }

    void show()
    {
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
    }
    QLineEdit *e(const QString &field) const { return card->edit(field); }
    QLineEdit *disposal() const { return e("Smaltimento"); }
    QString archive() const { return sp.file(EuthanasiaAuthorizationArchiveName); }
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    void fill()
    {
        for (const auto &[field, value] : Complete)
            e(field)->setText(value);
    }
    void save()
    {
        sp.clear();
        QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    }
    void first() { QTest::mouseClick(card->findChild<ClickLabel *>("cmdPrimo"), Qt::LeftButton); }

    ScriptedPlatform sp;
    QWidget launcher;
    std::unique_ptr<TfrmAutorizzazione_Eutanasia> card;
};

} // namespace

TEST(EuthanasiaRecord, TheDisposalTextFollowsTheBase)
{
    const RecordLayout &layout = EuthanasiaAuthorizationLayout();
    EXPECT_EQ(layout.recordSize(), RecordSize);
    const int i = layout.indexOf("Smaltimento");
    EXPECT_EQ(i, 29);
    EXPECT_EQ(layout.offset(i), 2334);
    EXPECT_EQ(layout.capacity(i), 250);
    const CertificateType &type = EuthanasiaAuthorizationType();
    EXPECT_EQ(type.archiveName, "Autorizzazioni_Eutanasia.pro");
    EXPECT_EQ(type.dateTag(), "autorizzazione_eutanasia_data");
    EXPECT_EQ(type.numberingSection, "Numerazione Autorizzazioni Eutanasia");
}

TEST_F(EuthanasiaCard, EveryClearingPresetsTheDisposalTextAndNavigationShowsTheRecordsOwn)
{
    EXPECT_EQ(card->windowTitle(), " Tavoren - Autorizzazione all'eutanasia");
    EXPECT_EQ(disposal()->text(), Default) << "shown";
    bool numberCaption = false;
    for (const QLabel *l : card->findChildren<QLabel *>())
        numberCaption = numberCaption || l->text() == "Autorizzazione n.";
    EXPECT_TRUE(numberCaption);

    // New on an empty archive: number 1, today, the default; the issuer stays.
    fill();
    disposal()->setText("altro");
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    EXPECT_EQ(e("Num")->text(), "1");
    EXPECT_EQ(e("Data")->text(), ScriptedToday);
    EXPECT_EQ(e("Proprietario")->text(), "");
    EXPECT_EQ(e("Studio")->text(), Complete.at("Studio"));
    EXPECT_EQ(e("Veterinario")->text(), Complete.at("Veterinario"));
    EXPECT_EQ(disposal()->text(), Default);
    EXPECT_EQ(focused(), "txtProprietario");

    // A stored text is shown trimmed; an empty one stays empty, the default is not put back.
    writeBytes(archive(), ArchiveBytes({authorization("  sepoltura nel giardino  "), authorization("")}));
    first();
    EXPECT_EQ(disposal()->text(), "sepoltura nel giardino");
    QTest::mouseClick(card->findChild<ClickLabel *>("cmdAvanti"), Qt::LeftButton);
    EXPECT_EQ(card->lblPosizione->text(), "2");
    EXPECT_EQ(disposal()->text(), "");
    CertificateHandBack(EuthanasiaAuthorizationType(), "autorizzazione_eutanasia", authorization(" restituita "), 1);
    EXPECT_EQ(disposal()->text(), "restituita");
    EXPECT_EQ(card->lblPosizione->text(), "1");

    // Duplicate keeps a changed text.
    disposal()->setText("cambiato");
    QTest::mouseClick(card->cmdDuplica, Qt::LeftButton);
    EXPECT_EQ(e("Num")->text(), "");
    EXPECT_EQ(e("Data")->text(), ScriptedToday);
    EXPECT_EQ(card->lblPosizione->text(), "");
    EXPECT_EQ(disposal()->text(), "cambiato");

    // Leaving the card half written and coming back shows the default again.
    disposal()->setText("non salvato");
    e("Proprietario")->setText("non salvato");
    QTest::mouseClick(card->cmdEsci, Qt::LeftButton);
    EXPECT_FALSE(card->isVisible());
    show();
    EXPECT_EQ(disposal()->text(), Default);
    EXPECT_EQ(e("Proprietario")->text(), "");
}

TEST_F(EuthanasiaCard, SaveNamesTheAuthorizationAndNeverRequiresTheDisposalText)
{
    fill();
    const struct {
        const char *field;
        const char *phrase;
    } named[] = {
        {"Num", "il numero progressivo dell'autorizzazione."},
        {"Data", "la data di emissione dell'autorizzazione."},
        {"Luogo", "il luogo di emissione dell'autorizzazione."},
        {"Proprietario", "il nome del proprietario dell'animale."},
    };
    for (const auto &r : named) {
        SCOPED_TRACE(r.field);
        e(r.field)->clear();
        save();
        EXPECT_EQ(sp.messages(), QStringList{CardRequired + QString::fromUtf8(r.phrase)});
        EXPECT_EQ(focused(), "txt" + QString::fromLatin1(r.field));
        e(r.field)->setText(Complete.at(r.field));
    }
    // Emptied with Backspace the date is missing, not wrong.
    e("Data")->setFocus();
    QTest::keyClick(e("Data"), Qt::Key_Backspace);
    save();
    EXPECT_EQ(sp.messages(), QStringList{CardRequired + "la data di emissione dell'autorizzazione."});
    e("Data")->setText("31/04/2026");
    save();
    EXPECT_EQ(sp.messages(),
              QStringList{QString::fromUtf8("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare "
                                            "l'autorizzazione è necessario indicare una data valida nel formato "
                                            "gg/mm/anno.")});
    EXPECT_FALSE(QFile::exists(archive()));

    // Saved trimmed; an empty text is saved empty, and shows empty again.
    e("Data")->setText(Complete.at("Data"));
    for (const char *typed : {"  ceneri al proprietario  ", ""}) {
        SCOPED_TRACE(typed);
        QFile::remove(archive());
        card->lblPosizione->clear();
        disposal()->setText(typed);
        save();
        EXPECT_EQ(sp.messages(), QStringList{CardInserted});
        const QByteArray bytes = readBytes(archive());
        ASSERT_EQ(bytes.size(), RecordSize);
        EXPECT_EQ(Record(EuthanasiaAuthorizationLayout(), bytes).text("Smaltimento"), QString(typed).trimmed());
        disposal()->setText("altro");
        first();
        EXPECT_EQ(disposal()->text(), QString(typed).trimmed());
    }
}

TEST_F(EuthanasiaCard, EnterRunsFromTheMarksThroughTheDisposalTextBackToTheStudio)
{
    const struct {
        const char *from;
        const char *to;
    } steps[] = {{"Segni", "Smaltimento"}, {"Smaltimento", "Studio"}};
    for (const auto &s : steps) {
        e(s.from)->setFocus();
        QTest::keyClick(e(s.from), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), e(s.to)) << s.from;
    }
    // The typed case is kept and the 251st character does not go in.
    disposal()->clear();
    disposal()->setFocus();
    QTest::keyClicks(disposal(), QString(250, 'a') + "B");
    EXPECT_EQ(disposal()->text(), QString(250, 'a'));
    ExpectWithinTheDesignArea(card.get());
}

TEST_F(EuthanasiaCard, ThePrintoutPutsTheOwnerFirstAndTheOwnersNameUnderTheSignature)
{
    fill();
    e("Veterinario")->setText(" Bruni ");
    e("ComuneRes")->setText("Pavia");
    e("ProvRes")->setText("PV");
    disposal()->setText(" sepoltura ");
    const PreparedReport report = PrepareCertificate(card.get(), EuthanasiaAuthorizationType());
    EXPECT_EQ(report.name, "Autorizzazione Eutanasia");
    ExpectPrintedTexts(report, {
        {"txtNum", "Autorizzazione n. 12", {12.0, 33.0, 108.0, 4.2}},
        {"txtData", "Milano, 09/12/2026", {122.8, 33.0, 75.0, 4.2}},
        {"Memo1", "AUTORIZZAZIONE ALL'EUTANASIA", {11.7, 41.0, 186.8, 5.6}},
        {"Memo28", "Cognome e nome:", {19.0, 65.0, 60.0, 4.6}},
        {"txtProprietario", "Rossi Mario", {85.0, 65.0, 108.0, 4.6}},
        {"txtComuneRes", "Pavia  PV", {85.0, 100.0, 108.0, 4.6}},
        {"Memo44", "Telefono:", {19.0, 105.0, 60.0, 4.6}},
        {"txtNomeAni", "Fido", {85.0, 126.0, 108.0, 4.6}},
        {"txtSegn", "Segni particolari:", {19.0, 176.0, 60.0, 4.6}},
        {"Memo11", "AUTORIZZA", {16.0, 205.0, 178.0, 5.6}},
        {"txtVeterinario", "Bruni", {69.0, 212.0, 125.0, 5.4}},
        {"txtSmaltimento", "sepoltura", {16.0, 233.0, 178.0, 5.4}},
        {"Memo8", "FIRMA DEL PROPRIETARIO DELL'ANIMALE", {121.0, 263.0, 73.0, 4.0}},
        {"txtProprietarioAni", "Rossi Mario", {121.0, 280.0, 73.0, 5.0}},
                                });
    // No text of this page wraps, and there is neither a rule between the boxes nor a use statement.
    for (const PreparedItem &item : report.pages[0].items)
        if (auto *t = std::get_if<PreparedText>(&item)) {
            EXPECT_FALSE(t->style.wordWrap) << t->text.toStdString();
        }
    EXPECT_EQ(report.findText("Memo11")->style.font.pointSize, 14);
    EXPECT_TRUE(report.findText("Memo11")->style.font.bold);

    // Empty names leave blanks to be written by hand.
    e("Veterinario")->clear();
    e("Proprietario")->clear();
    const PreparedReport blank = PrepareCertificate(card.get(), EuthanasiaAuthorizationType());
    for (const char *object : {"txtVeterinario", "txtProprietario", "txtProprietarioAni"})
        EXPECT_EQ(blank.findText(object)->text, "") << object;
}
