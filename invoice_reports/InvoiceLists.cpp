#include "invoice_reports/InvoiceLists.h"

#include "common/ArchiveSearch.h"
#include "common/Cp1252.h"
#include "common/Errors.h"
#include "common/Text.h"
#include "invoices/Fatture.h"
#include "invoices/InvoiceRecord.h"

#include <QLabel>

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

InvoiceSummary SummariseInvoices(const QString &file, const QString &year,
                                 const std::function<bool(const QString &month)> &inPeriod)
{
    const RecordLayout &layout = InvoiceRecordLayout();
    std::array<int, 4> totals{};
    for (size_t i = 0; i < totals.size(); ++i)
        totals[i] = layout.indexOf(QString::fromLatin1(SummedInvoiceTotals[i]));
    InvoiceSummary summary;
    ScanArchive(file, layout, [&](const Record &invoice, int number) {
        const QByteArrayView dateText = invoice.trimmedBytes(listFields().date);
        if (dateText.isEmpty())
            return;
        summary.anyDated = true;
        const InvoiceDateParts date = datePartsOf(dateText);
        if (date.year != year || !inPeriod(date.month))
            return;
        for (size_t i = 0; i < totals.size(); ++i) {
            const std::optional<Decimal> amount = Decimal::parseBytes(invoice.trimmedBytes(totals[i]));
            if (!amount)
                throw ConversionError("invoice " + std::to_string(number) + ": " + SummedInvoiceTotals[i]
                                      + " is not a number");
            summary.sums[i] += *amount;
        }
        summary.lines.append(InvoiceListLine(invoice), number);
    });
    return summary;
}

QString SummaryAmountText(Decimal sum) { return QString::fromUtf8("€ ") + FormatAmountText(sum.toGeneralText()); }

std::array<Decimal, 12> MonthlyTakings(const QString &file, const QString &year)
{
    static const int total = InvoiceRecordLayout().indexOf(QStringLiteral("TotFattura"));
    std::array<Decimal, 12> months{};
    ScanArchive(file, InvoiceRecordLayout(), [&](const Record &invoice, int number) {
        const InvoiceDateParts date = InvoiceDate(invoice);
        if (date.year != year || date.month.size() != 2 || !date.month[0].isDigit() || !date.month[1].isDigit())
            return;
        const int month = date.month.toInt();
        if (month < 1 || month > 12)
            return;
        const std::optional<Decimal> amount = Decimal::parseBytes(invoice.trimmedBytes(total));
        if (!amount)
            throw ConversionError("invoice " + std::to_string(number) + ": TotFattura is not a number");
        months[size_t(month - 1)] += *amount;
    });
    return months;
}

long long WholeEuros(Decimal takings)
{
    return static_cast<long long>(RoundDecimals(takings, 0).units() / 10000);
}
