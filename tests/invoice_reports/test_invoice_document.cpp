#include "common/ui/RecordCard.h"
#include "common/ui/report/ReportRenderer.h"
#include "invoice_reports/InvoiceDocument.h"
#include "tests/invoices/InvoiceFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <map>
#include <vector>

namespace {

QString row(const char *stem, int line) { return QString::fromLatin1(stem) + QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0')); }

const char *const RowStems[] = {"txtQuant", "txtCodice", "txtDesc", "txtPrezzo", "txtPercSconto", "txtImporto"};

// The invoice card of the fixture, filled by name for the document.
class InvoiceDocument : public InvoiceWindows {
protected:
    void SetUp() override
    {
        InvoiceWindows::SetUp();
        showCard();
    }
    void set(const std::map<QString, QString> &texts)
    {
        for (const auto &[name, text] : texts) {
            auto *control = card->findChild<QWidget *>(name);
            ASSERT_NE(control, nullptr) << name.toStdString();
            SetControlText(control, text);
        }
    }
    // Every card control the document reads, emptied, issuer and VAT rate included.
    void emptyCard()
    {
        card->ClearInvoiceCard();
        for (QWidget *w : std::initializer_list<QWidget *>{
                 card->txtDitta, card->txtViaDitta, card->txtCapDitta, card->txtCittaDitta, card->txtProvDitta,
                 card->txtIvaDitta, card->txtCodFiscDitta, card->txtLibero01, card->txtLibero02, card->txtPagamento,
                 card->txtBanca, card->txtIban, card->txtPercIva})
            SetControlText(w, QString());
    }
    PreparedReport fill(const QImage &logo = QImage())
    {
        InvoiceReportTemplate document;
        return FillInvoiceDocument(document, logo, *card);
    }
};

} // namespace

TEST_F(InvoiceDocument, FillTakesEachCardTextTrimmedWithItsPrefix)
{
    struct Case {
        const char *what;
        std::map<QString, QString> card;
        std::map<QString, QString> printed;   // the objects checked, with their texts
    };
    const std::vector<Case> cases = {
        {"every field, with blanks and control characters around",
         {{"txtNumFatt", " 12/2026 "}, {"txtData", "\t05/03/2026"}, {"txtDitta", " Ambulatorio Sole "},
          {"txtViaDitta", "Via Roma 1 "}, {"txtCapDitta", "00100"}, {"txtCittaDitta", " Roma"},
          {"txtProvDitta", "RM "}, {"txtIvaDitta", "01234567890"}, {"txtCodFiscDitta", " RSSMRA70A01H501U"},
          {"txtLibero01", "Tel. 06 123"}, {"txtLibero02", " www.sole.it "}, {"txtCliente", " Bianchi Lucia"},
          {"txtViaCliente", "Via Po 3"}, {"txtCapCliente", "20100 "}, {"txtCittaCliente", "Milano"},
          {"txtProvCliente", "MI"}, {"txtIvaCliente", " 09876543210 "}, {"txtCodFiscCliente", "BNCLCU70B41H501X"},
          {"txtRiferimenti", " Visita del 01/03 "}, {"txtPagamento", "Bonifico 30 gg"}, {"txtBanca", " Banca Uno"},
          {"txtIban", "IT60X0542811101000000123456"}, {"txtNote", " Grazie "}, {"memVeicolo", " Fido "},
          {"memMarca", "10%"}, {"memColore", "300,00 "}, {"memImmatricolazione", "3 rate"},
          {"memAlimentazione", " Saldato"}, {"memTarga", "nessuno"}},
         {{"txtNumFatt", "Fattura Proforma n. 12/2026"},
          {"txtData", "Data emissione:  05/03/2026"},
          {"txtDitta", "Ambulatorio Sole"},
          {"txtViaDitta", "Via Roma 1"},
          {"txtCittaDitta", "00100 Roma RM"},
          {"txtIvaDitta", "P.IVA: 01234567890  C.F. RSSMRA70A01H501U"},
          {"txtLibero01", "Tel. 06 123"},
          {"txtLibero02", "www.sole.it"},
          {"txtCliente", "Bianchi Lucia"},
          {"txtViaCliente", "Via Po 3"},
          {"txtCittaCliente", "20100 Milano MI"},
          {"txtIvaCliente", "P.IVA: 09876543210"},
          {"txtCodFiscCliente", "C.F. BNCLCU70B41H501X"},
          {"txtRiferimenti", "Visita del 01/03"},
          {"txtPagamento", "Pagamento: Bonifico 30 gg"},
          {"txtBanca", "Banca d'appoggio: Banca Uno"},
          {"txtIban", "IBAN: IT60X0542811101000000123456"},
          {"txtNote", "Note: Grazie"},
          {"txtVeicolo", "Animale:  Fido"},
          {"txtMarca", "Sconti applicati:  10%"},
          {"txtColore", "Totale terapia:  300,00"},
          {"txtImmatricolazione", "Rateazione:  3 rate"},
          {"txtAlimentazione", "Stato pagamenti:  Saldato"},
          {"txtTarga", "Interessi di mora:  nessuno"}}},
        {"empty card: every prefix but the customer's VAT number and tax code",
         {},
         {{"txtNumFatt", "Fattura Proforma n. "},
          {"txtData", "Data emissione:  "},
          {"txtDitta", ""},
          {"txtCittaDitta", "  "},
          {"txtIvaDitta", "P.IVA:   C.F. "},
          {"txtCliente", ""},
          {"txtCittaCliente", "  "},
          {"txtIvaCliente", ""},
          {"txtCodFiscCliente", ""},
          {"txtPagamento", "Pagamento: "},
          {"txtBanca", "Banca d'appoggio: "},
          {"txtIban", "IBAN: "},
          {"txtNote", "Note: "},
          {"txtTotImponibile", ""},
          {"txtPercIva", ""},
          {"txtTotFattura", ""},
          {"txtVeicolo", "Animale:  "},
          {"txtMarca", "Sconti applicati:  "},
          {"txtColore", "Totale terapia:  "},
          {"txtImmatricolazione", "Rateazione:  "},
          {"txtAlimentazione", "Stato pagamenti:  "},
          {"txtTarga", "Interessi di mora:  "}}},
        {"tax code without VAT number; blanks only count as empty",
         {{"txtIvaCliente", "   "}, {"txtCodFiscCliente", " BNCLCU70B41H501X "}, {"txtIvaDitta", " "},
          {"txtCodFiscDitta", "RSSMRA70A01H501U"}},
         {{"txtIvaCliente", ""},
          {"txtCodFiscCliente", "C.F. BNCLCU70B41H501X"},
          {"txtIvaDitta", "P.IVA:   C.F. RSSMRA70A01H501U"}}},
        {"town and province without postcode keep their blanks",
         {{"txtCittaCliente", "Roma"}, {"txtProvCliente", "RM"}, {"txtCapDitta", "00100"}},
         {{"txtCittaCliente", " Roma RM"}, {"txtCittaDitta", "00100  "}}},
        {"square brackets and braces print as typed",
         {{"txtCliente", "[Cliente] {txtNote}"}, {"txtNote", "[DATE]"}},
         {{"txtCliente", "[Cliente] {txtNote}"}, {"txtNote", "Note: [DATE]"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        emptyCard();
        set(c.card);

        const PreparedReport report = fill();

        ASSERT_EQ(report.pages.size(), 1u);
        for (const auto &[object, text] : c.printed)
            EXPECT_EQ(report.texts(object), QStringList{text}) << object.toStdString();
    }
}

TEST_F(InvoiceDocument, RowsTakeTheirOwnCardLinesAsShownWithoutWorkingAnythingOut)
{
    emptyCard();
    // Line 1 worked out, line 7 with only a description, line 30 full, a VAT-exempt line, an amount
    // with four decimals and totals that a key emptied after the last computation.
    set({{"txtQuant01", " 2 "}, {"txtCodice01", "VIS01"}, {"txtDesc01", " Visita clinica"}, {"txtPrezzo01", "35,00"},
         {"txtPercSconto01", "10"}, {"txtImporto01", "63,00"}, {"txtDesc07", "Solo descrizione"},
         {"txtQuant30", "3"}, {"txtPrezzo30", "1,2345"}, {"txtImporto30", "3,7035"}, {"txtPercIva", "22"},
         {"txtTotImponibile", ""}, {"txtTotImposta", ""}, {"txtTotIva", ""}, {"txtTotEsente", "5,00"},
         {"txtTotFattura", ""}});
    card->chkEs[0]->setChecked(true);
    card->chkSaldata->setChecked(true);

    const PreparedReport report = fill();

    const std::map<QString, QString> expected = {
        {"txtQuant01", "2"},          {"txtCodice01", "VIS01"},       {"txtDesc01", "Visita clinica"},
        {"txtPrezzo01", "35,00"},     {"txtPercSconto01", "10"},      {"txtImporto01", "63,00"},
        {"txtDesc07", "Solo descrizione"},
        {"txtQuant30", "3"},          {"txtPrezzo30", "1,2345"},      {"txtImporto30", "3,7035"},
        {"txtPercIva", "22"},         {"txtTotImponibile", ""},       {"txtTotImposta", ""},
        {"txtTotIva", ""},            {"txtTotEsente", "5,00"},       {"txtTotFattura", ""},
    };
    for (int line = 1; line <= InvoiceLineCount; ++line)
        for (const char *stem : RowStems) {
            const QString name = row(stem, line);
            const auto it = expected.find(name);
            EXPECT_EQ(report.texts(name), QStringList{it == expected.end() ? QString() : it->second})
                << name.toStdString();
        }
    for (const auto &[name, text] : expected) {
        if (name.startsWith("txtTot") || name == "txtPercIva") {
            EXPECT_EQ(report.texts(name), QStringList{text}) << name.toStdString();
        }
    }
    // The document reads the card and changes nothing on it.
    EXPECT_EQ(card->txtTotFattura->text(), "");
    EXPECT_EQ(card->txtQuant[0]->text(), " 2 ");
    EXPECT_EQ(card->lblPosizione->text(), "");
}

TEST_F(InvoiceDocument, PageHoldsTheFixedTextsAndPlacesRowsAtTheirPitch)
{
    emptyCard();
    const PreparedReport report = fill();

    ASSERT_EQ(report.pages.size(), 1u);
    EXPECT_EQ(report.paperSize(), QSizeF(210, 297));
    EXPECT_EQ(report.name, "Fattura Proforma");
    EXPECT_EQ(report.pdfInfo.title, "Fattura");
    EXPECT_EQ(report.pdfInfo.subject, "Fattura");
    EXPECT_EQ(report.pdfInfo.author, "FastReport");
    EXPECT_EQ(report.pdfInfo.creator, "Orsanti Software");

    const std::map<QString, QString> fixed = {
        {"titSpettabile", "Spettabile"},   {"titRiferimenti", "Riferimenti:"},   {"titQuant", "Quant."},
        {"titCodice", "Codice art."},      {"titDesc", "Descrizione"},           {"titPrezzo", "Prezzo"},
        {"titPercSconto", "% Sc."},        {"titImporto", "Imp. tot."},          {"titTotImponibile", "TOT. IMPONIBILE"},
        {"titPercIva", "% IVA"},           {"titTotImposta", "TOT. IMPOSTA"},    {"titTotIva", "TOT. IVA INCLUSA"},
        {"titTotEsente", "TOT. ESENTE"},   {"titTotFattura", "TOT. DOCUMENTO"},
        {"titPrivacy", QString::fromUtf8("I dati personali del Cliente saranno trattati ai sensi della normativa "
                                         "vigente sulla privacy esclusivamente per l'erogazione del servizio e non "
                                         "saranno forniti a terzi.")},
        {"titConai", QString::fromUtf8("La presente fattura proforma non ha valore fiscale. La fattura fiscale sarà "
                                       "emessa contestualmente al pagamento dei corrispettivi.")},
    };
    for (const auto &[name, text] : fixed)
        EXPECT_EQ(report.texts(name), QStringList{text}) << name.toStdString();

    // Placed from the paper's corner: the 10 mm margin plus the object's own place.
    struct Place {
        const char *name;
        QRectF mm;
        double points;
        bool bold;
        ReportHAlign align;
    };
    const Place places[] = {
        {"txtNumFatt", {97.0, 14.5, 97.0, 4.0}, 9, true, ReportHAlign::Left},
        {"txtQuant01", {14.0, 98.0, 13.0, 4.5}, 8, false, ReportHAlign::Center},
        {"txtDesc07", {70.0, 128.0, 75.0, 4.5}, 8, false, ReportHAlign::Left},
        {"txtImporto30", {179.0, 243.0, 17.2, 4.5}, 8, false, ReportHAlign::Right},
        {"txtPercIva", {45.8, 255.0, 20.5, 3.8}, 8, false, ReportHAlign::Center},
        {"txtTotFattura", {166.0, 255.4, 29.6, 3.8}, 8, true, ReportHAlign::Right},
        {"txtTarga", {107.0, 273.4, 88.0, 4.0}, 8, false, ReportHAlign::Left},
        {"titPrivacy", {13.0, 279.0, 191.0, 3.5}, 6, false, ReportHAlign::Left},
    };
    for (const Place &p : places) {
        const PreparedText *t = report.findText(p.name);
        ASSERT_NE(t, nullptr) << p.name;
        EXPECT_NEAR(t->rect.left(), p.mm.left(), 1e-9) << p.name;
        EXPECT_NEAR(t->rect.top(), p.mm.top(), 1e-9) << p.name;
        EXPECT_NEAR(t->rect.width(), p.mm.width(), 1e-9) << p.name;
        EXPECT_NEAR(t->rect.height(), p.mm.height(), 1e-9) << p.name;
        EXPECT_EQ(t->style.font.family, "Arial") << p.name;
        EXPECT_EQ(t->style.font.pointSize, p.points) << p.name;
        EXPECT_EQ(t->style.font.bold, p.bold) << p.name;
        EXPECT_EQ(t->style.hAlign, p.align) << p.name;
        EXPECT_FALSE(t->style.wordWrap) << p.name;
    }
    EXPECT_EQ(report.findText("txtNote")->style.vAlign, ReportVAlign::Center);
    EXPECT_EQ(report.findText("titTotFattura")->style.fill, QColor(255, 165, 0));
    EXPECT_EQ(report.findText("titTotImponibile")->style.fill, QColor(230, 230, 250));
}

TEST_F(InvoiceDocument, LongValueIsCutAtItsCellAndLogoKeepsItsProportionsAtTheTopLeft)
{
    emptyCard();
    set({{"txtDesc01", QString(200, u'W')}});
    // A wide logo: 4:1 fills the box's width and a quarter of it in height.
    QImage logo(400, 100, QImage::Format_RGB32);
    logo.fill(Qt::red);

    const PreparedReport report = fill(logo);

    // Drawn at 4 pixels a millimetre.
    constexpr double Scale = 4;
    QImage page(qRound(210 * Scale), qRound(297 * Scale), QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(qRound(Scale * 1000));
    page.setDotsPerMeterY(qRound(Scale * 1000));
    {
        QPainter painter(&page);
        RenderReportPage(painter, report.pages[0]);
    }
    const auto px = [&](double xMm, double yMm) { return page.pixelColor(qRound(xMm * Scale), qRound(yMm * Scale)); };
    // The description reaches the column line but nothing lies beyond it in the price cell.
    bool inkInDescription = false;
    for (double x = 72; x < 140; x += 0.5)
        inkInDescription |= px(x, 100.2).lightness() < 128;
    EXPECT_TRUE(inkInDescription);
    for (double x = 147.5; x < 163.5; x += 0.25)
        for (double y = 98.5; y < 102.2; y += 0.25)
            ASSERT_EQ(px(x, y), QColor(Qt::white)) << x << " " << y;
    // The logo: 77 mm wide, 19.25 mm high, from (13, 13); below it the box stays white.
    EXPECT_EQ(px(14, 14), QColor(Qt::red));
    EXPECT_EQ(px(89, 31.5), QColor(Qt::red));
    EXPECT_EQ(px(50, 33.5), QColor(Qt::white));
    EXPECT_EQ(px(50, 50), QColor(Qt::white));
}
