// The movement certificate: its own record, its card's differences, its list line and its printout
// over the drawn form.
#include "tests/support/QStringPrinter.h"
#include "animals/AnimalHandBack.h"
#include "animals/AnimalRecord.h"
#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/CertificateSearch.h"
#include "certificates/Consenso_Privacy.h"
#include "common/IniFile.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ReportOutput.h"
#include "dialogs/ReturnToLauncher.h"
#include "owners/OwnerHandBack.h"
#include "owners/OwnerRecord.h"
#include "owners/TrovaClienti.h"
#include "animals/TrovaCani.h"
#include "tests/support/FileBytes.h"
#include "tests/support/CertificateCardFixture.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

const QString Tag = QStringLiteral("certificato_movimento");

const std::map<QString, QString> Complete{
    {"Num", "5"},        {"Data", "09/12/2026"},           {"Luogo", "Milano"}, {"Veterinario", "DR. ROSSI"},
    {"NomeAni", "Fido"}, {"Proprietario", "Bianchi Anna"},
};

TEST(MovementRecord, TwelveFieldsBackToBackIn1512Bytes)
{
    const RecordLayout &layout = MovementCertificateLayout();
    EXPECT_EQ(layout.recordSize(), 1512);
    const struct {
        const char *field;
        int offset;
        int capacity;
    } cases[] = {
        {"Num", 0, 30},        {"Data", 31, 10},           {"Luogo", 42, 50},        {"Veterinario", 93, 50},
        {"NomeAni", 144, 250}, {"SessoAni", 395, 50},      {"DataNascAni", 446, 10}, {"Specie", 457, 50},
        {"Cites", 508, 250},   {"Proprietario", 759, 250}, {"Origine", 1010, 250},   {"Destinazione", 1261, 250},
    };
    ASSERT_EQ(layout.fieldCount(), 12);
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(cases[i].field);
        EXPECT_EQ(layout.name(i), cases[i].field);
        EXPECT_EQ(layout.offset(i), cases[i].offset);
        EXPECT_EQ(layout.capacity(i), cases[i].capacity);
    }
}

TEST(MovementListLine, DestinationStartsAtPosition131)
{
    Record r(MovementCertificateLayout());
    r.setText("Num", "1234567");
    r.setText("Data", "09/12/2026");
    r.setText("Proprietario", "Bianchi Anna");
    r.setText("NomeAni", "Fido, microchip 380260000000001 long enough to be cut");
    r.setText("Specie", "Cane");
    r.setText("Destinazione", " Via Roma 1, 20100 Milano ");
    const QString line = MovementCertificateListLine(r);
    EXPECT_EQ(line.left(15), "Cert. n. 123456");
    EXPECT_EQ(line.mid(15, 8), "  Data: ");
    EXPECT_EQ(line.mid(35, 30), QString("Bianchi Anna").leftJustified(30));
    EXPECT_EQ(line.mid(65, 11), "  Animale: ");
    EXPECT_EQ(line.mid(76, 30), QString("Fido, microchip 38026000000000")) << "cut to 30";
    EXPECT_EQ(line.mid(108, 20), QString("Cane").leftJustified(20));
    EXPECT_EQ(line.mid(130), "Via Roma 1, 20100 Milano");
}

class MovementCard : public CertificateCardFixture<TfrmConsenso_Privacy> {
protected:
    QString settings() const { return sp.file(SettingsFileName); }
};

