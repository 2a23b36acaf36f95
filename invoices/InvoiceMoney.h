#pragma once
#include "common/Decimal.h"
#include <QString>
#include <array>
#include <optional>

// The money of the invoice card, as pure functions: the number grammar of its edits, the
// line amounts and the five totals. No widgets here; the card wires these to its controls.

// Reads a number text of the invoice edits as the suite reads every number text
// (ParseNumberText), a lone comma being 0: "1E3" is 1000, "," is 0, more than four decimals round
// half away from zero.
// Empty or blank text, anything else, or a value Decimal cannot hold gives std::nullopt.
std::optional<Decimal> ParseInvoiceNumber(const QString &text);

// The exit rule of the quantity, discount and VAT-rate edits: blank text (empty or blanks only)
// is returned unchanged; a number is written back in its shortest form, rounded to four decimals
// ("02" -> "2", "2,50" -> "2,5", "," -> "0", "1E3" -> "1000"); a text that is not a number
// becomes the empty text.
QString NormalizeNumberText(const QString &text);

// The exit rule of the unit-price edits: blank text becomes empty; a number is rounded to four
// decimals and written with at least two ("12" -> "12,00", ",5" -> "0,50", "12,345" stays);
// a text that is not a number becomes "0,00".
QString UnitPriceExitText(const QString &text);

// An amount as the card shows it: exact, two to four decimals ("9,00", "8,674", "-1,00").
QString InvoiceAmountText(Decimal amount);

// One article line of the card, as it stands.
struct InvoiceLineInput {
    QString quantity;
    QString price;
    QString discount;
    bool exempt = false;
};

constexpr int InvoiceLineCount = 30;
using InvoiceLines = std::array<InvoiceLineInput, InvoiceLineCount>;

// The field that stopped the calculation.
enum class InvoiceField {
    Quantity,   // txtQuantNN
    Price,      // txtPrezzoNN
    Discount,   // txtPercScontoNN
    Amount,     // the line's amount is too large to hold
    Rate,       // txtPercIva (line 0)
    Totals,     // a total is too large to hold (line 0)
};

struct InvoiceFailure {
    int line = 0;  // 1..30; 0 for the VAT rate and the totals
    InvoiceField field = InvoiceField::Quantity;
    // The Italian warning naming the line and the field.
    QString message() const;
};

// What the card writes after a successful calculation.
struct InvoiceTotals {
    // The texts to write back into the edits: as given, but a blank quantity of a priced line
    // becomes "1", a blank price of a line with a quantity "0,00", a blank rate "0".
    std::array<QString, InvoiceLineCount> quantities;
    std::array<QString, InvoiceLineCount> prices;
    QString rate;
    // txtImportoNN: the line amounts; empty for a skipped line.
    std::array<QString, InvoiceLineCount> amounts;
    QString taxable;  // txtTotImponibile, "Tot. imponibile:"
    QString tax;      // txtTotImposta, "Tot. imposta:"
    QString withTax;  // txtTotIva, "Tot. IVA inclusa:"
    QString exempt;   // txtTotEsente, "Tot. esente:"
    QString total;    // txtTotFattura, "TOTALE:"
};

// Either the totals or the failure; on a failure the card writes nothing but shows the warning
// and puts the focus on the field named.
struct InvoiceCalculation {
    std::optional<InvoiceTotals> totals;
    std::optional<InvoiceFailure> failure;
    bool ok() const { return totals.has_value(); }
};

// Works out the 30 line amounts and the five totals on exact decimals.
// A line whose quantity and price are both blank is skipped: its amount is empty and counts 0.
// A blank discount counts 0. A line amount is price x quantity less that product x discount / 100,
// rounded once to four decimals, half away from zero. Then: taxable = the non-exempt amounts
// summed and rounded to two decimals; tax = taxable x rate / 100 rounded to two decimals;
// with tax = taxable + tax; exempt = the exempt amounts summed and rounded to two decimals;
// total = with tax + exempt. So the totals shown always add up.
// The texts are read line by line, each line's discount, price and quantity in that order, and
// the rate last; the first that does not convert is the failure.
InvoiceCalculation CalculateInvoice(const InvoiceLines &lines, const QString &rateText);
