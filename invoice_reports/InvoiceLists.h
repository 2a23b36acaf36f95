#pragma once
#include "common/ArchiveSearch.h"
#include "common/Decimal.h"
#include "common/Errors.h"
#include "common/Record.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// The one-line text of an invoice in the invoice lists: number and date in 25 characters, the
// customer in 35, the tax code in 16, the references in 35, then the total, trimmed.
QString InvoiceListLine(const Record &invoice);

// The archive of the year open on the invoice card (its hidden `lblFile`, trimmed); empty while
// there is no card.
QString OpenInvoiceArchive();
// The year open on the invoice card (its hidden `lblAnno`, trimmed); empty while there is no card.
QString OpenInvoiceYear();

// Loads an invoice picked in a list into the invoice card with its record number; while there is
// no card it writes nothing.
void HandInvoiceToCard(const Record &invoice, int number);

// The four summed totals of the period summaries, in the order they are shown.
inline constexpr std::array<const char *, 4> SummedInvoiceTotals{"TotImponibile", "TotImposta", "TotEsente",
                                                                 "TotFattura"};

// What a summary lists: the lines of the invoices in the period with their record numbers, and
// the sums of the four totals, each summed exactly and rounded once to four decimals.
struct InvoiceSummary {
    ListLines lines;
    std::array<Decimal, 4> sums{};
    bool anyDated = false;  // whether the archive holds a dated invoice, in the period or not
};

// The date parts that the summaries test: characters 4-5 (month) and 7-10 (year) of the trimmed
// date, each trimmed. Empty date: both empty.
struct InvoiceDateParts {
    QString month;
    QString year;
};
InvoiceDateParts InvoiceDate(const Record &invoice);

// The month of a date's month part: 1 to 12 when it is exactly two ASCII digits "01" to "12",
// otherwise 0 ("3", "+3", "13" and "" are no month).
int InvoiceMonth(const QString &monthPart);

// A stored total of a counted invoice that is not an amount: the invoice as the user knows it
// (its number and date, trimmed) and the caption of the field on the invoice card.
class InvoiceAmountError : public ConversionError {
public:
    InvoiceAmountError(const QString &number, const QString &date, const QString &field);
    QString number;
    QString date;
    QString field;
};
// The warning that names that invoice and field.
QString InvoiceAmountMessage(const InvoiceAmountError &e);

// Reads the whole archive and lists every dated invoice whose year part is `year` and whose month
// part `inPeriod` accepts, summing its four totals exactly. Throws IoError when the archive cannot
// be read and InvoiceAmountError when a total of a listed invoice is not a number (or too large to
// sum): the caller shows no partial figures.
InvoiceSummary SummariseInvoices(const QString &file, const QString &year,
                                 const std::function<bool(const QString &month)> &inPeriod);

// A summed amount as the summaries show it: "€ " and at least two decimals ("€ 1234,50").
QString SummaryAmountText(Decimal sum);

// The takings of each month of `year`, January first: the exact sum of `TotFattura` of the
// invoices dated in that month (InvoiceMonth) and year, rounded once, half away from zero, to a
// whole euro. Throws IoError when the archive cannot be read and InvoiceAmountError when a counted
// total is not a number (or too large to sum).
std::array<long long, 12> MonthlyTakings(const QString &file, const QString &year);
