#include "common/Decimal.h"

#include "common/CharacterCodes.h"
#include "common/Errors.h"
#include "common/Text.h"

#include <cstdint>

namespace {

using U128 = unsigned __int128;

constexpr U128 MaxUnits = U128(Decimal::max().units());
// Integer digits a typed number may have: keeps every parsed value and the sums of many far
// inside the 128-bit count.
constexpr int MaxIntegerDigits = 30;

[[noreturn]] void outOfRange(const char *what)
{
    throw ConversionError(std::string("decimal ") + what + " out of range");
}

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

// Rebuilds a decimal from a magnitude; a magnitude past max() throws.
Decimal withSign(U128 m, bool negative, const char *what)
{
    if (m > MaxUnits)
        outOfRange(what);
    return Decimal::fromUnits(negative ? -__int128(m) : __int128(m));
}

// Counts that fit 64 bits, as nearly all amounts do, are worked in 64 bits: a division of 128
// bits is a library call, and every amount read from an archive is measured here.
int digitCount(U128 m)
{
    int n = 0;
    for (; m > UINT64_MAX; m /= 10)
        ++n;
    for (uint64_t small = uint64_t(m); small != 0; small /= 10)
        ++n;
    return n;
}

// Significant digits of a count: its digits less the trailing zeros.
int significantDigits(U128 m)
{
    if (m == 0)
        return 0;
    while (m > UINT64_MAX && m % 10 == 0)
        m /= 10;
    if (m <= UINT64_MAX) {
        uint64_t small = uint64_t(m);
        while (small % 10 == 0)
            small /= 10;
        m = small;
    }
    return digitCount(m);
}

// The magnitude rounded half away from zero to a multiple of f; never past 2^128 for any count.
U128 roundTo(U128 m, U128 f) { return divRound(m, f) * f; }

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

// n / d rounded half away from zero; none when the quotient does not fit 128 bits.
std::optional<U128> divRoundWide(Wide n, U128 d)
{
    if (n.hi == 0)
        return divRound(n.lo, d);
    if (n.hi >= d)
        return std::nullopt;
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
    if (r >= d - r) {
        if (q == ~U128(0))
            return std::nullopt;
        ++q;
    }
    return q;
}

} // namespace

Decimal Decimal::fromInt(long long value)
{
    return fromUnits(__int128(value) * 10000);
}

namespace {

// The reading of parse over a trimmed sequence of characters given by their codes.
template <typename Text>
std::optional<Decimal> parseCodes(const Text &text)
{
    const qsizetype end = text.size();
    const auto code = [&text](qsizetype i) { return text[i]; };
    qsizetype i = 0;
    bool negative = false;
    if (i < end && (code(i) == u'+' || code(i) == u'-'))
        negative = code(i++) == u'-';

    U128 integer = 0, fraction = 0;
    int integerDigits = 0, fractionDigits = 0, digits = 0;
    bool comma = false;
    bool roundUp = false; // the first decimal past the fourth is 5 or more
    for (; i < end; ++i) {
        const char16_t c = code(i);
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
            } else if (fractionDigits < Decimal::Places) {
                fraction = fraction * 10 + d;
                ++fractionDigits;
            } else if (fractionDigits++ == Decimal::Places) {
                roundUp = d >= 5;
            }
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    const int kept = qMin(fractionDigits, int(Decimal::Places));
    U128 units = integer * pow10(Decimal::Places) + fraction * pow10(Decimal::Places - kept);
    if (roundUp)
        ++units;
    // A value the general text would show otherwise is not taken: what is read can be written back.
    // Rounding up may also carry into a 31st integer digit ("...9,99995"), which parse refuses.
    if (significantDigits(units) > Decimal::MaxSignificantDigits ||
        units >= pow10(Decimal::Places + MaxIntegerDigits))
        return std::nullopt;
    return withSign(units, negative, "text");
}

} // namespace

std::optional<Decimal> Decimal::parse(const QString &text) { return parseCodes(UnitCodes{TrimmedView(text)}); }

std::optional<Decimal> Decimal::parseBytes(QByteArrayView text) { return parseCodes(ByteCodes{TrimmedView(text)}); }

