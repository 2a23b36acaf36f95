#include "invoice_reports/InvoiceLists.h"

#include "common/ArchiveSearch.h"
#include "common/Cp1252.h"
#include "common/Errors.h"
#include "common/NumberText.h"
#include "common/Text.h"
#include "invoices/Fatture.h"
#include "invoices/InvoiceRecord.h"

#include <QLabel>

#include <algorithm>
#include <limits>

namespace {

struct ListFields {
    int number, date;
};

const ListFields &listFields()
{
    static const ListFields f = [] {
        const RecordLayout &l = InvoiceRecordLayout();
        return ListFields{l.indexOf(QStringLiteral("NumFatt")), l.indexOf(QStringLiteral("Data"))};
    }();
    return f;
}

// The list line after the number and date: fixed columns, then the total.
const ColumnLine &lineColumns()
{
    static const ColumnLine columns(InvoiceRecordLayout(), {{"  ", "Cliente", 35},
                                                            {"  C.F. ", "CodFiscCliente", 16},
                                                            {"  Rif. ", "Riferimenti", 35},
                                                            {"  Tot. € ", "TotFattura", 0}});
    return columns;
}

// The characters of the date from `from` on, at most `count`, without the blanks around them.
QString datePart(QByteArrayView date, qsizetype from, qsizetype count)
{
    if (from >= date.size())
        return QString();
    const QByteArrayView part = TrimmedView(date.sliced(from, qMin(count, date.size() - from)));
    return FromCp1252(part.data(), int(part.size()));
}

// Month and year of a date written "dd/mm/yyyy", read by position as the stored text stands.
InvoiceDateParts datePartsOf(QByteArrayView trimmedDate)
{
    if (trimmedDate.isEmpty())
        return {};
    return {datePart(trimmedDate, 3, 2), datePart(trimmedDate, 6, 4)};
}

} // namespace

QString InvoiceListLine(const Record &invoice)
{
    const ListFields &f = listFields();
    // Number and date are joined first and padded as one column: an empty number leaves the
    // column starting with the blank of " del ".
    static const QString lead = QStringLiteral("Fatt. n. ");
    // One allocation for the whole line: summaries list tens of thousands of them.
    QString line;
    line.reserve(lead.size() + 25 + lineColumns().maxLength());
    line += lead;
    line += invoice.text(f.number);
    line += QStringLiteral(" del ");
    line += invoice.text(f.date);
    line.resize(lead.size() + 25, u' ');
    lineColumns().appendTo(line, invoice);
    return line;
}

QString OpenInvoiceArchive() { return frmFatture ? TrimText(frmFatture->lblFile->text()) : QString(); }

QString OpenInvoiceYear() { return frmFatture ? TrimText(frmFatture->lblAnno->text()) : QString(); }

void HandInvoiceToCard(const Record &invoice, int number)
{
    if (frmFatture)
        frmFatture->LoadInvoiceIntoCard(invoice, number);
}

InvoiceDateParts InvoiceDate(const Record &invoice) { return datePartsOf(invoice.trimmedBytes(listFields().date)); }

int InvoiceMonth(const QString &monthPart)
{
    if (monthPart.size() != 2)
        return 0;
    const char16_t tens = monthPart.at(0).unicode(), units = monthPart.at(1).unicode();
    if (tens < u'0' || tens > u'9' || units < u'0' || units > u'9')
        return 0;
    const int month = (tens - u'0') * 10 + (units - u'0');
    return month >= 1 && month <= 12 ? month : 0;
}

InvoiceAmountError::InvoiceAmountError(const QString &number, const QString &date, const QString &field)
    : ConversionError("invoice " + number.toStdString() + " of " + date.toStdString() + ": " + field.toStdString() +
                      " is not an amount"),
      number(number), date(date), field(field)
{
}

