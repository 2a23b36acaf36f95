#include "pricelist/PriceListRecord.h"

#include "common/Decimal.h"
#include "common/Errors.h"
#include "common/NumberText.h"
#include "common/Text.h"

const RecordLayout &PriceListItemRecordLayout()
{
    static const RecordLayout layout{
        {"Descrizione", 55},  {"Prezzo", 10},   {"Tipologia", 50},    {"Tempi", 250},     {"Supplementi", 20},
        {"Personale", 250},   {"Note", 250},    {"Marca", 50},        {"Collocazione", 120}, {"Giacenza", 15},
        {"Sottoscorta", 15},  {"Costo", 15},    {"Valore", 15},       {"Fornitore", 250}, {"Ordine", 250},
        {"File01", 250},      {"File02", 250},  {"File03", 250},      {"Desc01", 250},    {"Desc02", 250},
        {"Desc03", 250},
    };
    return layout;
}

namespace {

// A number text read as a number; blank (nothing but codes 32 or less) counts as zero.
std::optional<Decimal> NumberOrZero(const QString &text)
{
    if (TrimmedView(text).isEmpty())
        return Decimal();
    return ParseNumberText(text);
}

// Divides by a power of ten, half away from zero.
__int128 DivideRounded(__int128 value, __int128 divisor)
{
    const __int128 half = divisor / 2;
    return value < 0 ? -((-value + half) / divisor) : (value + half) / divisor;
}

}  // namespace

std::optional<QString> WholeQuantityText(const QString &text)
{
    const std::optional<Decimal> value = NumberOrZero(text);
    if (!value)
        return std::nullopt;
    try {
        return RoundDecimals(*value, 0).toGeneralText();
    } catch (const ConversionError &) {
        return std::nullopt;
    }
}

std::optional<QString> AmountText(const QString &text)
{
    const std::optional<Decimal> value = NumberOrZero(text);
    if (!value)
        return std::nullopt;
    return FormatAmountText(value->toGeneralText());
}

std::optional<QString> StockValueText(const QString &cost, const QString &stock)
{
    const std::optional<Decimal> c = NumberOrZero(cost);
    const std::optional<Decimal> s = NumberOrZero(stock);
    if (!c || !s)
        return std::nullopt;
    // The product of two four-decimal counts has eight decimals; rounding it once, straight to
    // two, avoids the error of rounding to four first.
    __int128 product = 0;
    if (__builtin_mul_overflow(c->units(), s->units(), &product))
        return std::nullopt;
    static constexpr __int128 FourDecimals = 10000;
    const __int128 cents = DivideRounded(product, FourDecimals * 100);
    if (__builtin_mul_overflow(cents, __int128(100), &product) || product > Decimal::max().units() ||
        product < Decimal::min().units())
        return std::nullopt;
    return Decimal::fromUnits(product).toFixedText(2);
}

std::optional<QString> StockTotalText(const QString &stock, const QString &quantity, bool add)
{
    const std::optional<Decimal> s = NumberOrZero(stock);
    const std::optional<Decimal> q = NumberOrZero(quantity);
    if (!s || !q)
        return std::nullopt;
    try {
        return (add ? *s + *q : *s - *q).toGeneralText();
    } catch (const ConversionError &) {
        return std::nullopt;
    }
}
