// The certificate printouts: the objects filled from a card's edits, print and preview.
#include "tests/support/QStringPrinter.h"
#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateType.h"
#include "certificates/Certificato_Sanitario.h"
#include "certificates/Consenso_Intervento.h"
#include "common/Messages.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ReportOutput.h"
#include "common/ui/report/ReportPreview.h"
#include "tests/support/PdfFiles.h"
#include "tests/support/ScriptedPlatform.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <vector>

namespace {

// The edits a type's card declares, by name.
QStringList cardEdits(const CertificateType &type)
{
    QStringList names;
    for (const CertificateBand &band : type.bands)
        for (const CertificateEdit &edit : band.edits)
            names << CertificateEditName(edit);
    return names;
}

// A stand-in for a certificate card: a plain widget with the card's edits, found by name as the
// printout finds them.
class FakeCard : public QWidget {
public:
    explicit FakeCard(const CertificateType &type)
    {
        for (const QString &name : cardEdits(type))
            MakeNamed<QLineEdit>(this, name);
    }
    void set(const std::map<QString, QString> &texts)
    {
        for (auto *edit : findChildren<QLineEdit *>())
            edit->clear();
        for (const auto &[name, text] : texts) {
            auto *edit = findChild<QLineEdit *>(name);
            ASSERT_NE(edit, nullptr) << name.toStdString();
            edit->setText(text);
        }
    }
    std::map<QString, QString> texts() const
    {
        std::map<QString, QString> all;
        for (auto *edit : findChildren<QLineEdit *>())
            all[edit->objectName()] = edit->text();
        return all;
    }
};

// The value objects of the health printout and the edit each shows alone.
const std::map<QString, QString> PlainValues = {
    {"txtStudio", "txtStudio"},         {"txtIntRigo02", "txtIntRigo02"},     {"txtIntRigo03", "txtIntRigo03"},
    {"txtIntRigo04", "txtIntRigo04"},   {"txtNomeAni", "txtNomeAni"},         {"txtSpecie", "txtSpecie"},
    {"txtRazza", "txtRazza"},           {"txtSessoAni", "txtSessoAni"},       {"txtDataNascAni", "txtDataNascAni"},
    {"txtTaglia", "txtTaglia"},         {"txtPelo", "txtPelo"},               {"txtMantello", "txtMantello"},
    {"txtMicrochip", "txtMicrochip"},   {"txtTatuaggio", "txtTatuaggio"},     {"txtSegni", "txtSegni"},
    {"txtProprietario", "txtProprietario"}, {"txtSesso", "txtSesso"},         {"txtDataNasc", "txtDataNasc"},
    {"txtComuneNasc", "txtComuneNasc"}, {"txtCodFisc", "txtCodFisc"},         {"txtIndirizzoRes", "txtindirizzoRes"},
    {"txtCapRes", "txtCapRes"},         {"txtRecapito", "txtRecapito"},
};

// A printout case: what the card's edits hold and the composed objects that follow.
struct PrintCase {
    const char *what;
    std::map<QString, QString> edits;
    std::map<QString, QString> printed;
};

// Prints each case from the card and checks the composed objects and every plain value object,
// each of which gets a text of its own where the case leaves its edit alone, so a wrong edit
// behind an object shows; the card is never changed.
void ExpectPrintedValues(FakeCard &card, const CertificateType &type, const char *reportName,
                         const std::vector<PrintCase> &cases, const std::map<QString, QString> &plainValues)
{
    for (const PrintCase &c : cases) {
        SCOPED_TRACE(c.what);
        card.set(c.edits);
        for (const auto &[object, edit] : plainValues)
            if (!c.edits.count(edit))
                card.findChild<QLineEdit *>(edit)->setText("  " + edit + " value ");
        const auto before = card.texts();

        const PreparedReport report = PrepareCertificate(&card, type);

        ASSERT_EQ(report.pages.size(), 1u);
        EXPECT_EQ(report.name, reportName);
        EXPECT_EQ(report.orientation, QPageLayout::Portrait);
        for (const auto &[object, text] : c.printed)
            EXPECT_EQ(report.texts(object), QStringList{text}) << object.toStdString();
        for (const auto &[object, edit] : plainValues) {
            const auto typed = c.edits.find(edit);
            const QString expected = typed != c.edits.end() ? typed->second.trimmed() : edit + " value";
            EXPECT_EQ(report.texts(object), QStringList{expected}) << object.toStdString();
        }
        EXPECT_EQ(card.texts(), before);
    }
}

class CertificatePrint : public ::testing::Test {
protected:
    const CertificateType &type = HealthCertificateType();
    ScriptedPlatform sp;
    FakeCard card{type};
};

} // namespace

