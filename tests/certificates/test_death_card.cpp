// The death certificate: the choice between death and euthanasia, on the card, in the record and
// on paper.
#include "tests/support/QStringPrinter.h"
#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/CertificateSearch.h"
#include "certificates/Certificato_Decesso.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"
#include "dialogs/ReturnToLauncher.h"
#include "tests/support/DesignArea.h"
#include "tests/support/FileBytes.h"
#include "tests/support/PrintedTexts.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

constexpr int RecordSize = 2602;
const QString ScriptedToday = QStringLiteral("10/12/2026");  // the scripted platform's today
const QString Yes = QString::fromUtf8("Sì");
const QString DeathPhrase = QString::fromUtf8("è deceduto per la seguente causa:");
const QString EuthanasiaPhrase =
    QString::fromUtf8("è stato sottoposto a eutanasia (preceduta da anestesia) per la seguente grave malattia:");

const std::map<QString, QString> Complete{
    {"Studio", "Studio Veterinario Aurora"}, {"Num", "12"},          {"Data", "09/12/2026"},
    {"Luogo", "Milano"},                     {"Veterinario", "Bruni"}, {"Proprietario", "Rossi Mario"},
    {"CodFisc", "RSSMRA80A01F205X"},         {"NomeAni", "Fido"},    {"Razza", "Meticcio"},
};

enum Choice { Death, Euthanasia, Neither };

Record deathRecord(const QString &morte, const QString &eutanasia, const QString &cause)
{
    Record r(DeathCertificateLayout());
    for (const auto &[field, value] : Complete)
        r.setText(field, value);
    r.setText("Morte", morte);
    r.setText("Eutanasia", eutanasia);
    r.setText("CausaDecesso", cause);
    return r;
}

class DeathCard : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterLauncher([this]() -> QWidget * { return &launcher; });
        card = std::make_unique<TfrmCertificato_Decesso>();
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
    }
    void TearDown() override { RegisterLauncher([]() -> QWidget * { return nullptr; }); }

    QLineEdit *e(const QString &field) const { return card->edit(field); }
    Choice choice() const
    {
        EXPECT_FALSE(card->radMorte->isChecked() && card->radEutanasia->isChecked());
        return card->radMorte->isChecked() ? Death : card->radEutanasia->isChecked() ? Euthanasia : Neither;
    }
    void choose(Choice c)
    {
        if (c == Neither) {
            card->card->showRecord(deathRecord("No", "No", ""), 1);
            return;
        }
        QTest::mouseClick(c == Death ? card->icoMorte : card->icoEutanasia, Qt::LeftButton);
    }
    QString archive() const { return sp.file(DeathCertificateArchiveName); }
    QString printedPhrase() const
    {
        return PrepareCertificate(card.get(), DeathCertificateType()).findText("txtDataDecesso")->text;
    }

    ScriptedPlatform sp;
    QWidget launcher;
    std::unique_ptr<TfrmCertificato_Decesso> card;
};

} // namespace

TEST(DeathRecord, TwoFlagsThenTheDateAndCauseOfDeath)
{
    const RecordLayout &layout = DeathCertificateLayout();
    EXPECT_EQ(layout.recordSize(), RecordSize);
    const struct {
        const char *field;
        int offset;
        int capacity;
    } fields[] = {{"Morte", 2334, 2}, {"Eutanasia", 2337, 2}, {"DataDecesso", 2340, 10}, {"CausaDecesso", 2351, 250}};
    for (const auto &f : fields) {
        const int i = layout.indexOf(QString::fromLatin1(f.field));
        EXPECT_EQ(layout.offset(i), f.offset) << f.field;
        EXPECT_EQ(layout.capacity(i), f.capacity) << f.field;
    }
    EXPECT_EQ(DeathCertificateType().dateTag(), "certificato_decesso_data");
    EXPECT_EQ(DeathCertificateType().numberingSection, "Numerazione Certificati Decesso");
}

