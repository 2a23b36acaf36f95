#include "invoices/InvoiceMoney.h"

#include "common/Errors.h"
#include "common/NumberText.h"
#include "common/Text.h"

std::optional<Decimal> ParseInvoiceNumber(const QString &text) { return ParseNumberText(text, LoneComma::Zero); }

QString NormalizeNumberText(const QString &text)
{
    if (TrimText(text).isEmpty())
        return text;
    const std::optional<Decimal> value = ParseInvoiceNumber(text);
    return value ? value->toGeneralText() : QString();
}

QString UnitPriceExitText(const QString &text)
{
    if (TrimText(text).isEmpty())
        return QString();
    const std::optional<Decimal> value = ParseInvoiceNumber(text);
    return value ? FormatAmountText(value->toGeneralText()) : QStringLiteral("0,00");
}

QString InvoiceAmountText(Decimal amount)
{
    QString s = amount.toFixedText(Decimal::Places);
    // Down to two decimals, trailing zeros dropped.
    while (s.endsWith(u'0') && s.size() - s.indexOf(u',') > 3)
        s.chop(1);
    return s;
}

QString InvoiceFailure::message() const
{
    const QString head = QStringLiteral("Impossibile calcolare i totali: ");
    auto notNumber = [&](const QString &caption) {
        return head + QStringLiteral("alla riga %1 il campo \"%2\" non contiene un numero valido.").arg(line).arg(caption);
    };
    switch (field) {
    case InvoiceField::Quantity: return notNumber(QStringLiteral("Quant."));
    case InvoiceField::Price: return notNumber(QStringLiteral("Prezzo"));
    case InvoiceField::Discount: return notNumber(QStringLiteral("% Sc."));
    case InvoiceField::Amount:
        return head + QStringLiteral("alla riga %1 l'importo è troppo grande.").arg(line);
    case InvoiceField::Rate: return head + QStringLiteral("il campo \"IVA\" non contiene un numero valido.");
    case InvoiceField::Totals: return head + QStringLiteral("i totali della fattura sono troppo grandi.");
    }
    return head;
}

InvoiceCalculation CalculateInvoice(const InvoiceLines &lines, const QString &rateText)
{
    InvoiceCalculation result;
    auto fail = [&result](int line, InvoiceField field) {
        result.failure = InvoiceFailure{line, field};
        return result;
    };
    InvoiceTotals t;
    const Decimal hundred = Decimal::fromInt(100);
    Decimal taxableSum, exemptSum;
    for (int i = 0; i < InvoiceLineCount; ++i) {
        const InvoiceLineInput &line = lines[size_t(i)];
        const int number = i + 1;
        t.quantities[size_t(i)] = line.quantity;
        t.prices[size_t(i)] = line.price;
        const bool noQuantity = TrimText(line.quantity).isEmpty();
        const bool noPrice = TrimText(line.price).isEmpty();
        if (noQuantity && noPrice)
            continue;
        if (noQuantity)
            t.quantities[size_t(i)] = QStringLiteral("1");
        if (noPrice)
            t.prices[size_t(i)] = QStringLiteral("0,00");

        Decimal discount;
        if (!TrimText(line.discount).isEmpty()) {
            const std::optional<Decimal> d = ParseInvoiceNumber(line.discount);
            if (!d)
                return fail(number, InvoiceField::Discount);
            discount = *d;
        }
        const std::optional<Decimal> price = ParseInvoiceNumber(t.prices[size_t(i)]);
        if (!price)
            return fail(number, InvoiceField::Price);
        const std::optional<Decimal> quantity = ParseInvoiceNumber(t.quantities[size_t(i)]);
        if (!quantity)
            return fail(number, InvoiceField::Quantity);

        Decimal amount;
        try {
            // price x quantity x (100 - discount) / 100, rounded once.
            amount = ProductQuotient({*price, *quantity, hundred - discount}, hundred);
        } catch (const ConversionError &) {
            return fail(number, InvoiceField::Amount);
        }
        t.amounts[size_t(i)] = InvoiceAmountText(amount);
        try {
            (line.exempt ? exemptSum : taxableSum) += amount;
        } catch (const ConversionError &) {
            return fail(0, InvoiceField::Totals);
        }
    }

    t.rate = TrimText(rateText).isEmpty() ? QStringLiteral("0") : rateText;
    const std::optional<Decimal> rate = ParseInvoiceNumber(t.rate);
    if (!rate)
        return fail(0, InvoiceField::Rate);

    try {
        // Each total from the rounded figures shown, so that they add up on the card.
        const Decimal taxable = RoundDecimals(taxableSum, 2);
        const Decimal tax = ProductQuotient({taxable, *rate}, hundred, 2);
        const Decimal withTax = taxable + tax;
        const Decimal exempt = RoundDecimals(exemptSum, 2);
        const Decimal total = withTax + exempt;
        t.taxable = taxable.toFixedText(2);
        t.tax = tax.toFixedText(2);
        t.withTax = withTax.toFixedText(2);
        t.exempt = exempt.toFixedText(2);
        t.total = total.toFixedText(2);
    } catch (const ConversionError &) {
        return fail(0, InvoiceField::Totals);
    }
    result.totals = std::move(t);
    return result;
}