TEST_F(CertificatePrint, EveryValueObjectShowsItsTrimmedEditsAndNothingElseChanges)
{
    const std::vector<PrintCase> cases = {
        {"a card just cleared: the fixed parts alone",
         {{"txtStudio", "Studio Bianchi"}, {"txtLuogo", "Pavia"}, {"txtVeterinario", "Anna Neri"}},
         {{"txtNum", "Certificato n. / Certificate No. "},
          {"txtData", "Data / Date: "},
          {"txtLuogo", "Luogo / Place: Pavia"},
          {"txtVeterinario", "Dr. Anna Neri"},
          {"txtComuneRes", "  "}}},
        {"values with blanks and control characters around",
         {{"txtNum", " 107 "}, {"txtData", "10/12/2026"}, {"txtLuogo", "\tPavia "}, {"txtVeterinario", " Anna Neri"},
          {"txtComuneRes", " Roma "}, {"txtProvRes", "RM "}},
         {{"txtNum", "Certificato n. / Certificate No. 107"},
          {"txtData", "Data / Date: 10/12/2026"},
          {"txtLuogo", "Luogo / Place: Pavia"},
          {"txtVeterinario", "Dr. Anna Neri"},
          {"txtComuneRes", "Roma  RM"}}},
        {"a province without its town",
         {{"txtProvRes", "MI"}},
         {{"txtComuneRes", "  MI"}, {"txtVeterinario", "Dr. "}}},
        {"brackets and braces print as typed",
         {{"txtNum", "{txtData}"}, {"txtData", "[DATE]"}, {"txtComuneRes", "[Roma]"}, {"txtProvRes", "{RM}"}},
         {{"txtNum", "Certificato n. / Certificate No. {txtData}"},
          {"txtData", "Data / Date: [DATE]"},
          {"txtComuneRes", "[Roma]  {RM}"}}},
    };
    ExpectPrintedValues(card, type, "Certificato Sanitario", cases, PlainValues);
    EXPECT_TRUE(sp.calls.empty());
    EXPECT_EQ(QDir(sp.folder()).entryList(QDir::Files), QStringList{}) << "the printout opens no file";
}

TEST_F(CertificatePrint, FixedTextsStandAtTheirPlacesWhateverTheCardHolds)
{
    card.set({{"txtSegni", QString(250, QLatin1Char('W'))}});
    const PreparedReport report = PrepareCertificate(&card, type);
    const struct {
        const char *object;
        const char *text;
        QRectF mm;
    } fixed[] = {
        {"Memo1", "CERTIFICATO SANITARIO PER ANIMALE DA COMPAGNIA", {11.7, 41.0, 186.8, 5.6}},
        {"Memo2", "HEALTH CERTIFICATE FOR PET ANIMAL", {11.7, 50.2, 186.8, 5.6}},
        {"txtSegn", "Segni particolari / Distinguishing marks:", {19.0, 158.0, 66.0, 4.6}},
        {"Memo42", "Città / Town:", {19.0, 218.0, 66.0, 4.6}},
        {"Memo15", "and/or transmissible to humans.", {16.0, 252.4, 184.0, 5.4}},
        {"Memo9", "This certification is being issued for whatever legal purpose it may serve.",
         {16.0, 267.2, 102.0, 4.0}},
    };
    for (const auto &f : fixed) {
        const PreparedText *t = report.findText(f.object);
        ASSERT_NE(t, nullptr) << f.object;
        EXPECT_EQ(t->text, QString::fromUtf8(f.text)) << f.object;
        // No margins: the template's millimetres are the sheet's.
        EXPECT_EQ(t->rect, f.mm) << f.object;
    }
    // A long value stays one cut line in its box: neither wrapped nor shrunk.
    const PreparedText *marks = report.findText("txtSegni");
    ASSERT_NE(marks, nullptr);
    EXPECT_FALSE(marks->style.wordWrap);
    EXPECT_EQ(marks->style.font.pointSize, 9);
    EXPECT_EQ(marks->rect, QRectF(90.0, 158.0, 101.0, 4.6));
    const PreparedText *title = report.findText("txtStudio");
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->style.font.bold);
    EXPECT_EQ(title->style.hAlign, ReportHAlign::Center);
    EXPECT_TRUE(report.findText("Memo47")->style.font.italic);
    EXPECT_EQ(report.findText("txtData")->style.hAlign, ReportHAlign::Right);
}