TEST_F(DeathCard, TheChoiceIsSavedAsTwoFlags)
{
    EXPECT_EQ(card->windowTitle(), " Tavoren - Certificato di decesso per animale da compagnia");
    EXPECT_EQ(choice(), Death);
    const struct {
        Choice chosen;
        const char *bytes;
    } cases[] = {{Euthanasia, "024E6F0253EC"}, {Death, "0253EC024E6F"}, {Neither, "024E6F024E6F"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes);
        QFile::remove(archive());
        QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
        EXPECT_EQ(choice(), Death) << "New starts with death";
        for (const auto &[field, value] : Complete)
            e(field)->setText(value);
        e("DataDecesso")->setText(" ieri ");
        choose(c.chosen);
        card->lblPosizione->clear();
        QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
        const QByteArray bytes = readBytes(archive());
        ASSERT_EQ(bytes.size(), RecordSize);
        EXPECT_EQ(bytes.mid(2334, 6), QByteArray::fromHex(c.bytes));
        EXPECT_EQ(Record(DeathCertificateLayout(), bytes).text("DataDecesso"), c.chosen == Neither ? "" : "ieri");
        EXPECT_EQ(choice(), c.chosen) << "Save leaves the choice";
    }
    // The captions check their own button and uncheck the other.
    QTest::mouseClick(card->icoEutanasia, Qt::LeftButton);
    EXPECT_EQ(choice(), Euthanasia);
    QTest::mouseClick(card->icoMorte, Qt::LeftButton);
    EXPECT_EQ(choice(), Death);
    card->radEutanasia->click();
    EXPECT_EQ(choice(), Euthanasia);
}

TEST_F(DeathCard, ARecordSetsTheChoiceFromItsOwnFlagsAlone)
{
    const struct {
        const char *morte;
        const char *eutanasia;
        Choice loaded;
    } cases[] = {
        {"Sì", "No", Death},  {"No", "Sì", Euthanasia}, {"Sì", "Sì", Euthanasia},
        {"No", "No", Neither}, {"", "", Neither},       {"Sì", "", Death},
        {"", "Sì", Euthanasia}, {"x", "No", Neither},
    };
    for (const auto &c : cases)
        for (Choice before : {Death, Euthanasia, Neither}) {
            SCOPED_TRACE(std::string(c.morte) + "/" + c.eutanasia + " over " + std::to_string(before));
            const Record stored = deathRecord(QString::fromUtf8(c.morte), QString::fromUtf8(c.eutanasia), "cause");
            // Through navigation.
            writeBytes(archive(), stored.bytes());
            choose(before);
            QTest::mouseClick(card->findChild<ClickLabel *>("cmdPrimo"), Qt::LeftButton);
            EXPECT_EQ(choice(), c.loaded);
            // Through the search window's hand-back.
            choose(before);
            CertificateHandBack(DeathCertificateType(), "certificato_decesso", stored, 3);
            EXPECT_EQ(card->lblPosizione->text(), "3");
            EXPECT_EQ(e("CausaDecesso")->text(), "cause");
            EXPECT_EQ(choice(), c.loaded);
        }
}

