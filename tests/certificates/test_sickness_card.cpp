// The sickness certificate: its fifteen clinical findings on the card, in the record and on paper.
#include "tests/support/QStringPrinter.h"
#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/Certificato_Malattia.h"
#include "common/Messages.h"
#include "common/ui/Widgets.h"
#include "dialogs/ReturnToLauncher.h"
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

constexpr int RecordSize = 6099;
const QString ScriptedToday = QStringLiteral("10/12/2026");  // the scripted platform's today

const QStringList Findings = {"Condizioni", "Temperatura", "AppMus", "AppRes",   "AppGen",
                              "AppCar",     "AppDig",      "Sistema", "Linfonodi", "Cute",
                              "Mucose",     "Occhi",       "Orecchie", "Denti",   "Diagnosi"};

const std::map<QString, QString> Complete{
    {"Studio", "Studio Veterinario Aurora"}, {"Num", "12"},          {"Data", "09/12/2026"},
    {"Luogo", "Milano"},                     {"Veterinario", "Bruni"}, {"Proprietario", "Rossi Mario"},
    {"CodFisc", "RSSMRA80A01F205X"},         {"NomeAni", "Fido"},    {"Razza", "Meticcio"},
};

class SicknessCard : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterLauncher([this]() -> QWidget * { return &launcher; });
        card = std::make_unique<TfrmCertificato_Malattia>();
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
    }
    void TearDown() override { RegisterLauncher([]() -> QWidget * { return nullptr; }); }

    QLineEdit *e(const QString &field) const { return card->edit(field); }
    void fill(const std::map<QString, QString> &fields)
    {
        for (const auto &[field, value] : fields)
            e(field)->setText(value);
    }
    void fillFindings(const QString &mark)
    {
        for (const QString &f : Findings)
            e(f)->setText("  " + f + " " + mark + "  ");
    }
    QString archive() const { return sp.file(SicknessCertificateArchiveName); }

    ScriptedPlatform sp;
    QWidget launcher;
    std::unique_ptr<TfrmCertificato_Malattia> card;
};

} // namespace

TEST(SicknessRecord, FifteenFindingsOf250CharactersAfterTheBase)
{
    const RecordLayout &layout = SicknessCertificateLayout();
    EXPECT_EQ(layout.recordSize(), RecordSize);
    ASSERT_EQ(layout.fieldCount(), 44);
    for (int i = 0; i < 15; ++i) {
        const int at = layout.indexOf(Findings[i]);
        EXPECT_EQ(at, 29 + i) << Findings[i].toStdString();
        EXPECT_EQ(layout.offset(at), 2334 + 251 * i) << Findings[i].toStdString();
        EXPECT_EQ(layout.capacity(at), 250);
    }
    const CertificateType &t = SicknessCertificateType();
    EXPECT_EQ(t.dateTag(), "certificato_malattia_data");
    EXPECT_EQ(t.numberingSection, "Numerazione Certificati Malattia");
    EXPECT_EQ(t.archiveName, "Certificati_Malattia.pro");
}

TEST_F(SicknessCard, FindingsAreSavedTrimmedAndLoadedBack)
{
    EXPECT_EQ(card->windowTitle(), " Tavoren - Certificato di malattia per animale da compagnia");
    for (int i = 1; i <= 2; ++i) {
        QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
        for (const QString &f : Findings)
            EXPECT_EQ(e(f)->text(), "") << f.toStdString();
        fill(Complete);
        e("Num")->setText(QString::number(11 + i));  // two certificates, two numbers
        if (i == 1)
            fillFindings(QString::number(i));
        e("Temperatura")->setText(i == 1 ? " 38,5 °C " : "");
        QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
        EXPECT_EQ(card->lblPosizione->text(), QString::number(i));
    }
    const QByteArray bytes = readBytes(archive());
    ASSERT_EQ(bytes.size(), 2 * RecordSize);
    // The first diagnosis at its offset, in Windows-1252; the second certificate without findings.
    EXPECT_EQ(bytes.mid(5848, 11), QByteArray("\x0a" "Diagnosi 1"));
    EXPECT_EQ(bytes.mid(2585, 8), QByteArray("\x07" "38,5 \xb0" "C"));
    const Record second(SicknessCertificateLayout(), bytes.mid(RecordSize));
    for (const QString &f : Findings)
        EXPECT_EQ(second.text(f), "") << f.toStdString();

    // Loading the first replaces the findings on screen; loading the second empties them.
    fillFindings("typed");
    QTest::mouseClick(card->findChild<ClickLabel *>("cmdPrimo"), Qt::LeftButton);
    EXPECT_EQ(e("Diagnosi")->text(), "Diagnosi 1");
    EXPECT_EQ(e("Temperatura")->text(), QString::fromUtf8("38,5 °C"));
    QTest::mouseClick(card->findChild<ClickLabel *>("cmdAvanti"), Qt::LeftButton);
    for (const QString &f : Findings)
        EXPECT_EQ(e(f)->text(), "") << f.toStdString();

    // A 251st character cannot be typed.
    e("Diagnosi")->setText(QString(250, QLatin1Char('x')));
    e("Diagnosi")->setFocus();
    QTest::keyClicks(e("Diagnosi"), "y");
    EXPECT_EQ(e("Diagnosi")->text().size(), 250);
}