TEST_F(CertificatePrint, ThePageFrameAndEmblemComeFirstAndTheBandsAreFilled)
{
    const PreparedReport report = PrepareCertificate(&card, type);
    const auto &items = report.pages[0].items;
    const std::vector<CertificatePrintObject> &frame = CertificatePageFrame();
    ASSERT_GE(items.size(), frame.size());
    ASSERT_EQ(frame.size(), 9u);

    const auto *logo = std::get_if<PreparedPicture>(&items[1]);
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->name, "imgLogo");
    EXPECT_EQ(logo->rect, QRectF(10.2, 10.2, 20.0, 18.2));
    EXPECT_EQ(logo->picture.size(), QSize(320, 324));
    // Black and light blue on white.
    const QImage &emblem = logo->picture;
    EXPECT_EQ(emblem.pixelColor(160, 200), QColor(Qt::black)) << "the staff";
    EXPECT_GT(emblem.pixelColor(280, 162).blue(), emblem.pixelColor(280, 162).red()) << "an arm of the cross";
    EXPECT_EQ(emblem.pixelColor(2, 2), QColor(Qt::white));

    // The four rules of the frame and the two coloured bands, whose frames take their fill.
    std::vector<std::pair<QPointF, QPointF>> lines;
    std::vector<PreparedRectangle> bands;
    for (const PreparedItem &item : items) {
        if (auto *l = std::get_if<PreparedLine>(&item))
            lines.emplace_back(l->from, l->to);
        if (auto *r = std::get_if<PreparedRectangle>(&item); r && r->fill)
            bands.push_back(*r);
    }
    const std::vector<std::pair<QPointF, QPointF>> rules = {
        {{10.2, 29.6}, {199.8, 29.6}}, {{10.0, 30.0}, {10.0, 287.0}}, {{200.0, 30.0}, {200.0, 287.0}},
        {{10.0, 287.0}, {200.0, 287.0}}, {{18.0, 165.8}, {192.0, 165.8}}, {{121.0, 279.0}, {194.0, 279.0}}};
    EXPECT_EQ(lines, rules);
    ASSERT_EQ(bands.size(), 2u);
    for (const PreparedRectangle &band : bands) {
        ASSERT_TRUE(band.frame.has_value());
        EXPECT_EQ(band.frame->color, *band.fill);
    }
    EXPECT_EQ(*bands[0].fill, QColor(245, 245, 220));
    EXPECT_EQ(*bands[1].fill, QColor(230, 230, 250));
}

