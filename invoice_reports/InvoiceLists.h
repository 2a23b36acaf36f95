#pragma once
#include "common/ArchiveSearch.h"
#include "common/Decimal.h"
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
// the exact sums of the four totals.
struct InvoiceSummary {
    ListLines lines;
    std::array<Decimal, 4> sums{};
    bool anyDated = false;  // whether the archive holds a dated invoice, in the period or not
};

// The date parts that the summaries test: characters 4-5 (month) and 7-10 (year) of the trimmed
// date, so that only dates written dd/mm/yyyy fall in a period. Empty date: both empty.
struct InvoiceDateParts {
    QString month;
    QString year;
};
InvoiceDateParts InvoiceDate(const Record &invoice);

// Reads the whole archive and lists every invoice whose date `inPeriod` accepts and whose year is
// `year`, summing its four totals exactly. Throws IoError when the archive cannot be read and
// ConversionError when an amount of a listed invoice is not a number: the caller shows no partial
// figures.
InvoiceSummary SummariseInvoices(const QString &file, const QString &year,
                                 const std::function<bool(const QString &month)> &inPeriod);

// A summed amount as the summaries show it: "€ " and at least two decimals ("€ 1234,50").
QString SummaryAmountText(Decimal sum);

// The takings of each month of `year`: the exact sum of `TotFattura` of the invoices dated
// dd/mm/yyyy in that month and year, January first. Throws IoError when the archive cannot be read
// and ConversionError when a counted total is not a number.
std::array<Decimal, 12> MonthlyTakings(const QString &file, const QString &year);
// A month's takings as the chart shows them: rounded half away from zero to a whole euro.
long long WholeEuros(Decimal takings);
