#include "invoice_reports/InvoiceDocument.h"

#include "common/Maker.h"
#include "common/Text.h"
#include "common/ui/RecordCard.h"
#include "invoices/Fatture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <optional>
#include <vector>

namespace {

const QColor Lavender(230, 230, 250);
const QColor Orange(255, 165, 0);

// Text styles of the table below, combined with |.
enum Style : int { Plain = 0, Bold = 1, Centre = 2, Right = 4, Middle = 8 };

// One object of the page, in millimetres from the top left of the printable area. A text without
// `words` is filled from the card; one with `words` prints them as they stand.
struct PageObject {
    enum class Kind { Text, Rectangle, Line, Picture };
    QString name;
    Kind kind;
    QRectF mm;
    double points = 0;
    int style = Plain;
    std::optional<QColor> fill{};
    QString words{};
};

PageObject text(const char *name, QRectF mm, double points, int style = Plain, const char *words = nullptr,
                std::optional<QColor> fill = std::nullopt)
{
    return {QString::fromLatin1(name), PageObject::Kind::Text, mm, points, style, fill,
            words ? QString::fromUtf8(words) : QString()};
}

PageObject box(const char *name, QRectF mm, std::optional<QColor> fill = std::nullopt)
{
    return {QString::fromLatin1(name), PageObject::Kind::Rectangle, mm, 0, Plain, fill};
}

// A horizontal line of `width` from (left, top), or a vertical one of `height`.
PageObject across(const char *name, double left, double top, double width)
{
    return {QString::fromLatin1(name), PageObject::Kind::Line, QRectF(left, top, width, 0)};
}
PageObject down(const char *name, double left, double top, double height)
{
    return {QString::fromLatin1(name), PageObject::Kind::Line, QRectF(left, top, 0, height)};
}

// The cells of one article row: the card's line edit they print, left, width and alignment.
struct RowCell {
    const char *stem;
    double left;
    double width;
    int style;
};
constexpr RowCell RowCells[] = {
    {"txtQuant", 4.0, 13.0, Centre},  {"txtCodice", 19.0, 39.0, Plain},     {"txtDesc", 60.0, 75.0, Plain},
    {"txtPrezzo", 137.0, 17.0, Right}, {"txtPercSconto", 156.0, 11.0, Centre}, {"txtImporto", 169.0, 17.2, Right},
};
constexpr double FirstRowTop = 88.0;
constexpr double RowPitch = 5.0;
constexpr double CellHeight = 4.5;

QString rowName(const char *stem, int line) { return QString::fromLatin1(stem) + QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0')); }

// Every object of the page in drawing order: a filled box comes before the texts that stand on it.
std::vector<PageObject> pageObjects()
{
    std::vector<PageObject> page{
        box("shpGabbia", {1.0, 1.0, 188.0, 275.0}),
        {QStringLiteral("imgLogo"), PageObject::Kind::Picture, {3.0, 3.0, 77.0, 38.0}},
        box("shpNumFatt", {84.0, 3.0, 103.0, 12.0}, Lavender),
        text("txtNumFatt", {87.0, 4.5, 97.0, 4.0}, 9, Bold),
        text("txtData", {87.0, 9.5, 97.0, 4.0}, 9),
        text("titSpettabile", {84.0, 17.0, 77.0, 5.0}, 8, Plain, "Spettabile"),
        text("txtCliente", {84.0, 23.0, 103.0, 5.0}, 9, Bold),
        text("txtViaCliente", {84.0, 27.5, 103.0, 5.0}, 9, Bold),
        text("txtCittaCliente", {84.0, 32.0, 103.0, 5.0}, 9, Bold),
        text("txtIvaCliente", {84.0, 38.0, 103.0, 5.0}, 8, Bold),
        text("txtCodFiscCliente", {84.0, 42.5, 103.0, 5.0}, 8, Bold),
        text("titRiferimenti", {84.0, 48.0, 100.0, 5.0}, 8, Plain, "Riferimenti:"),
        text("txtRiferimenti", {84.0, 52.5, 103.0, 5.0}, 8),
        text("txtDitta", {3.0, 46.0, 77.0, 5.0}, 9, Bold),
        text("txtViaDitta", {3.0, 50.5, 77.0, 5.0}, 9),
        text("txtCittaDitta", {3.0, 55.0, 77.0, 5.0}, 9),
        text("txtIvaDitta", {3.0, 59.5, 77.0, 5.0}, 8),
        text("txtLibero01", {3.0, 65.0, 77.0, 4.0}, 8),
        text("txtLibero02", {3.0, 69.5, 77.0, 4.0}, 8),
        box("shpBanca", {84.0, 58.0, 103.0, 17.0}, Lavender),
        text("txtPagamento", {86.0, 60.0, 98.0, 5.0}, 8),
        text("txtBanca", {86.0, 65.0, 98.0, 5.0}, 8),
        text("txtIban", {86.0, 70.0, 98.0, 5.0}, 8),
        across("linNote", 3.0, 75.0, 81.0),
        text("txtNote", {3.0, 76.0, 184.0, 4.0}, 8, Middle),

        // The article table: its frame, headings, rules and thirty rows without lines between them.
        box("shpArticoli", {3.0, 81.5, 184.0, 157.0}),
        text("titQuant", {4.0, 82.5, 13.0, 4.0}, 8, Bold | Centre, "Quant."),
        text("titCodice", {19.0, 82.5, 39.0, 4.0}, 8, Bold | Centre, "Codice art."),
        text("titDesc", {60.0, 82.5, 75.0, 4.0}, 8, Bold | Centre, "Descrizione"),
        text("titPrezzo", {137.0, 82.5, 17.0, 4.0}, 8, Bold | Centre, "Prezzo"),
        text("titPercSconto", {156.0, 82.5, 11.0, 4.0}, 8, Bold | Centre, "% Sc."),
        text("titImporto", {169.0, 82.5, 17.2, 4.0}, 8, Bold | Centre, "Imp. tot."),
        across("linSepara01", 3.0, 87.0, 184.0),
        down("linSepara06", 18.0, 81.5, 157.0),
        down("linSepara05", 59.0, 81.5, 157.0),
        down("linSepara07", 136.0, 81.5, 157.0),
        down("linSepara09", 155.0, 81.5, 157.0),
        down("linSepara08", 168.0, 81.5, 157.0),
    };
    for (const RowCell &cell : RowCells)
        for (int line = 1; line <= InvoiceLineCount; ++line)
            page.push_back({rowName(cell.stem, line), PageObject::Kind::Text,
                            QRectF(cell.left, FirstRowTop + RowPitch * (line - 1), cell.width, CellHeight), 8,
                            cell.style});

    const std::vector<PageObject> foot{
        // The totals strip: six cells of a caption over a value.
        box("shpRiepilogo", {3.0, 240.0, 184.0, 9.5}),
        across("linSepara02", 3.0, 244.5, 184.0),
        down("linSepara10", 35.0, 240.0, 9.6),
        down("linSepara11", 57.2, 240.0, 9.6),
        down("linSepara12", 89.6, 240.0, 9.6),
        down("linSepara13", 122.6, 240.0, 9.6),
        down("linSepara14", 155.0, 240.0, 9.6),
        text("titTotImponibile", {3.2, 240.1, 31.6, 4.2}, 8, Bold | Centre, "TOT. IMPONIBILE", Lavender),
        text("titPercIva", {35.2, 240.1, 21.6, 4.2}, 8, Bold | Centre, "% IVA", Lavender),
        text("titTotImposta", {57.4, 240.1, 31.8, 4.2}, 8, Bold | Centre, "TOT. IMPOSTA", Lavender),
        text("titTotIva", {89.8, 240.1, 32.4, 4.2}, 8, Bold | Centre, "TOT. IVA INCLUSA", Lavender),
        text("titTotEsente", {122.8, 240.1, 31.8, 4.2}, 8, Bold | Centre, "TOT. ESENTE", Lavender),
        text("titTotFattura", {155.2, 240.1, 31.8, 4.2}, 8, Bold | Centre, "TOT. DOCUMENTO", Orange),
        text("txtTotImponibile", {4.0, 245.4, 29.6, 3.8}, 8, Right),
        text("txtPercIva", {35.8, 245.0, 20.5, 3.8}, 8, Centre),
        text("txtTotImposta", {58.2, 245.4, 29.6, 3.8}, 8, Right),
        text("txtTotIva", {91.0, 245.4, 29.6, 3.8}, 8, Right),
        text("txtTotEsente", {123.8, 245.4, 29.6, 3.8}, 8, Right),
        text("txtTotFattura", {156.0, 245.4, 29.6, 3.8}, 8, Right | Bold),

        // The box of the six additional texts, two columns of three rows.
        box("shpDatiVeicolo", {3.0, 251.0, 184.0, 17.0}),
        down("linSepara15", 95.0, 251.0, 17.0),
        across("linSepara03", 3.0, 257.0, 184.0),
        across("linSepara04", 3.0, 262.5, 184.0),
        text("txtVeicolo", {5.0, 252.0, 88.0, 4.0}, 8),
        text("txtMarca", {97.0, 252.0, 88.0, 4.0}, 8),
        text("txtColore", {5.0, 258.0, 88.0, 4.0}, 8),
        text("txtImmatricolazione", {97.0, 258.0, 88.0, 4.0}, 8),
        text("txtAlimentazione", {5.0, 263.4, 88.0, 4.0}, 8),
        text("txtTarga", {97.0, 263.4, 88.0, 4.0}, 8),

        // The two notes at the foot; they reach 4 mm into the right margin.
        text("titPrivacy", {3.0, 269.0, 191.0, 3.5}, 6, Plain,
             "I dati personali del Cliente saranno trattati ai sensi della normativa vigente sulla privacy "
             "esclusivamente per l'erogazione del servizio e non saranno forniti a terzi."),
        text("titConai", {3.0, 272.5, 191.0, 3.2}, 6, Plain,
             "La presente fattura proforma non ha valore fiscale. La fattura fiscale sarà emessa contestualmente "
             "al pagamento dei corrispettivi."),
    };
    page.insert(page.end(), foot.begin(), foot.end());
    return page;
}

void addObject(ReportTemplate &report, const PageObject &o)
{
    switch (o.kind) {
    case PageObject::Kind::Text: {
        auto &t = report.add<ReportText>(o.name, o.mm);
        t.style.font.family = QStringLiteral("Arial");
        t.style.font.pointSize = o.points;
        t.style.font.bold = o.style & Bold;
        t.style.hAlign = (o.style & Centre) ? ReportHAlign::Center
                       : (o.style & Right)  ? ReportHAlign::Right
                                            : ReportHAlign::Left;
        t.style.vAlign = (o.style & Middle) ? ReportVAlign::Center : ReportVAlign::Top;
        t.style.wordWrap = false;
        t.style.fill = o.fill;
        t.setText(o.words);
        break;
    }
    case PageObject::Kind::Rectangle:
        report.add<ReportRectangle>(o.name, o.mm).fill = o.fill;
        break;
    case PageObject::Kind::Line:
        report.add<ReportLine>(o.name, o.mm);
        break;
    case PageObject::Kind::Picture:
        report.add<ReportPicture>(o.name, o.mm).centred = false;
        break;
    }
}

QString trimmed(const QWidget *control) { return TrimText(ControlText(control)); }

// `prefix` and the value, or nothing when the value is empty.
QString whenGiven(const QString &prefix, const QString &value) { return value.isEmpty() ? QString() : prefix + value; }

} // namespace

InvoiceReportTemplate::InvoiceReportTemplate() : ReportTemplate(QStringLiteral("Fattura Proforma"))
{
    orientation = QPageLayout::Portrait;
    margins = QMarginsF(10, 10, 10, 10);
    pdfInfo = {QStringLiteral("Fattura"), QStringLiteral("Fattura"), QStringLiteral("FastReport"),
               MakerName + QStringLiteral(" Software")};
    for (const PageObject &o : pageObjects())
        addObject(*this, o);
}

QList<InvoiceDocumentText> InvoiceDocumentTexts(const TfrmFatture &c)
{
    const auto t = [](const QWidget *control) { return trimmed(control); };
    QList<InvoiceDocumentText> texts{
        {QStringLiteral("txtNumFatt"), QStringLiteral("Fattura Proforma n. ") + t(c.txtNumFatt)},
        {QStringLiteral("txtData"), QStringLiteral("Data emissione:  ") + t(c.txtData)},
        {QStringLiteral("txtDitta"), t(c.txtDitta)},
        {QStringLiteral("txtViaDitta"), t(c.txtViaDitta)},
        {QStringLiteral("txtCittaDitta"), t(c.txtCapDitta) + u' ' + t(c.txtCittaDitta) + u' ' + t(c.txtProvDitta)},
        {QStringLiteral("txtIvaDitta"),
         QStringLiteral("P.IVA: ") + t(c.txtIvaDitta) + QStringLiteral("  C.F. ") + t(c.txtCodFiscDitta)},
        {QStringLiteral("txtLibero01"), t(c.txtLibero01)},
        {QStringLiteral("txtLibero02"), t(c.txtLibero02)},
        {QStringLiteral("txtCliente"), t(c.txtCliente)},
        {QStringLiteral("txtViaCliente"), t(c.txtViaCliente)},
        {QStringLiteral("txtCittaCliente"),
         t(c.txtCapCliente) + u' ' + t(c.txtCittaCliente) + u' ' + t(c.txtProvCliente)},
        {QStringLiteral("txtCodFiscCliente"), whenGiven(QStringLiteral("C.F. "), t(c.txtCodFiscCliente))},
        {QStringLiteral("txtIvaCliente"), whenGiven(QStringLiteral("P.IVA: "), t(c.txtIvaCliente))},
        {QStringLiteral("txtRiferimenti"), t(c.txtRiferimenti)},
        {QStringLiteral("txtPagamento"), QStringLiteral("Pagamento: ") + t(c.txtPagamento)},
        {QStringLiteral("txtBanca"), QStringLiteral("Banca d'appoggio: ") + t(c.txtBanca)},
        {QStringLiteral("txtIban"), QStringLiteral("IBAN: ") + t(c.txtIban)},
        {QStringLiteral("txtNote"), QStringLiteral("Note: ") + t(c.txtNote)},
    };
    // Row NN always takes line NN of the card: empty lines stay as empty rows.
    const auto each = [&texts, &t](const auto &controls) {
        for (const QWidget *control : controls)
            texts.append({control->objectName(), t(control)});
    };
    each(c.txtQuant);
    each(c.txtCodice);
    each(c.txtDesc);
    each(c.txtPrezzo);
    each(c.txtPercSconto);
    each(c.txtImporto);
    each(std::initializer_list<const QWidget *>{c.txtTotImponibile, c.txtPercIva, c.txtTotImposta, c.txtTotIva,
                                                c.txtTotEsente, c.txtTotFattura});
    texts += QList<InvoiceDocumentText>{
        {QStringLiteral("txtVeicolo"), QStringLiteral("Animale:  ") + t(c.memVeicolo)},
        {QStringLiteral("txtMarca"), QStringLiteral("Sconti applicati:  ") + t(c.memMarca)},
        {QStringLiteral("txtColore"), QStringLiteral("Totale terapia:  ") + t(c.memColore)},
        {QStringLiteral("txtImmatricolazione"), QStringLiteral("Rateazione:  ") + t(c.memImmatricolazione)},
        {QStringLiteral("txtAlimentazione"), QStringLiteral("Stato pagamenti:  ") + t(c.memAlimentazione)},
        {QStringLiteral("txtTarga"), QStringLiteral("Interessi di mora:  ") + t(c.memTarga)},
    };
    return texts;
}

PreparedReport FillInvoiceDocument(InvoiceReportTemplate &report, const QImage &logo, const TfrmFatture &card)
{
    report.orientation = QPageLayout::Portrait;
    report.find<ReportPicture>(QStringLiteral("imgLogo")).picture = logo;
    for (const InvoiceDocumentText &filled : InvoiceDocumentTexts(card))
        report.find<ReportText>(filled.object).setText(filled.text);
    return report.prepare();
}