TEST(CertificateText, PlaceholdersAreReplacedOnce)
{
    const std::map<QString, QString> edits = {{"txtA", "1"}, {"txtB", "{txtA}"}, {"txtC", ""}};
    const auto edit = [&](const QString &name) { return edits.at(name); };
    const struct {
        const char *text;
        const char *composed;
    } cases[] = {
        {"", ""},
        {"fixed words", "fixed words"},
        {"{txtA}", "1"},
        {"n. {txtA}/{txtC}-{txtB}", "n. 1/-{txtA}"},
        {"{txtC}  {txtA}", "  1"},
        {"open { without close", "open { without close"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ComposeCertificateText(c.text, edit), c.composed) << c.text;
}

TEST_F(CertificatePrint, ACardWithoutAnEditReportsTheFailureAndPrintsNothing)
{
    delete card.findChild<QLineEdit *>("txtMicrochip");
    PrintCertificate(&card, type);
    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "errorbox");
    EXPECT_TRUE(sp.calls[0].text.startsWith(PrintFailureMessage())) << sp.calls[0].text.toStdString();

    sp.clear();
    PreviewCertificate(&card, type);
    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "errorbox");
    EXPECT_TRUE(sp.calls[0].text.startsWith(PreviewFailureMessage())) << sp.calls[0].text.toStdString();
}

TEST_F(CertificatePrint, CancelledPrintLeavesTheCardAndPreviewShowsOnePage)
{
    card.set({{"txtNum", "7"}, {"txtNomeAni", "Fido"}});
    const auto before = card.texts();
    sp.printAnswers = {false};
    PrintCertificate(&card, type);
    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "print");
    EXPECT_EQ(card.texts(), before);

    sp.clear();
    sp.printAnswers = {false};
    int pages = -1;
    sp.onModal = [&](QWidget *w) {
        auto *preview = qobject_cast<ReportPreview *>(w);
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->parentWidget(), &card);
        pages = preview->preview->pageCount();
        preview->actStampa->trigger();
        preview->actChiudi->trigger();
    };
    PreviewCertificate(&card, type);
    EXPECT_EQ(pages, 1);
    ASSERT_EQ(sp.calls.size(), 2u);
    EXPECT_EQ(sp.calls[0].kind, "modal");
    EXPECT_EQ(sp.calls[1].kind, "print");
    EXPECT_EQ(card.texts(), before);
}

TEST_F(CertificatePrint, ThePrintedPageReadsAsTheCard)
{
    card.set({{"txtStudio", "Studio Veterinario Bianchi"}, {"txtNum", "107"}, {"txtData", "10/12/2026"},
              {"txtComuneRes", "Roma"}, {"txtProvRes", "RM"}, {"txtNomeAni", "Fido [cane]"},
              {"txtVeterinario", "Anna Neri"}});
    const QString path = sp.file("certificato.pdf");
    ExportReportPdf(PrepareCertificate(&card, type), path);
    ASSERT_EQ(PdfPageCount(path), 1);
    const QString words = PdfText(path).simplified();
    if (words.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    for (const char *expected :
         {"Studio Veterinario Bianchi", "Certificato n. / Certificate No. 107", "Data / Date: 10/12/2026",
          "CERTIFICATO SANITARIO PER ANIMALE DA COMPAGNIA", "Nome dell'animale / Animal's name:", "Fido [cane]",
          "Roma RM", "Dr. Anna Neri"})
        EXPECT_TRUE(words.contains(QString::fromUtf8(expected))) << expected;
}

TEST_F(CertificatePrint, TheHealthCardPrintsWhatItShowsSavedOrNot)
{
    TfrmCertificato_Sanitario health;
    health.show();
    ASSERT_TRUE(WaitActive(&health));
    health.edit("Num")->setText(" 12 ");
    health.edit("NomeAni")->setText("Fido [cane]");
    health.edit("ComuneRes")->setText("Roma");
    health.edit("ProvRes")->setText("RM");
    health.findChild<QLineEdit *>("txtindirizzoRes")->setText("Via Po 3");

    QStringList previewed;
    sp.onModal = [&](QWidget *w) {
        auto *preview = qobject_cast<ReportPreview *>(w);
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->preview->pageCount(), 1);
        previewed << preview->windowTitle();
    };
    QTest::mouseClick(health.cmdAnteprima, Qt::LeftButton);
    sp.onModal = nullptr;
    EXPECT_EQ(previewed.size(), 1);

    sp.printAnswers = {false};
    QTest::mouseClick(health.cmdStampa, Qt::LeftButton);
    ASSERT_EQ(sp.calls.size(), 2u);
    EXPECT_EQ(sp.calls[0].kind, "modal");
    EXPECT_EQ(sp.calls[1].kind, "print");

    const PreparedReport report = PrepareCertificate(&health, type);
    EXPECT_EQ(report.texts("txtNum"), QStringList{"Certificato n. / Certificate No. 12"});
    EXPECT_EQ(report.texts("txtNomeAni"), QStringList{"Fido [cane]"});
    EXPECT_EQ(report.texts("txtComuneRes"), QStringList{"Roma  RM"});
    EXPECT_EQ(report.texts("txtIndirizzoRes"), QStringList{"Via Po 3"});
    EXPECT_EQ(health.lblPosizione->text(), "");
    EXPECT_EQ(QDir(sp.folder()).entryList(QDir::Files), QStringList{}) << "nothing saved, nothing read";
}