TEST_F(DeathCard, DuplicateKeepsTheDeathFieldsAndTheEnterChainRunsThroughThem)
{
    writeBytes(archive(), deathRecord("No", Yes, "cause").bytes());
    QTest::mouseClick(card->findChild<ClickLabel *>("cmdPrimo"), Qt::LeftButton);
    e("DataDecesso")->setText("01/12/2026");
    QTest::mouseClick(card->cmdDuplica, Qt::LeftButton);
    EXPECT_EQ(e("Num")->text(), "");
    EXPECT_EQ(e("Data")->text(), ScriptedToday);
    EXPECT_EQ(card->lblPosizione->text(), "");
    EXPECT_EQ(e("DataDecesso")->text(), "01/12/2026");
    EXPECT_EQ(e("CausaDecesso")->text(), "cause");
    EXPECT_EQ(choice(), Euthanasia);

    const struct {
        const char *from;
        const char *to;
    } steps[] = {{"Segni", "DataDecesso"}, {"DataDecesso", "CausaDecesso"}, {"CausaDecesso", "Studio"}};
    for (const auto &s : steps) {
        e(s.from)->setFocus();
        QTest::keyClick(e(s.from), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), e(s.to)) << s.from;
    }
    // Any text up to the capacity; the buttons follow the cause in the tab order.
    e("DataDecesso")->clear();
    e("DataDecesso")->setFocus();
    QTest::keyClicks(e("DataDecesso"), "non si sa, forse ieri");
    EXPECT_EQ(e("DataDecesso")->text(), "non si sa,");
    // The date of death is centred and bold, with the focus or without it.
    EXPECT_EQ(e("DataDecesso")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_TRUE(e("DataDecesso")->font().bold());
    e("CausaDecesso")->setFocus();
    QTest::keyClick(e("CausaDecesso"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), card->radMorte);
    ExpectWithinTheDesignArea(card.get());
}

TEST_F(DeathCard, ThePrintoutTellsTheDateAndThePhraseOfTheChoiceAtEveryPrint)
{
    for (const auto &[field, value] : Complete)
        e(field)->setText(value);
    e("DataDecesso")->setText(" 01/12/2026 ");
    e("CausaDecesso")->setText("insufficienza renale");
    const PreparedReport report = PrepareCertificate(card.get(), DeathCertificateType());
    EXPECT_EQ(report.name, "Certificato Decesso");
    ExpectPrintedTexts(report, {
        {"txtNum", "Certificato n. 12", {12.0, 33.0, 108.0, 4.2}},
        {"txtData", "Milano, 09/12/2026", {122.8, 33.0, 75.0, 4.2}},
        {"Memo1", "CERTIFICATO DI DECESSO ANIMALE DA COMPAGNIA", {11.7, 41.0, 186.8, 5.6}},
        {"txtIntroduzione", "Il sottoscritto Veterinario con la presente certifica che in data 01/12/2026 l'animale:",
         {16.0, 54.0, 184.0, 5.4}},
        {"txtNomeAni", "Fido", {85.0, 66.0, 108.0, 4.6}},
        {"Memo44", "Telefono:", {19.0, 203.0, 60.0, 4.6}},
        {"txtDataDecesso", "è deceduto per la seguente causa:", {16.0, 218.0, 184.0, 5.4}},
        {"txtCausaDecesso", "insufficienza renale", {16.0, 226.0, 178.0, 21.4}},
        {"txtVeterinario", "Dr. Bruni", {121.0, 280.0, 73.0, 5.0}},
                                });
    EXPECT_TRUE(report.findText("txtCausaDecesso")->style.wordWrap);
    bool topRule = false;
    for (const PreparedItem &item : report.pages[0].items)
        if (auto *l = std::get_if<PreparedLine>(&item); l && l->from == QPointF(10.2, 29.8))
            topRule = l->to == QPointF(199.4, 29.8);
    EXPECT_TRUE(topRule);

    // Each print takes the choice as it stands; with neither checked no phrase is printed, whatever
    // an earlier print said.
    const struct {
        Choice chosen;
        QString phrase;
    } prints[] = {{Euthanasia, EuthanasiaPhrase}, {Neither, ""}, {Death, DeathPhrase}, {Neither, ""},
                  {Euthanasia, EuthanasiaPhrase}, {Death, DeathPhrase}};
    for (const auto &p : prints) {
        choose(p.chosen);
        EXPECT_EQ(printedPhrase(), p.phrase) << p.chosen;
    }
    e("DataDecesso")->clear();
    EXPECT_EQ(PrepareCertificate(card.get(), DeathCertificateType()).findText("txtIntroduzione")->text,
              "Il sottoscritto Veterinario con la presente certifica che in data  l'animale:");
}
