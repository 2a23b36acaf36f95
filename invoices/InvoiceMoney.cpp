#include "invoices/InvoiceMoney.h"

#include "common/Errors.h"
#include "common/Text.h"

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Beyond these powers of ten an exponent only decides between "too large" and zero.
constexpr int ExponentCap = 100000;

} // namespace

std::optional<Decimal> ParseInvoiceNumber(const QString &text)
{
    const QString s = TrimText(text);
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
        negative = s.at(i++) == u'-';

    // The mantissa: its digits, and where the comma stands among them.
    QString digits;
    int integerDigits = 0;
    bool comma = false;
    for (; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (isDigit(c)) {
            digits += c;
            if (!comma)
                ++integerDigits;
        } else if (c == u',') {
            if (comma)
                return std::nullopt;
            comma = true;
        } else {
            break;
        }
    }
    if (digits.isEmpty() && !comma)
        return std::nullopt;

    int exponent = 0;
    if (i < s.size()) {
        if (s.at(i) != u'E' && s.at(i) != u'e')
            return std::nullopt;
        ++i;
        bool exponentNegative = false;
        if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
            exponentNegative = s.at(i++) == u'-';
        if (i == s.size())
            return std::nullopt;
        for (; i < s.size(); ++i) {
            if (!isDigit(s.at(i)))
                return std::nullopt;
            exponent = qMin(exponent * 10 + (s.at(i).unicode() - u'0'), ExponentCap);
        }
        if (exponentNegative)
            exponent = -exponent;
    }

    // Written out without exponent, the first significant digit standing `point` places before
    // the comma (a negative `point` puts zeros between the comma and it).
    qsizetype lead = 0;
    while (lead < digits.size() && digits.at(lead) == u'0')
        ++lead;
    digits.remove(0, lead);
    if (digits.isEmpty())
        return Decimal();
    const int point = integerDigits - int(lead) + exponent;
    // More integer digits than Decimal::parse takes: refuse before writing them out.
    if (point > 31)
        return std::nullopt;
    // The first significant digit past the fifth decimal: rounds to zero.
    if (point < -4)
        return Decimal();
    QString whole, fraction;
    if (point >= digits.size()) {
        whole = digits + QString(point - digits.size(), u'0');
    } else if (point <= 0) {
        whole = QStringLiteral("0");
        fraction = QString(-point, u'0') + digits;
    } else {
        whole = digits.left(point);
        fraction = digits.mid(point);
    }
    // The fifth decimal decides the rounding to four; the rest cannot change it.
    fraction.truncate(Decimal::Places + 1);
    return Decimal::parse((negative ? QStringLiteral("-") : QString()) + whole + u',' + fraction);
}

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