TEST_F(MovementCard, SaveAsksForItsSixFieldsInOrderAndWritesA1512ByteRecord)
{
    show();
    const QString prefix = QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare ");
    const struct {
        const char *missing;
        const char *phrase;
    } cases[] = {
        {"Num", "il numero progressivo del certificato."},
        {"Data", "la data di emissione del certificato."},
        {"Luogo", "il luogo di emissione del certificato."},
        {"Veterinario", "il nome e la qualifica del medico veterinario."},
        {"NomeAni", "i dati identificativi dell'animale."},
        {"Proprietario", "i dati identificativi del proprietario dell'animale."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.missing);
        fill(Complete);
        e(c.missing)->setText("  ");
        sp.clear();
        QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
        EXPECT_EQ(sp.messages(), QStringList{prefix + QString::fromUtf8(c.phrase)});
        EXPECT_EQ(focused(), QString("txt") + c.missing);
    }
    EXPECT_FALSE(QFile::exists(sp.file(MovementCertificateArchiveName)) &&
                 QFile(sp.file(MovementCertificateArchiveName)).size() > 0);

    // The six alone are enough; a long origin is kept whole.
    fill(Complete);
    const QString origin = QString(250, QLatin1Char('o'));
    e("Origine")->setText(origin);
    e("SessoAni")->setText("m");
    sp.clear();
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    QTest::mouseClick(card->cmdDuplica, Qt::LeftButton);
    e("Num")->setText("6");
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    const QByteArray bytes = readBytes(sp.file(MovementCertificateArchiveName));
    ASSERT_EQ(bytes.size(), 2 * 1512);
    EXPECT_EQ(bytes.mid(1010, 251), char(250) + origin.toLatin1());
    EXPECT_EQ(bytes.mid(395, 2), QByteArray("\x01m")) << "the sex keeps its lower case";
    EXPECT_EQ(bytes.mid(1512, 2), QByteArray("\x01"
                                             "6"));
    EXPECT_EQ(bytes.mid(1512 + 1010, 251), char(250) + origin.toLatin1()) << "a duplicate keeps the origin";
}

TEST_F(MovementCard, VeterinarianIsUpperCasedAsTypedWithItsBlanks)
{
    show();
    e("Veterinario")->clear();
    e("Veterinario")->setFocus();
    QTest::keyClicks(e("Veterinario"), "dr. rossi ");
    EXPECT_EQ(e("Veterinario")->text(), "DR. ROSSI ");
    e("SessoAni")->setFocus();
    QTest::keyClicks(e("SessoAni"), "f");
    QTest::keyClicks(e("Cites"), "it-123");
    EXPECT_EQ(e("SessoAni")->text(), "f");
    EXPECT_EQ(e("Cites")->text(), "it-123");
    EXPECT_EQ(card->btnCodFisc, nullptr);
}

TEST_F(MovementCard, ShowAndCloseKeepOnlyPlaceAndQualification)
{
    IniWriteString(settings(), PracticeHeaderSection, "Luogo", "Pavia");
    IniWriteString(settings(), PracticeHeaderSection, "Qualifica", "dr. neri");
    IniWriteString(settings(), PracticeHeaderSection, "Veterinario", "Dott. Bruni");
    IniWriteString(settings(), PracticeHeaderSection, "Denominazione", "Studio Aurora");
    show();
    EXPECT_EQ(e("Luogo")->text(), "Pavia");
    EXPECT_EQ(e("Veterinario")->text(), "dr. neri") << "a stored value is not upper-cased";
    EXPECT_EQ(focused(), "txtNomeAni");

    e("Luogo")->setText(" Lodi ");
    e("Veterinario")->setText("DR. VERDI");
    card->close();
    EXPECT_EQ(IniReadString(settings(), PracticeHeaderSection, "Luogo"), "Lodi");
    EXPECT_EQ(IniReadString(settings(), PracticeHeaderSection, "Qualifica"), "DR. VERDI");
    EXPECT_EQ(IniReadString(settings(), PracticeHeaderSection, "Veterinario"), "Dott. Bruni");
    EXPECT_EQ(IniReadString(settings(), PracticeHeaderSection, "Denominazione"), "Studio Aurora");
}

