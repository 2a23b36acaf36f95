#pragma once
#include "common/report/ReportTemplate.h"

#include <QImage>
#include <QList>
#include <QString>

class TfrmFatture;

// The printed pro-forma invoice: one A4 portrait page with 10 mm margins and no bands, every object
// at a fixed place, so the document is always exactly one page. Objects named "txt..." are
// filled from the invoice card each time; "tit..." texts, rectangles and lines print as built.
class InvoiceReportTemplate : public ReportTemplate {
public:
    InvoiceReportTemplate();
};

// One text the document takes from the card: the template's object and its new text.
struct InvoiceDocumentText {
    QString object;
    QString text;
};

// The texts of every "txt..." object for the card as it stands, in the order they are filled. Each
// card value is trimmed; nothing is worked out again, so amounts and totals print as shown.
QList<InvoiceDocumentText> InvoiceDocumentTexts(const TfrmFatture &card);

// Puts the logo and the card's texts into the template and prepares the page, discarding whatever
// was prepared before. Reads the card only.
PreparedReport FillInvoiceDocument(InvoiceReportTemplate &report, const QImage &logo, const TfrmFatture &card);
