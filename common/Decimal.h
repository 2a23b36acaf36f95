#pragma once
#include <QByteArrayView>
#include <QString>
#include <compare>
#include <initializer_list>
#include <optional>

// An exact decimal number: a count of ten-thousandths held in 128 bits.
// Typed amounts, prices, quantities, discounts and rates use it, never binary floating point.
//
// Every value lies within [min(), max()], the count's range made symmetric. A sum, difference,
// product, quotient or rounding whose result falls outside it throws ConversionError (as does a
// division by zero), so a command's guard reports it; no result ever wraps or saturates.
class Decimal {
public:
    static constexpr int Places = 4;

    constexpr Decimal() = default;
    static constexpr Decimal fromUnits(__int128 units) { Decimal d; d.units_ = units; return d; }
    static Decimal fromInt(long long value);
    static constexpr Decimal max() { return fromUnits(~(__int128(1) << 127)); }
    static constexpr Decimal min() { return fromUnits(-max().units_); }
    // Significant digits that the general text writes, and so the most that a parsed value may have.
    static constexpr int MaxSignificantDigits = 15;

    // Reads a number written with the comma as decimal separator: blanks (code 32 or less) around it,
    // an optional sign, digits with at most one comma. No thousands separator, no exponent.
    // More than four decimals round half away from zero. Anything else is not a number, and so is a
    // value that toGeneralText could not write back as it is: more than 15 significant digits once
    // rounded to four decimals ("1234567890123456" is refused; "1000000000000000000000" is taken),
    // or more than 30 integer digits, also when the rounding brings a 31st.
    static std::optional<Decimal> parse(const QString &text);
    // The same reading of a text in Windows-1252 bytes, as stored in the archives.
    static std::optional<Decimal> parseBytes(QByteArrayView text);

    constexpr __int128 units() const { return units_; }
    bool isZero() const { return units_ == 0; }
    bool isNegative() const { return units_ < 0; }

    // General number text: comma, no trailing zeros, at most 15 significant digits ("12,5", "-3", "0,0001").
    QString toGeneralText() const;
    // Fixed text with exactly the given decimals (0..4), rounded half away from zero ("12,50").
    QString toFixedText(int decimals) const;

    // The arithmetic throws ConversionError when the result lies outside [min(), max()].
    Decimal operator-() const;
    friend Decimal operator+(Decimal a, Decimal b);
    friend Decimal operator-(Decimal a, Decimal b);
    // Product rounded half away from zero to four decimals.
    friend Decimal operator*(Decimal a, Decimal b);
    // Quotient rounded half away from zero to four decimals; a zero divisor throws ConversionError.
    friend Decimal operator/(Decimal a, Decimal b);
    Decimal &operator+=(Decimal b) { return *this = *this + b; }
    Decimal &operator-=(Decimal b) { return *this = *this - b; }
    friend bool operator==(Decimal a, Decimal b) { return a.units_ == b.units_; }
    friend std::strong_ordering operator<=>(Decimal a, Decimal b) { return a.units_ <=> b.units_; }

private:
    __int128 units_ = 0;
};

// Rounds to n decimals, half away from zero: 2,675 -> 2,68; 1,005 -> 1,01; -2,5 to none -> -3.
// A negative n counts as 0; n of four or more changes nothing. Rounding max() up past the range
// throws ConversionError.
Decimal RoundDecimals(Decimal x, int n);

// The exact product of the factors divided by the divisor, rounded ONCE, half away from zero, to
// the given decimals (0..4): no partial product is rounded, so 999,1400 x 0,7130 x 97,27 / 100 is
// 692,9387 where rounding each step gives 692,9386. At most seven factors. A zero divisor or a
// result outside [min(), max()] throws ConversionError.
Decimal ProductQuotient(std::initializer_list<Decimal> factors, Decimal divisor,
                        int decimals = Decimal::Places);

// Brings an amount's text to at least two decimals: "12" -> "12,00", ",5" -> "0,50".
QString FormatAmountText(const QString &t);

// The amount form of a typed amount: its value read with the decimal comma, rounded to two
// decimals and brought to at least two decimals ("12,5" -> "12,50", "3,456" -> "3,46").
// An empty text or one that is not a number becomes "0,00".
QString AmountFormText(const QString &t);
