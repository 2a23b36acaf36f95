#pragma once
#include "common/Decimal.h"
#include <QString>
#include <array>
#include <optional>

// The money of the invoice card, as pure functions: the number grammar of its edits, the
// line amounts and the five totals. No widgets here; the card wires these to its controls.

// Reads a number text of the invoice edits: blanks around it, an optional sign, digits with at
// most one decimal comma and an optional exponent ("1E3" is 1000, "2,5e-1" is 0,25). A lone ","
// reads as 0. Empty or blank text is not a number here (callers decide what a blank means).
// Anything else, or a value outside Decimal's range, gives std::nullopt.
std::optional<Decimal> ParseInvoiceNumber(const QString &text);

// The text an invoice number edit keeps for a text that arrived by loading, hand-back or paste:
// the value written back in general form ("1E3" -> "1000", "0,50" -> "0,5"); a text that is not a
// number is returned unchanged, so the calculation can report it.
QString NormalizeNumberText(const QString &text);

// The unit-price edit's exit rule: a number is brought to at least two decimals
// ("12" -> "12,00", "1E3" -> "1000,00"); empty text stays empty; a text that is not a number
// is left as it is.
QString UnitPriceExitText(const QString &text);

// One article line of the card, as typed.
struct InvoiceLineInput {
    QString quantity;
    QString price;
    QString discount;
    bool exempt = false;
};

constexpr int InvoiceLineCount = 30;

// Which field of a line failed to convert.
enum class InvoiceField { Quantity, Price, Discount, Rate };

struct InvoiceFailure {
    int line = 0;               // 1..30; 0 for the VAT rate
    InvoiceField field = InvoiceField::Quantity;
    QString message() const;    // the Italian warning naming line and field
};

struct InvoiceTotals {
    std::array<QString, InvoiceLineCount> amounts;  // line amount texts; empty for a skipped line
    QString taxable;     // Tot. imponibile
    QString tax;         // Tot. imposta
    QString withTax;     // Tot. IVA inclusa
    QString exempt;      // Tot. esente
    QString total;       // TOTALE
};

struct InvoiceCalculation {
    std::optional<InvoiceTotals> totals;   // set on success
    std::optional<InvoiceFailure> failure; // set when a text does not convert
    bool ok() const { return totals.has_value(); }
};

// Works out the 30 line amounts and the five totals on exact decimals. A line whose quantity and
// price are both blank is skipped (amount empty, counts 0). A blank discount counts 0, a blank
// quantity or price of a used line counts 0. The first text that does not convert (lines in
// order: quantity, price, discount; the rate last) is reported as the failure.
InvoiceCalculation CalculateInvoice(const std::array<InvoiceLineInput, InvoiceLineCount> &lines,
                                    const QString &rateText);