TEST_F(SicknessCard, DuplicateKeepsTheFindingsAndANewSaveAppends)
{
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    fill(Complete);
    fillFindings("a");
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    sp.clear();
    QTest::mouseClick(card->cmdDuplica, Qt::LeftButton);
    EXPECT_EQ(card->lblPosizione->text(), "");
    EXPECT_EQ(e("Num")->text(), "");
    EXPECT_EQ(e("Data")->text(), ScriptedToday);
    for (const QString &f : Findings)
        EXPECT_EQ(e(f)->text(), "  " + f + " a  ") << f.toStdString();
    e("Num")->setText("13");
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    EXPECT_EQ(card->lblPosizione->text(), "2");
    const Record copy(SicknessCertificateLayout(), readBytes(archive()).mid(RecordSize));
    EXPECT_EQ(copy.text("Diagnosi"), "Diagnosi a");
    EXPECT_EQ(copy.text("Num"), "13");

    // Neither a missing breed is excused by findings nor an empty diagnosis refused.
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    fill(Complete);
    fillFindings("b");
    e("Razza")->clear();
    sp.clear();
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    EXPECT_EQ(sp.messages(),
              QStringList{QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la razza "
                                            "dell'animale.")});
    EXPECT_EQ(QApplication::focusWidget(), e("Razza"));
}

TEST_F(SicknessCard, EnterRunsThroughTheGridRowByRowAndTheDiagnosisIsBrown)
{
    const struct {
        const char *from;
        const char *to;
    } steps[] = {
        {"Segni", "Condizioni"}, {"Condizioni", "Temperatura"}, {"AppGen", "AppCar"},
        {"Cute", "Mucose"},      {"Denti", "Diagnosi"},         {"Diagnosi", "Studio"},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.from);
        e(s.from)->setFocus();
        QTest::keyClick(e(s.from), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), e(s.to));
    }
    // The grid: three rows of five, each caption above its edit, in record order.
    for (int i = 0; i < 15; ++i) {
        SCOPED_TRACE(Findings[i].toStdString());
        const QRect here = e(Findings[i])->geometry();
        if (i % 5) {
            EXPECT_GT(here.x(), e(Findings[i - 1])->geometry().x());
        }
        if (i >= 5) {
            EXPECT_GT(here.y(), e(Findings[i - 5])->geometry().y());
        }
    }
    // The diagnosis and its caption write in brown, the other findings do not.
    const QColor brown(0xa5, 0x2a, 0x2a);
    EXPECT_EQ(e("Diagnosi")->palette().color(QPalette::Text), brown);
    EXPECT_NE(e("Occhi")->palette().color(QPalette::Text), brown);
    auto *caption = card->findChild<QLabel *>("lblCampo044");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), "Diagnosi:");
    caption->ensurePolished();
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), brown);
    EXPECT_EQ(card->findChild<QWidget *>("icoDichiarazione"), nullptr);
    EXPECT_EQ(card->findChild<QWidget *>("icoFirma"), nullptr);
    ExpectWithinTheDesignArea(card.get());
}

TEST_F(SicknessCard, ThePrintoutFillsTheFindingsRowsAndTheWrappingDiagnosis)
{
    fill(Complete);
    fillFindings("x");
    e("Occhi")->clear();
    e("Diagnosi")->setText(" Gastroenterite acuta ");
    const PreparedReport report = PrepareCertificate(card.get(), SicknessCertificateType());
    EXPECT_EQ(report.name, "Certificato Malattia");
    ASSERT_EQ(report.pages.size(), 1u);
    ExpectPrintedTexts(report, {
        {"txtNum", "Certificato n. 12", {12.0, 31.2, 108.0, 4.2}},
        {"txtData", "Milano, 09/12/2026", {122.8, 31.2, 75.0, 4.2}},
        {"Memo1", "CERTIFICATO DI MALATTIA PER ANIMALE DA COMPAGNIA", {11.7, 38.0, 186.8, 5.6}},
        {"txtNomeAni", "Fido", {66.0, 58.0, 126.0, 4.6}},
        {"txtRecapito", "", {66.0, 159.0, 126.0, 4.6}},
        {"Memo46", "alla visita clinica, effettuata in data odierna, presenta:", {16.0, 168.5, 184.0, 5.4}},
        {"Memo2", "Condizioni generali:", {19.0, 178.0, 50.0, 4.6}},
        {"txtCondizioni", "Condizioni x", {72.0, 178.0, 120.4, 4.6}},
        {"Memo45", "Occhi:", {19.0, 233.0, 50.0, 4.6}},
        {"txtOcchi", "", {72.0, 233.0, 120.4, 4.6}},
        {"txtDenti", "Denti x", {72.0, 243.0, 120.4, 4.6}},
        {"Memo52", "DIAGNOSI", {16.0, 251.0, 178.0, 4.6}},
        {"txtDiagnosi", "Gastroenterite acuta", {16.0, 256.0, 178.0, 11.0}},
        {"txtVeterinario", "Dr. Bruni", {121.0, 281.0, 73.0, 5.0}},
                                });
    // Findings stay on one clipped line; only the diagnosis wraps, from the top of its blue box.
    EXPECT_FALSE(report.findText("txtCondizioni")->style.wordWrap);
    const PreparedText *diagnosis = report.findText("txtDiagnosi");
    EXPECT_TRUE(diagnosis->style.wordWrap);
    EXPECT_EQ(diagnosis->style.vAlign, ReportVAlign::Top);
    EXPECT_EQ(diagnosis->style.fill, QColor(240, 248, 255));
    EXPECT_EQ(report.findText("Memo52")->style.fill, QColor(245, 245, 220));
    EXPECT_TRUE(report.findText("Memo52")->style.font.bold);

    // An empty place and date keep the comma.
    e("Luogo")->clear();
    e("Data")->clear();
    EXPECT_EQ(PrepareCertificate(card.get(), SicknessCertificateType()).findText("txtData")->text, ", ");
}