QString Decimal::toGeneralText() const
{
    U128 m = magnitude(units_);
    // Keep at most 15 significant digits.
    const int length = digitCount(m);
    if (length > MaxSignificantDigits)
        m = roundTo(m, pow10(length - MaxSignificantDigits));
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
    const U128 m = roundTo(magnitude(units_), pow10(Places - decimals));
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

Decimal Decimal::operator-() const
{
    return withSign(magnitude(units_), units_ > 0, "negation");
}

Decimal operator+(Decimal a, Decimal b)
{
    __int128 sum;
    if (__builtin_add_overflow(a.units_, b.units_, &sum))
        outOfRange("sum");
    return withSign(magnitude(sum), sum < 0, "sum");
}

Decimal operator-(Decimal a, Decimal b)
{
    __int128 difference;
    if (__builtin_sub_overflow(a.units_, b.units_, &difference))
        outOfRange("difference");
    return withSign(magnitude(difference), difference < 0, "difference");
}

Decimal operator*(Decimal a, Decimal b)
{
    const bool negative = (a.units_ < 0) != (b.units_ < 0);
    const auto m = divRoundWide(mulWide(magnitude(a.units_), magnitude(b.units_)), pow10(Decimal::Places));
    if (!m)
        outOfRange("product");
    return withSign(*m, negative && *m != 0, "product");
}

Decimal operator/(Decimal a, Decimal b)
{
    if (b.units_ == 0)
        throw ConversionError("decimal division by zero");
    const bool negative = (a.units_ < 0) != (b.units_ < 0);
    const auto m = divRoundWide(mulWide(magnitude(a.units_), pow10(Decimal::Places)), magnitude(b.units_));
    if (!m)
        outOfRange("quotient");
    return withSign(*m, negative && *m != 0, "quotient");
}

Decimal RoundDecimals(Decimal x, int n)
{
    n = qMax(n, 0);
    if (n >= Decimal::Places)
        return x;
    return withSign(roundTo(magnitude(x.units()), pow10(Decimal::Places - n)), x.isNegative(), "rounding");
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

QString AmountFormText(const QString &t)
{
    const std::optional<Decimal> value = Decimal::parse(t);
    if (!value)
        return QStringLiteral("0,00");
    return FormatAmountText(RoundDecimals(*value, 2).toGeneralText());
}

namespace {

// An unsigned integer of up to 1024 bits as 64-bit limbs, lowest first: room for the exact
// product of seven counts and a power of ten.
struct BigUnsigned {
    static constexpr int Limbs = 16;
    uint64_t limb[Limbs] = {};

    explicit BigUnsigned(U128 v)
    {
        limb[0] = uint64_t(v);
        limb[1] = uint64_t(v >> 64);
    }

    bool fitsU128() const
    {
        for (int i = 2; i < Limbs; ++i)
            if (limb[i] != 0)
                return false;
        return true;
    }
    U128 toU128() const { return (U128(limb[1]) << 64) | limb[0]; }

    void mul64(uint64_t m)
    {
        U128 carry = 0;
        for (uint64_t &l : limb) {
            const U128 p = U128(l) * m + carry;
            l = uint64_t(p);
            carry = p >> 64;
        }
    }

    // Multiplies by a 128-bit value; the caller keeps the product inside the limbs.
    void mul(U128 m)
    {
        BigUnsigned high = *this;
        mul64(uint64_t(m));
        high.mul64(uint64_t(m >> 64));
        // this += high << 64
        U128 carry = 0;
        for (int i = 1; i < Limbs; ++i) {
            const U128 s = U128(limb[i]) + high.limb[i - 1] + carry;
            limb[i] = uint64_t(s);
            carry = s >> 64;
        }
    }

    // Divides in place by d (not zero) and returns the remainder.
    U128 divmod(U128 d)
    {
        if (d >> 64 == 0) {
            U128 r = 0;
            for (int i = Limbs - 1; i >= 0; --i) {
                const U128 cur = (r << 64) | limb[i];
                limb[i] = uint64_t(cur / uint64_t(d));
                r = cur % uint64_t(d);
            }
            return r;
        }
        // Shift-subtract long division; the remainder stays below d throughout.
        U128 r = 0;
        for (int i = Limbs * 64 - 1; i >= 0; --i) {
            const bool carry = r >> 127;
            r = (r << 1) | ((limb[i / 64] >> (i % 64)) & 1);
            limb[i / 64] &= ~(uint64_t(1) << (i % 64));
            if (carry || r >= d) {
                r -= d;
                limb[i / 64] |= uint64_t(1) << (i % 64);
            }
        }
        return r;
    }
};

} // namespace

Decimal ProductQuotient(std::initializer_list<Decimal> factors, Decimal divisor, int decimals)
{
    if (divisor.isZero())
        throw ConversionError("decimal division by zero");
    if (factors.size() == 0 || factors.size() > 7)
        throw ConversionError("decimal product of an unsupported number of factors");
    decimals = qBound(0, decimals, int(Decimal::Places));
    bool negative = divisor.isNegative();
    // value * 10^decimals = (product of the counts) * 10^decimals / (divisor count * 10^(4(k-1)))
    BigUnsigned n(1);
    for (const Decimal &f : factors) {
        n.mul(magnitude(f.units()));
        negative = negative != f.isNegative();
    }
    n.mul(pow10(decimals));
    // Divide by M = 10^(4(k-1)) and then by D; the rounding looks at both remainders, so the
    // quotient is rounded once: 2(r2 M + r1) >= M D holds exactly when 2 r2 >= D, or when
    // 2 r2 + 1 == D and 2 r1 >= M (as r1 < M).
    const U128 m = pow10(Decimal::Places * int(factors.size() - 1));
    const U128 d = magnitude(divisor.units());
    const U128 r1 = n.divmod(m);
    const U128 r2 = n.divmod(d);
    if (!n.fitsU128())
        outOfRange("product");
    U128 q = n.toU128();
    const bool up = r2 >= d - r2 || (d - r2 == r2 + 1 && r1 >= m - r1);
    if (up) {
        if (q == ~U128(0))
            outOfRange("product");
        ++q;
    }
    const U128 scale = pow10(Decimal::Places - decimals);
    if (q > MaxUnits / scale)
        outOfRange("product");
    q *= scale;
    return withSign(q, negative && q != 0, "product");
}
