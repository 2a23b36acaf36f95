// The vaccination certificate: the base record with the vaccine's four fields, their edits on the
// card, and its printout.
#include "tests/support/QStringPrinter.h"
#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/Certificato_Vaccinazione.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ReportOutput.h"
#include "dialogs/ReturnToLauncher.h"
#include "tests/support/FileBytes.h"
#include "tests/support/CertificateCardFixture.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

TEST(VaccinationRecord, VaccineFieldsFollowTheBaseTo2458Bytes)
{
    const RecordLayout &layout = VaccinationCertificateLayout();
    EXPECT_EQ(layout.recordSize(), 2458);
    ASSERT_EQ(layout.fieldCount(), 33);
    for (int i = 0; i < 29; ++i)
        EXPECT_EQ(layout.offset(i), CertificateBaseLayout().offset(i)) << layout.name(i).toStdString();
    const struct {
        const char *field;
        int offset;
        int capacity;
    } cases[] = {{"DataSom", 2334, 10}, {"Denominazione", 2345, 50}, {"Serie", 2396, 50}, {"ScadeMed", 2447, 10}};
    for (const auto &c : cases) {
        const int i = layout.indexOf(c.field);
        EXPECT_EQ(layout.offset(i), c.offset) << c.field;
        EXPECT_EQ(layout.capacity(i), c.capacity) << c.field;
    }
    Record r(layout);
    r.setText("ScadeMed", "31/02/2021");
    EXPECT_EQ(r.bytes().right(11), QByteArray("\x0a"
                                              "31/02/2021"));
}

const std::map<QString, QString> Complete{
    {"Studio", "Studio Veterinario Aurora"},
    {"Num", "12"},
    {"Data", "09/12/2026"},
    {"Luogo", "Milano"},
    {"Veterinario", "Bruni"},
    {"Proprietario", "Rossi Mario"},
    {"CodFisc", "RSSMRA80A01F205X"},
    {"NomeAni", "Fido"},
    {"Razza", "Meticcio"},
};

class VaccinationCard : public CertificateCardFixture<TfrmCertificato_Vaccinazione> {
protected:
    // The colour inside an edit, away from its border and text.
    QColor inside(const QString &field) const
    {
        return e(field)->grab().toImage().pixelColor(e(field)->width() - 4, e(field)->height() / 2);
    }
};

TEST_F(VaccinationCard, VaccineEditsAreFreeTextSavedAsTypedAfterTheBase)
{
    show();
    const struct {
        const char *field;
        int capacity;
    } edits[] = {{"DataSom", 10}, {"Denominazione", 50}, {"Serie", 50}, {"ScadeMed", 10}};
    for (const auto &c : edits) {
        SCOPED_TRACE(c.field);
        e(c.field)->clear();
        e(c.field)->setFocus();
        QTest::keyClicks(e(c.field), QString(c.capacity + 1, QLatin1Char('x')));
        EXPECT_EQ(e(c.field)->text().size(), c.capacity) << "the next character is refused";
    }
    // All four empty is no obstacle; then a saved certificate with what no date check would accept.
    fill(Complete);
    for (const auto &c : edits)
        e(c.field)->clear();
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    fill({{"DataSom", "ieri sera"},
          {"Denominazione", "Rabisin"},
          {"Serie", "  lotto a12 "},
          {"ScadeMed", "31/02/2021"}});
    QTest::mouseClick(card->cmdDuplica, Qt::LeftButton);
    e("Num")->setText("13");
    sp.clear();
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    const QByteArray bytes = readBytes(sp.file(VaccinationCertificateArchiveName));
    ASSERT_EQ(bytes.size(), 2 * 2458);
    EXPECT_EQ(bytes.mid(2334, 11), QByteArray(11, '\0')) << "the first certificate had no vaccine";
    const QByteArray second = bytes.mid(2458);
    EXPECT_EQ(second.mid(2334, 10), QByteArray("\x09ieri sera"));
    EXPECT_EQ(second.mid(2396, 10), QByteArray("\x09lotto a12")) << "trimmed, lower case kept";
    EXPECT_EQ(second.right(11), QByteArray("\x0a"
                                           "31/02/2021"));

    // New empties them; Duplicate keeps them.
    QTest::mouseClick(card->cmdDuplica, Qt::LeftButton);
    EXPECT_EQ(e("Serie")->text().trimmed(), "lotto a12");
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    for (const auto &c : edits)
        EXPECT_EQ(e(c.field)->text(), "") << c.field;
}

TEST_F(VaccinationCard, EnterLeadsThroughTheVaccineToTheHeaderAndTheyRestOnAliceBlue)
{
    show();
    const char *const chain[] = {"Segni", "DataSom", "Denominazione", "Serie", "ScadeMed", "Studio"};
    e("Segni")->setFocus();
    for (size_t i = 0; i + 1 < std::size(chain); ++i) {
        QTest::keyClick(e(chain[i]), Qt::Key_Return);
        EXPECT_EQ(focused(), QString("txt") + chain[i + 1]);
    }
    EXPECT_EQ(inside("Serie"), QColor(0xf0, 0xf8, 0xff));
    EXPECT_EQ(inside("Razza"), QColor(Qt::white));
    e("Serie")->setFocus();
    EXPECT_EQ(inside("Serie"), QColor(Qt::yellow));
}

TEST_F(VaccinationCard, PrintoutJoinsPlaceAndDateAndTellsTheVaccine)
{
    const struct {
        std::map<QString, QString> edits;
        std::map<QString, QString> printed;
    } cases[] = {
        {{{"Luogo", " Milano "},
          {"Data", "09/12/2026"},
          {"DataSom", "01/12/2026"},
          {"Denominazione", "Rabisin"},
          {"Serie", "A12"},
          {"ScadeMed", "2028"},
          {"Num", "7"},
          {"Veterinario", "Bruni"},
          {"ComuneRes", "Roma"},
          {"ProvRes", "RM"}},
         {{"txtData", "Milano, 09/12/2026"},
          {"txtDataSom", QString::fromUtf8("La vaccinazione è stata eseguita in data 01/12/2026.")},
          {"txtDenominazione", "Rabisin"},
          {"txtSerie", "A12"},
          {"txtScadeMed", "2028"},
          {"txtNum", "Certificato n. 7"},
          {"txtVeterinario", "Dr. Bruni"},
          {"txtComuneRes", "Roma  RM"},
          {"Memo2", "ESTREMI VACCINO UTILIZZATO"}}},
        {{},
         {{"txtData", ", "},
          {"txtDataSom", QString::fromUtf8("La vaccinazione è stata eseguita in data .")},
          {"txtDenominazione", ""},
          {"Memo3", "Denominazione"}}},
    };
    for (const auto &c : cases) {
        for (QLineEdit *edit : card->findChildren<QLineEdit *>())
            edit->clear();
        fill(c.edits);
        const PreparedReport report = PrepareCertificate(card.get(), VaccinationCertificateType());
        if (qEnvironmentVariableIsSet("TAVOREN_PAGE_PDF") && !c.edits.empty())
            ExportReportPdf(report, qEnvironmentVariable("TAVOREN_PAGE_PDF"));
        EXPECT_EQ(report.name, "Certificato Vaccinazione");
        for (const auto &[object, text] : c.printed)
            EXPECT_EQ(report.texts(object), QStringList{text}) << object.toStdString();
        EXPECT_TRUE(report.texts("txtLuogo").isEmpty()) << "the place has no line of its own";
        EXPECT_TRUE(report.texts("Memo47").isEmpty()) << "no English";
    }
}

} // namespace