TEST_F(MovementCard, NewNumbersAndTheImportsWriteOnlyTheirFields)
{
    writeBytes(sp.file(MovementCertificateArchiveName), QByteArray(4 * 1512, '\0'));
    show();
    fill({{"Cites", "C-1"}, {"Origine", "Tirana"}, {"Destinazione", "Milano"}, {"Luogo", "Lodi"}});
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    EXPECT_EQ(e("Num")->text(), "5");
    EXPECT_EQ(e("Cites")->text(), "");
    EXPECT_EQ(e("Luogo")->text(), "Lodi");
    EXPECT_EQ(focused(), "txtNomeAni");

    fill({{"Cites", "C-1"}, {"Origine", "Tirana"}, {"Destinazione", "Milano"}});
    Record owner(OwnerRecordLayout());
    owner.setText("Cliente", " Bianchi Anna ");
    owner.setText("IndirizzoRes", "Corso Francia 2");
    Record animal(AnimalRecordLayout());
    animal.setText("Nome", " Fido ");
    animal.setText("Sesso", "M");
    animal.setText("DataNasc", "01/02/2020");
    animal.setText("Gruppo", "Cane");
    animal.setText("Razza", "Meticcio");
    sp.onModal = [&](QWidget *w) {
        if (auto *owners = qobject_cast<TfrmTrovaClienti *>(w)) {
            EXPECT_EQ(owners->contextTag(), Tag);
            OwnerHandBack(owners->contextTag(), owner, 1);
        } else if (auto *animals = qobject_cast<TfrmTrovaCani *>(w)) {
            EXPECT_EQ(animals->contextTag(), Tag);
            AnimalHandBack(animals->contextTag(), animal, 1);
        }
    };
    QTest::mouseClick(card->impProprietario, Qt::LeftButton);
    QTest::mouseClick(card->impNomeAni, Qt::LeftButton);
    const std::map<QString, QString> expected{{"Num", "5"},
                                              {"Proprietario", "Bianchi Anna"},
                                              {"NomeAni", "Fido"},
                                              {"SessoAni", "M"},
                                              {"DataNascAni", "01/02/2020"},
                                              {"Specie", "Cane"},
                                              {"Cites", "C-1"},
                                              {"Origine", "Tirana"},
                                              {"Destinazione", "Milano"},
                                              {"Luogo", "Lodi"}};
    for (const auto &[f, v] : expected)
        EXPECT_EQ(e(f)->text(), v) << f.toStdString();
}

TEST_F(MovementCard, EnterWalksTheRecordOrderBackToTheNumber)
{
    show();
    const char *const chain[] = {"Luogo", "Veterinario",  "NomeAni", "SessoAni",     "DataNascAni", "Specie",
                                 "Cites", "Proprietario", "Origine", "Destinazione", "Num"};
    e("Num")->setFocus();
    QTest::keyClick(e("Num"), Qt::Key_Return);
    EXPECT_EQ(focused(), "txtData");
    e("Luogo")->setFocus();
    for (size_t i = 0; i + 1 < std::size(chain); ++i) {
        QTest::keyClick(e(chain[i]), Qt::Key_Return);
        EXPECT_EQ(focused(), QString("txt") + chain[i + 1]);
    }
}

// The printout: the twelve values, each the trimmed edit, at its place over the form.
class MovementPrint : public MovementCard {};