namespace {

// The filled objects of the consent that show one edit alone, and that edit.
const std::map<QString, QString> ConsentPlainValues = {
    {"txtStudio", "txtStudio"},         {"txtIntRigo02", "txtIntRigo02"},   {"txtIntRigo03", "txtIntRigo03"},
    {"txtIntRigo04", "txtIntRigo04"},   {"txtProprietario", "txtProprietario"}, {"txtSesso", "txtSesso"},
    {"txtDataNasc", "txtDataNasc"},     {"txtCodFisc", "txtCodFisc"},       {"txtComuneNasc", "txtComuneNasc"},
    {"txtIndirizzoRes", "txtindirizzoRes"}, {"txtCapRes", "txtCapRes"},     {"txtRecapito", "txtRecapito"},
    {"txtNomeAni", "txtNomeAni"},       {"txtSessoAni", "txtSessoAni"},     {"txtDataNascAni", "txtDataNascAni"},
    {"txtSpecie", "txtSpecie"},         {"txtRazza", "txtRazza"},           {"txtTaglia", "txtTaglia"},
    {"txtPelo", "txtPelo"},             {"txtMantello", "txtMantello"},     {"txtMicrochip", "txtMicrochip"},
    {"txtTatuaggio", "txtTatuaggio"},   {"txtSegni", "txtSegni"},           {"txtProprietarioAni", "txtProprietario"},
    {"txtIntervento", "txtIntervento"}, {"txtTrattamenti", "txtTrattamenti"},
};

class ConsentPrint : public ::testing::Test {
protected:
    const CertificateType &type = SurgeryConsentType();
    ScriptedPlatform sp;
    FakeCard card{type};
};

} // namespace

TEST_F(ConsentPrint, TheThirtyOneFilledObjectsShowTheirTrimmedEdits)
{
    const std::vector<PrintCase> cases = {
        {"an empty card: the fixed parts alone", {},
         {{"txtNum", "Consenso n. "}, {"txtData", ", "}, {"txtVeterinario", "Dr. "}, {"txtComuneRes", "  "}}},
        {"values with blanks around",
         {{"txtNum", " 107 "}, {"txtData", "10/12/2026"}, {"txtLuogo", " Pavia "}, {"txtVeterinario", " Anna Neri"},
          {"txtComuneRes", " Roma "}, {"txtProvRes", "RM "}, {"txtIntervento", "  Ovariectomia  in laparoscopia "}},
         {{"txtNum", "Consenso n. 107"},
          {"txtData", "Pavia, 10/12/2026"},
          {"txtVeterinario", "Dr. Anna Neri"},
          {"txtComuneRes", "Roma  RM"}}},
        {"a place without a date", {{"txtLuogo", "Pavia"}}, {{"txtData", "Pavia, "}}},
        {"a date without a place", {{"txtData", "01/02/2026"}}, {{"txtData", ", 01/02/2026"}}},
        {"brackets print as typed", {{"txtNum", "[12]"}, {"txtTrattamenti", "{txtNum}"}},
         {{"txtNum", "Consenso n. [12]"}}},
    };
    ExpectPrintedValues(card, type, "Consenso Intervento Chirurgico", cases, ConsentPlainValues);
    EXPECT_TRUE(sp.calls.empty());
    EXPECT_EQ(QDir(sp.folder()).entryList(QDir::Files), QStringList{}) << "the printout opens no file";
}

