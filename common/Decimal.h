#pragma once
#include <QString>
#include <compare>
#include <optional>

// An exact decimal number: a count of ten-thousandths held in 128 bits.
// Typed amounts, prices, quantities, discounts and rates use it, never binary floating point.
class Decimal {
public:
    static constexpr int Places = 4;

    constexpr Decimal() = default;
    static constexpr Decimal fromUnits(__int128 units) { Decimal d; d.units_ = units; return d; }
    static Decimal fromInt(long long value);

    // Reads a number written with the comma as decimal separator: blanks (code 32 or less) around it,
    // an optional sign, digits with at most one comma. No thousands separator, no exponent.
    // More than four decimals round half away from zero. Anything else, or a text too long for the
    // value, is not a number.
    static std::optional<Decimal> parse(const QString &text);

    __int128 units() const { return units_; }
    bool isZero() const { return units_ == 0; }
    bool isNegative() const { return units_ < 0; }

    // General number text: comma, no trailing zeros, at most 15 significant digits ("12,5", "-3", "0,0001").
    QString toGeneralText() const;
    // Fixed text with exactly the given decimals (0..4), rounded half away from zero ("12,50").
    QString toFixedText(int decimals) const;

    Decimal operator-() const { return fromUnits(-units_); }
    friend Decimal operator+(Decimal a, Decimal b) { return fromUnits(a.units_ + b.units_); }
    friend Decimal operator-(Decimal a, Decimal b) { return fromUnits(a.units_ - b.units_); }
    // Product rounded half away from zero to four decimals.
    friend Decimal operator*(Decimal a, Decimal b);
    // Quotient rounded half away from zero to four decimals; the divisor must not be zero.
    friend Decimal operator/(Decimal a, Decimal b);
    Decimal &operator+=(Decimal b) { units_ += b.units_; return *this; }
    Decimal &operator-=(Decimal b) { units_ -= b.units_; return *this; }
    friend bool operator==(Decimal a, Decimal b) { return a.units_ == b.units_; }
    friend std::strong_ordering operator<=>(Decimal a, Decimal b) { return a.units_ <=> b.units_; }

private:
    __int128 units_ = 0;
};

// Rounds to n decimals, half away from zero: 2,675 -> 2,68; 1,005 -> 1,01; -2,5 to none -> -3.
// A negative n counts as 0; n of four or more changes nothing.
Decimal RoundDecimals(Decimal x, int n);

// Brings an amount's text to at least two decimals: "12" -> "12,00", ",5" -> "0,50".
QString FormatAmountText(const QString &t);