QString InvoiceAmountMessage(const InvoiceAmountError &e)
{
    const QString invoice = e.number.isEmpty() ? QStringLiteral("la fattura proforma senza numero del %1").arg(e.date)
                                               : QStringLiteral("la fattura proforma n. %1 del %2").arg(e.number, e.date);
    return QStringLiteral("Attenzione: %1 non contiene un importo valido nel campo \"%2\".\n\r\n\r"
                          "Per correggere l'importo è sufficiente richiamare la fattura nella scheda delle fatture "
                          "proforma e salvarla di nuovo: i totali vengono ricalcolati.")
        .arg(invoice, e.field);
}

namespace {

// The caption on the invoice card of a summed total, as the warnings name it.
QString totalCaption(const char *field)
{
    static const std::pair<const char *, const char *> captions[] = {{"TotImponibile", "Tot. imponibile"},
                                                                     {"TotImposta", "Tot. imposta"},
                                                                     {"TotEsente", "Tot. esente"},
                                                                     {"TotFattura", "TOTALE"}};
    for (const auto &[name, caption] : captions)
        if (qstrcmp(name, field) == 0)
            return QString::fromLatin1(caption);
    return QString::fromLatin1(field);
}

// Adds a stored total of `invoice` to `sum`, or throws the warning that names the invoice.
void addTotal(ExactSum &sum, const Record &invoice, int field, const char *name)
{
    if (!sum.add(invoice.trimmedBytes(field)))
        throw InvoiceAmountError(TrimText(invoice.text(listFields().number)), TrimText(invoice.text(listFields().date)),
                                 totalCaption(name));
}

} // namespace

InvoiceSummary SummariseInvoices(const QString &file, const QString &year,
                                 const std::function<bool(const QString &month)> &inPeriod)
{
    const RecordLayout &layout = InvoiceRecordLayout();
    std::array<int, 4> totals{};
    for (size_t i = 0; i < totals.size(); ++i)
        totals[i] = layout.indexOf(QString::fromLatin1(SummedInvoiceTotals[i]));
    InvoiceSummary summary;
    std::array<ExactSum, 4> sums;
    ScanArchive(file, layout, [&](const Record &invoice, int number) {
        const QByteArrayView dateText = invoice.trimmedBytes(listFields().date);
        if (dateText.isEmpty())
            return;
        summary.anyDated = true;
        const InvoiceDateParts date = datePartsOf(dateText);
        if (date.year != year || !inPeriod(date.month))
            return;
        for (size_t i = 0; i < totals.size(); ++i)
            addTotal(sums[i], invoice, totals[i], SummedInvoiceTotals[i]);
        summary.lines.append(InvoiceListLine(invoice), number);
    });
    for (size_t i = 0; i < sums.size(); ++i)
        summary.sums[i] = sums[i].rounded(Decimal::Places);
    return summary;
}

QString SummaryAmountText(Decimal sum) { return QString::fromUtf8("€ ") + FormatAmountText(sum.toGeneralText()); }

std::array<long long, 12> MonthlyTakings(const QString &file, const QString &year)
{
    static const int total = InvoiceRecordLayout().indexOf(QStringLiteral("TotFattura"));
    std::array<ExactSum, 12> months;
    ScanArchive(file, InvoiceRecordLayout(), [&](const Record &invoice, int) {
        const InvoiceDateParts date = InvoiceDate(invoice);
        const int month = InvoiceMonth(date.month);
        if (date.year != year || month == 0)
            return;
        addTotal(months[size_t(month - 1)], invoice, total, "TotFattura");
    });
    std::array<long long, 12> euros{};
    for (size_t i = 0; i < months.size(); ++i) {
        // Whole euros of a sum below 10^30; a sum past the range of the chart's values stops at its edge.
        const __int128 whole = months[i].rounded(0).units() / 10000;
        euros[i] = static_cast<long long>(std::clamp<__int128>(whole, std::numeric_limits<long long>::min(),
                                                                std::numeric_limits<long long>::max()));
    }
    return euros;
}