TEST_F(ConsentPrint, FixedTextsProceduresAndDeclarationStandAtTheirPlaces)
{
    const PreparedReport report = PrepareCertificate(&card, type);
    const struct {
        const char *object;
        QRectF mm;
        double points;
        ReportHAlign align;
    } placed[] = {
        {"txtNum", {12.0, 32.0, 108.0, 4.2}, 9, ReportHAlign::Left},
        {"txtData", {122.8, 32.0, 75.0, 4.2}, 9, ReportHAlign::Right},
        {"txtProprietario", {85.0, 55.6, 108.0, 4.0}, 8, ReportHAlign::Left},
        {"txtRecapito", {85.0, 90.8, 108.0, 4.0}, 8, ReportHAlign::Left},
        {"txtNomeAni", {85.0, 106.6, 108.0, 4.0}, 8, ReportHAlign::Left},
        {"txtSegni", {85.0, 150.6, 108.0, 4.0}, 8, ReportHAlign::Left},
        {"txtSegn", {19.0, 150.6, 60.0, 4.0}, 8, ReportHAlign::Left},
        {"txtIntervento", {16.0, 177.0, 178.0, 4.0}, 8, ReportHAlign::Left},
        {"txtTrattamenti", {16.0, 187.0, 178.0, 4.0}, 8, ReportHAlign::Left},
        {"txtVeterinario", {16.0, 197.0, 178.0, 4.0}, 8, ReportHAlign::Center},
        {"txtProprietarioAni", {125.0, 281.6, 69.0, 4.4}, 8, ReportHAlign::Center},
    };
    for (const auto &p : placed) {
        const PreparedText *t = report.findText(p.object);
        ASSERT_NE(t, nullptr) << p.object;
        EXPECT_EQ(t->rect, p.mm) << p.object;
        EXPECT_EQ(t->style.font.pointSize, p.points) << p.object;
        EXPECT_EQ(t->style.hAlign, p.align) << p.object;
        EXPECT_FALSE(t->style.wordWrap) << p.object;
    }
    EXPECT_EQ(report.findText("txtSegn")->text, "Segni particolari:");

    // Every fixed text by its words: the title, the headings, the procedures, the seventeen lines
    // of the declaration one below the other, and the signature caption.
    QMap<QString, QRectF> fixed;
    for (const PreparedItem &item : report.pages[0].items)
        if (auto *t = std::get_if<PreparedText>(&item); t && !t->name.startsWith("txt"))
            fixed.insert(t->text, t->rect);
    const struct {
        const char *text;
        QRectF mm;
    } words[] = {
        {"CONSENSO INFORMATO ALL'ANESTESIA E ALL'INTERVENTO CHIRURGICO", {11.7, 38.8, 186.8, 5.0}},
        {"Il sottoscritto:", {16.0, 47.5, 184.0, 4.8}},
        {"proprietario dell'animale:", {16.0, 98.5, 184.0, 4.8}},
        {"Città:", {19.0, 86.4, 60.0, 4.0}},
        {"DICHIARA DI AUTORIZZARE LE SEGUENTI PROCEDURE:", {16.0, 158.0, 178.0, 5.0}},
        {"condizioni generali dell'animale.", {16.0, 168.0, 183.0, 4.0}},
        {"3. Ulteriori trattamenti terapeutici medici e/o chirurgici:", {16.0, 183.0, 183.0, 4.0}},
        {"Dichiara di essere stato informato che l'animale sarà sottoposto ad anestesia generale e che tale pratica "
         "non è esente da complicanze",
         {16.0, 204.0, 183.0, 4.0}},
        {"l'autopsia, l'incenerimento.", {16.0, 240.0, 183.0, 4.0}},
        {"imprevedibili dello stesso possano condizionare negativamente l'esito dell'intervento o esporne a rischi "
         "la vita.",
         {16.0, 268.0, 183.0, 4.0}},
        {"FIRMA DEL PROPRIETARIO DELL'ANIMALE:", {49.0, 279.0, 74.0, 4.0}},
    };
    for (const auto &w : words) {
        const QString text = QString::fromUtf8(w.text);
        ASSERT_TRUE(fixed.contains(text)) << w.text;
        EXPECT_EQ(fixed.value(text), w.mm) << w.text;
    }
    int declarationLines = 0;
    for (auto it = fixed.begin(); it != fixed.end(); ++it)
        if (it->left() == 16.0 && it->top() >= 204.0 && it->top() < 272.0)
            ++declarationLines;
    EXPECT_EQ(declarationLines, 17);

    // The frame's four rules, the three rules under the procedures and the signature line.
    std::vector<std::pair<QPointF, QPointF>> lines;
    std::vector<PreparedRectangle> boxes;
    for (const PreparedItem &item : report.pages[0].items) {
        if (auto *l = std::get_if<PreparedLine>(&item))
            lines.emplace_back(l->from, l->to);
        if (auto *r = std::get_if<PreparedRectangle>(&item))
            boxes.push_back(*r);
    }
    const std::vector<std::pair<QPointF, QPointF>> rules = {
        {{10.2, 29.6}, {199.8, 29.6}}, {{10.0, 30.0}, {10.0, 287.0}},   {{200.0, 30.0}, {200.0, 287.0}},
        {{10.0, 287.0}, {200.0, 287.0}}, {{16.0, 182.0}, {194.0, 182.0}}, {{16.0, 192.0}, {194.0, 192.0}},
        {{16.0, 202.0}, {194.0, 202.0}}, {{125.0, 281.2}, {194.0, 281.2}}};
    EXPECT_EQ(lines, rules);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].rect, QRectF(11.2, 37.8, 187.8, 7.0));
    EXPECT_EQ(*boxes[0].fill, QColor(245, 245, 220));
    EXPECT_EQ(boxes[1].rect, QRectF(16.0, 54.0, 178.0, 42.2));
    EXPECT_FALSE(boxes[1].fill.has_value());
    EXPECT_EQ(boxes[2].rect, QRectF(16.0, 105.0, 178.0, 51.2));
}