TEST_F(MovementPrint, TwelveValuesLieInsideTheFormBoxesTheyFill)
{
    fill({{"Num", " 107 "},
          {"Data", "10/12/2026"},
          {"Luogo", "Milano"},
          {"Veterinario", "DR. ROSSI "},
          {"NomeAni", "Fido"},
          {"SessoAni", "M"},
          {"DataNascAni", "01/02/2020"},
          {"Specie", "Cane"},
          {"Cites", "IT-1"},
          {"Proprietario", "Bianchi Anna"},
          {"Origine", "Tirana"},
          {"Destinazione", "Lodi"}});
    const PreparedReport report = PrepareCertificate(card.get(), MovementCertificateType());
    if (qEnvironmentVariableIsSet("TAVOREN_PAGE_PDF"))
        ExportReportPdf(report, qEnvironmentVariable("TAVOREN_PAGE_PDF"));
    EXPECT_EQ(report.name, "Certificato Movimento Animale");
    ASSERT_EQ(report.pages.size(), 1u);
    // The form's boxes in sheet millimetres (left, top, right, bottom) and the value that fills each.
    const struct {
        const char *object;
        const char *printed;
        QRectF box;
    } cases[] = {
        {"txtNum", "107", QRectF(QPointF(14.0, 54.0), QPointF(104.8, 64.1))},
        {"txtSpecie", "Cane", QRectF(QPointF(14.0, 64.1), QPointF(104.8, 74.5))},
        {"txtSessoAni", "M", QRectF(QPointF(104.8, 64.1), QPointF(195.7, 74.5))},
        {"txtProprietario", "Bianchi Anna", QRectF(QPointF(104.8, 74.5), QPointF(195.7, 89.9))},
        {"txtCites", "IT-1", QRectF(QPointF(14.0, 74.5), QPointF(104.8, 104.9))},
        {"txtDataNascAni", "01/02/2020", QRectF(QPointF(104.8, 89.9), QPointF(195.7, 104.9))},
        {"txtOrigine", "Tirana", QRectF(QPointF(14.0, 104.9), QPointF(104.8, 120.3))},
        {"txtDestinazione", "Lodi", QRectF(QPointF(104.8, 104.9), QPointF(195.7, 120.3))},
        // Above the dotted lines of place, date, and name in capitals.
        {"txtLuogo", "Milano", QRectF(QPointF(14.0, 198.0), QPointF(104.8, 206.7))},
        {"txtData", "10/12/2026", QRectF(QPointF(104.8, 198.0), QPointF(195.7, 206.7))},
        {"txtVeterinario", "DR. ROSSI", QRectF(QPointF(104.8, 245.0), QPointF(195.7, 251.4))},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.object);
        const PreparedText *t = report.findText(c.object);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->text, c.printed);
        EXPECT_TRUE(c.box.contains(t->rect)) << t->rect.left() << "," << t->rect.top();
    }
    // Box 3's value starts after its caption's second line and runs past the table.
    const PreparedText *name = report.findText("txtNomeAni");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text, "Fido");
    EXPECT_EQ(name->rect, QRectF(119.0, 59.6, 84.7, 4.0));
}

TEST_F(MovementPrint, TheFormIsBlankWhereEveryValuePrintsAndRuledWhereItsBoxesEnd)
{
    // The page rendered to PNG with every edit empty: only the form.
    const QString pdf = sp.file("movimento.pdf");
    ExportReportPdf(PrepareCertificate(card.get(), MovementCertificateType()), pdf);
    const QString png = sp.file("movimento");
    if (QProcess::execute("pdftoppm", {"-r", "100", "-png", "-singlefile", pdf, png}) != 0)
        GTEST_SKIP() << "pdftoppm is not installed";
    QImage page(png + ".png");
    ASSERT_FALSE(page.isNull());
    const double dots = page.width() / 210.0;
    const auto dark = [&](double x, double y) { return qGray(page.pixel(int(x * dots), int(y * dots))) < 128; };
    const auto inkIn = [&](const QRectF &mm) {
        int ink = 0;
        for (double y = mm.top() + 0.3; y < mm.bottom() - 0.3; y += 0.25)
            for (double x = mm.left() + 0.3; x < mm.right() - 0.3; x += 0.25)
                ink += dark(x, y);
        return ink;
    };
    for (const CertificatePrintObject &o : MovementCertificateType().printout) {
        if (o.kind != CertificatePrintObject::Kind::Text)
            continue;
        // Box 3's value runs on over the table's right rule, which is the only ink it may cross.
        SCOPED_TRACE(o.name);
        const QRectF inside = o.mm.intersected(QRectF(QPointF(0, 0), QPointF(195.4, 297)));
        const QRectF beyond = o.mm.intersected(QRectF(QPointF(196.0, 0), QPointF(210, 297)));
        EXPECT_EQ(inkIn(inside), 0);
        if (!beyond.isEmpty()) {
            EXPECT_EQ(inkIn(beyond), 0);
        }
    }
    // The table's rules.
    for (double y : {54.0, 64.1, 74.5, 104.9, 120.3}) {
        SCOPED_TRACE(y);
        bool ruled = false;
        for (double dy = -0.3; dy <= 0.3; dy += 0.1)
            ruled = ruled || (dark(30.0, y + dy) && dark(150.0, y + dy));
        EXPECT_TRUE(ruled);
    }
    QFile::copy(png + ".png", "/tmp/c2/movement-empty.png");
}

} // namespace
