#include "common/Decimal.h"

#include "common/Text.h"

#include <limits>

namespace {

using U128 = unsigned __int128;

constexpr __int128 MaxUnits = std::numeric_limits<__int128>::max();
// Integer digits a typed number may have: keeps every parsed value and the sums of many far
// inside the 128-bit count.
constexpr int MaxIntegerDigits = 30;

U128 pow10(int k)
{
    U128 p = 1;
    while (k-- > 0)
        p *= 10;
    return p;
}

U128 magnitude(__int128 v) { return v < 0 ? U128(0) - U128(v) : U128(v); }

// Quotient of m by f rounded half away from zero (m is a magnitude).
U128 divRound(U128 m, U128 f)
{
    const U128 q = m / f, r = m % f;
    return r >= f - r ? q + 1 : q;
}

// Rebuilds a signed count from a magnitude; values past the count saturate.
__int128 withSign(U128 m, bool negative)
{
    const __int128 v = m > U128(MaxUnits) ? MaxUnits : __int128(m);
    return negative ? -v : v;
}

// A 256-bit magnitude as hi:lo, enough for any product of two counts.
struct Wide {
    U128 hi = 0, lo = 0;
};

Wide mulWide(U128 a, U128 b)
{
    const U128 mask = ~uint64_t(0);
    const U128 a0 = a & mask, a1 = a >> 64, b0 = b & mask, b1 = b >> 64;
    const U128 p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const U128 mid = (p00 >> 64) + (p01 & mask) + (p10 & mask);
    Wide w;
    w.lo = (mid << 64) | (p00 & mask);
    w.hi = p11 + (p01 >> 64) + (p10 >> 64) + (mid >> 64);
    return w;
}

// n / d rounded half away from zero, saturating when the quotient does not fit 128 bits.
U128 divRoundWide(Wide n, U128 d)
{
    if (n.hi == 0)
        return divRound(n.lo, d);
    if (n.hi >= d)
        return ~U128(0);
    // Shift-subtract long division of the low half; the remainder stays below d throughout.
    U128 r = n.hi, q = 0;
    for (int i = 127; i >= 0; --i) {
        const bool carry = r >> 127;
        r = (r << 1) | ((n.lo >> i) & 1);
        q <<= 1;
        if (carry || r >= d) {
            r -= d;
            q |= 1;
        }
    }
    return r >= d - r && q != ~U128(0) ? q + 1 : q;
}

} // namespace

Decimal Decimal::fromInt(long long value)
{
    return fromUnits(__int128(value) * 10000);
}

std::optional<Decimal> Decimal::parse(const QString &text)
{
    const QString s = TrimText(text);
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
        negative = s.at(i++) == u'-';

    U128 integer = 0, fraction = 0;
    int integerDigits = 0, fractionDigits = 0, digits = 0;
    bool comma = false;
    bool roundUp = false; // the first decimal past the fourth is 5 or more
    for (; i < s.size(); ++i) {
        const char16_t c = s.at(i).unicode();
        if (c == u',') {
            if (comma)
                return std::nullopt;
            comma = true;
        } else if (c >= u'0' && c <= u'9') {
            const int d = c - u'0';
            ++digits;
            if (!comma) {
                if (integerDigits > 0 || d != 0)
                    ++integerDigits;
                if (integerDigits > MaxIntegerDigits)
                    return std::nullopt;
                integer = integer * 10 + d;
            } else if (fractionDigits < Places) {
                fraction = fraction * 10 + d;
                ++fractionDigits;
            } else if (fractionDigits++ == Places) {
                roundUp = d >= 5;
            }
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    const int kept = qMin(fractionDigits, int(Places));
    U128 units = integer * pow10(Places) + fraction * pow10(Places - kept);
    if (roundUp)
        ++units;
    return fromUnits(withSign(units, negative));
}

QString Decimal::toGeneralText() const
{
    U128 m = magnitude(units_);
    // Keep at most 15 significant digits.
    int length = 0;
    for (U128 t = m; t != 0; t /= 10)
        ++length;
    if (length > 15) {
        const U128 f = pow10(length - 15);
        m = divRound(m, f) * f;
    }
    if (m == 0)
        return QStringLiteral("0");

    const U128 scale = pow10(Places);
    U128 whole = m / scale;
    unsigned frac = unsigned(m % scale);
    QString digits;
    do {
        digits.prepend(QChar(u'0' + int(whole % 10)));
        whole /= 10;
    } while (whole != 0);
    if (frac != 0) {
        QString decimals = QString::number(frac).rightJustified(Places, u'0');
        while (decimals.endsWith(u'0'))
            decimals.chop(1);
        digits += u',' + decimals;
    }
    return units_ < 0 ? u'-' + digits : digits;
}

QString Decimal::toFixedText(int decimals) const
{
    decimals = qBound(0, decimals, int(Places));
    const U128 m = magnitude(RoundDecimals(*this, decimals).units_);
    const U128 scale = pow10(Places);
    QString digits;
    U128 whole = m / scale;
    do {
        digits.prepend(QChar(u'0' + int(whole % 10)));
        whole /= 10;
    } while (whole != 0);
    if (decimals > 0) {
        const unsigned frac = unsigned(m % scale / pow10(Places - decimals));
        digits += u',' + QString::number(frac).rightJustified(decimals, u'0');
    }
    return units_ < 0 && m != 0 ? u'-' + digits : digits;
}

Decimal operator*(Decimal a, Decimal b)
{
    const bool negative = (a.units_ < 0) != (b.units_ < 0);
    const U128 m = divRoundWide(mulWide(magnitude(a.units_), magnitude(b.units_)), pow10(Decimal::Places));
    return Decimal::fromUnits(withSign(m, negative));
}

Decimal operator/(Decimal a, Decimal b)
{
    if (b.units_ == 0)
        return Decimal();
    const bool negative = (a.units_ < 0) != (b.units_ < 0);
    const U128 m = divRoundWide(mulWide(magnitude(a.units_), pow10(Decimal::Places)), magnitude(b.units_));
    return Decimal::fromUnits(withSign(m, negative));
}

Decimal RoundDecimals(Decimal x, int n)
{
    n = qMax(n, 0);
    if (n >= Decimal::Places)
        return x;
    const U128 f = pow10(Decimal::Places - n);
    return Decimal::fromUnits(withSign(divRound(magnitude(x.units()), f) * f, x.isNegative()));
}

QString FormatAmountText(const QString &t)
{
    QString s = t;
    if (!s.contains(u','))
        s += QStringLiteral(",00");
    if (TrimText(s) == QStringLiteral(","))
        s = QStringLiteral("0,00");
    if (s.startsWith(u','))
        s = u'0' + TrimText(s);
    if (s.endsWith(u','))
        s = TrimText(s) + QStringLiteral("00");
    const qsizetype n = s.size();
    if (n >= 2 && s.at(n - 2) == u',' && s.at(n - 1) >= u'0' && s.at(n - 1) <= u'9')
        s = TrimText(s) + u'0';
    return s;
}