TEST_F(ConsentPrint, TheConsentCardPrintsWhatItShowsAndTheOwnerTwice)
{
    TfrmConsenso_Intervento consent;
    consent.show();
    ASSERT_TRUE(WaitActive(&consent));
    consent.edit("Num")->setText(" 7 ");
    consent.edit("Proprietario")->setText("Rossi Mario");
    consent.edit("Intervento")->setText("Ovariectomia");
    consent.edit("Veterinario")->setText("Anna Neri");

    QStringList previewed;
    sp.onModal = [&](QWidget *w) {
        auto *preview = qobject_cast<ReportPreview *>(w);
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->preview->pageCount(), 1);
        previewed << preview->windowTitle();
    };
    QTest::mouseClick(consent.cmdAnteprima, Qt::LeftButton);
    sp.onModal = nullptr;
    EXPECT_EQ(previewed.size(), 1);
    sp.printAnswers = {false};
    QTest::mouseClick(consent.cmdStampa, Qt::LeftButton);
    ASSERT_EQ(sp.calls.size(), 2u);
    EXPECT_EQ(sp.calls[1].kind, "print");

    const QString path = sp.file("consenso.pdf");
    ExportReportPdf(PrepareCertificate(&consent, type), path);
    ASSERT_EQ(PdfPageCount(path), 1);
    const QString words = PdfText(path).simplified();
    if (!words.isEmpty()) {
        for (const char *expected : {"Consenso n. 7", "Ovariectomia", "Dr. Anna Neri",
                                     "DICHIARA DI AUTORIZZARE LE SEGUENTI PROCEDURE:"})
            EXPECT_TRUE(words.contains(QString::fromUtf8(expected))) << expected;
        EXPECT_EQ(words.count("Rossi Mario"), 2) << "in the owner's box and under the signature line";
    }
    EXPECT_EQ(consent.lblPosizione->text(), "");
    QFile::remove(path);
    EXPECT_EQ(QDir(sp.folder()).entryList(QDir::Files), QStringList{}) << "nothing saved, nothing read";
}
