#include "invoice_reports/InvoiceLists.h"

#include "common/ArchiveSearch.h"
#include "common/Errors.h"
#include "common/Text.h"
#include "invoices/Fatture.h"
#include "invoices/InvoiceRecord.h"

#include <QLabel>

namespace {

struct ListFields {
    int number, date, customer, taxCode, references, total;
};

const ListFields &listFields()
{
    static const ListFields f = [] {
        const RecordLayout &l = InvoiceRecordLayout();
        return ListFields{l.indexOf(QStringLiteral("NumFatt")),        l.indexOf(QStringLiteral("Data")),
                          l.indexOf(QStringLiteral("Cliente")),        l.indexOf(QStringLiteral("CodFiscCliente")),
                          l.indexOf(QStringLiteral("Riferimenti")),    l.indexOf(QStringLiteral("TotFattura"))};
    }();
    return f;
}

} // namespace

QString InvoiceListLine(const Record &invoice)
{
    const ListFields &f = listFields();
    // Number and date are joined first and padded as one column: an empty number leaves the
    // column starting with the blank of " del ".
    const QString numberAndDate = TrimText(invoice.text(f.number)) + QStringLiteral(" del ") + TrimText(invoice.text(f.date));
    return QStringLiteral("Fatt. n. ") + numberAndDate.left(25).leftJustified(25, u' ') + QStringLiteral("  ")
        + PadCut(invoice.text(f.customer), 35) + QStringLiteral("  C.F. ") + PadCut(invoice.text(f.taxCode), 16)
        + QStringLiteral("  Rif. ") + PadCut(invoice.text(f.references), 35) + QString::fromUtf8("  Tot. € ")
        + TrimText(invoice.text(f.total));
}

QString OpenInvoiceArchive() { return frmFatture ? TrimText(frmFatture->lblFile->text()) : QString(); }

QString OpenInvoiceYear() { return frmFatture ? TrimText(frmFatture->lblAnno->text()) : QString(); }

void HandInvoiceToCard(const Record &invoice, int number)
{
    if (frmFatture)
        frmFatture->LoadInvoiceIntoCard(invoice, number);
}

InvoiceDateParts InvoiceDate(const Record &invoice)
{
    const QString date = TrimText(invoice.text(listFields().date));
    if (date.isEmpty())
        return {};
    const QString d = date + QString(10, QLatin1Char(' '));
    return {TrimText(d.mid(3, 2)), TrimText(d.mid(6, 4))};
}

InvoiceSummary SummariseInvoices(const QString &file, const QString &year,
                                 const std::function<bool(const QString &month)> &inPeriod)
{
    const RecordLayout &layout = InvoiceRecordLayout();
    std::array<int, 4> totals{};
    for (size_t i = 0; i < totals.size(); ++i)
        totals[i] = layout.indexOf(QString::fromLatin1(SummedInvoiceTotals[i]));
    InvoiceSummary summary;
    ScanArchive(file, layout, [&](const Record &invoice, int number) {
        const InvoiceDateParts date = InvoiceDate(invoice);
        if (TrimText(invoice.text(listFields().date)).isEmpty())
            return;
        summary.anyDated = true;
        if (date.year != year || !inPeriod(date.month))
            return;
        for (size_t i = 0; i < totals.size(); ++i) {
            const std::optional<Decimal> amount = Decimal::parse(invoice.text(totals[i]));
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
        const std::optional<Decimal> amount = Decimal::parse(invoice.text(total));
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
