#include "common/NumberText.h"

#include "common/CharacterCodes.h"
#include "common/Text.h"

#include <QString>

#include <algorithm>
#include <string>

namespace {

using U128 = unsigned __int128;

constexpr int64_t ExponentCap = 1'000'000'000'000'000;  // 10^15
constexpr uint64_t Base = 1'000'000'000;                // one limb: nine decimal digits

U128 pow10(int k)
{
    U128 p = 1;
    while (k-- > 0)
        p *= 10;
    return p;
}

int64_t floorDiv9(int64_t a) { return a >= 0 ? a / 9 : -((-a + 8) / 9); }

// A number text taken apart: the value is digits x 10^exponent.
struct NumberDigits {
    bool negative = false;
    std::string digits;  // significant digits, no leading or trailing zeros; empty for zero
    int64_t exponent = 0;
};

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads a trimmed number text; std::nullopt when it is not one.
template <typename Codes>
std::optional<NumberDigits> readNumber(const Codes &s, LoneComma loneComma = LoneComma::NotANumber)
{
    const qsizetype end = s.size();
    qsizetype i = 0;
    NumberDigits n;
    if (i < end && (s[i] == u'+' || s[i] == u'-'))
        n.negative = s[i++] == u'-';

    bool comma = false, anyDigit = false;
    int64_t decimals = 0;
    for (; i < end; ++i) {
        const char16_t c = s[i];
        if (isDigit(c)) {
            anyDigit = true;
            if (!n.digits.empty() || c != u'0')
                n.digits += char(c);
            if (comma)
                ++decimals;
        } else if (c == u',') {
            if (comma)
                return std::nullopt;
            comma = true;
        } else {
            break;
        }
    }
    if (!anyDigit && (!comma || loneComma == LoneComma::NotANumber))
        return std::nullopt;

    int64_t exponent = 0;
    if (i < end) {
        if (s[i] != u'E' && s[i] != u'e')
            return std::nullopt;
        ++i;
        bool negativeExponent = false;
        if (i < end && (s[i] == u'+' || s[i] == u'-'))
            negativeExponent = s[i++] == u'-';
        if (i == end)
            return std::nullopt;
        for (; i < end; ++i) {
            if (!isDigit(s[i]))
                return std::nullopt;
            exponent = std::min(exponent * 10 + (s[i] - u'0'), ExponentCap);
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    // Trailing zeros move into the exponent; the decimals move the comma.
    size_t kept = n.digits.size();
    while (kept > 0 && n.digits[kept - 1] == '0')
        --kept;
    exponent += int64_t(n.digits.size() - kept);
    n.digits.resize(kept);
    n.exponent = exponent - decimals;
    return n;
}

} // namespace

std::optional<Decimal> ParseNumberText(QStringView text, LoneComma loneComma)
{
    const std::optional<NumberDigits> n = readNumber(UnitCodes{TrimmedView(text)}, loneComma);
    if (!n)
        return std::nullopt;
    if (n->digits.empty())
        return Decimal();
    // The first significant digit stands `point` places before the comma (a negative `point` puts
    // zeros between the comma and it).
    const int64_t point = int64_t(n->digits.size()) + n->exponent;
    // More integer digits than Decimal::parse takes: refuse before writing them out.
    if (point > 31)
        return std::nullopt;
    // The first significant digit past the fifth decimal: rounds to zero.
    if (point < -4)
        return Decimal();
    const QString digits = QString::fromLatin1(n->digits.data(), qsizetype(n->digits.size()));
    QString whole, fraction;
    if (point >= digits.size()) {
        whole = digits + QString(qsizetype(point) - digits.size(), u'0');
    } else if (point <= 0) {
        whole = QStringLiteral("0");
        fraction = QString(qsizetype(-point), u'0') + digits;
    } else {
        whole = digits.left(qsizetype(point));
        fraction = digits.mid(qsizetype(point));
    }
    // The fifth decimal decides the rounding to four; the rest cannot change it.
    fraction.truncate(Decimal::Places + 1);
    return Decimal::parse((n->negative ? QStringLiteral("-") : QString()) + whole + u',' + fraction);
}

void ExactSum::Magnitude::addLimb(int64_t index, uint64_t value)
{
    // Below limb -1: one limb of the map at a time, carrying upwards.
    while (value != 0 && index < -1) {
        uint32_t &limb = low[index];
        const uint64_t sum = limb + value;
        limb = uint32_t(sum % Base);
        value = sum / Base;
        ++index;
    }
    if (value == 0)
        return;
    // The top limb takes whatever carries into it: tooLarge() tells.
    size_t i = size_t(index + 1);
    high[i] += value;
    for (; i + 1 < high.size() && high[i] >= Base; ++i) {
        high[i + 1] += high[i] / Base;
        high[i] %= Base;
    }
}

bool ExactSum::Magnitude::tooLarge() const
{
    // 10^30 is 1000 in limb 3 (10^27).
    return high[5] != 0 || high[4] >= 1000;
}

template <typename Codes>
bool ExactSum::addCodes(const Codes &codes)
{
    const std::optional<NumberDigits> n = readNumber(codes);
    if (!n)
        return false;
    if (n->digits.empty())
        return true;
    if (int64_t(n->digits.size()) + n->exponent > MaxIntegerDigits)
        return false;
    Magnitude &sum = n->negative ? negative_ : positive_;
    // The digits from the least significant, gathered limb by limb.
    int64_t position = n->exponent;
    int64_t limb = floorDiv9(position);
    uint64_t value = 0;
    uint64_t scale = uint64_t(pow10(int(position - 9 * limb)));
    for (auto digit = n->digits.rbegin(); digit != n->digits.rend(); ++digit, ++position) {
        if (floorDiv9(position) != limb) {
            sum.addLimb(limb, value);
            limb = floorDiv9(position);
            value = 0;
            scale = 1;
        }
        value += uint64_t(*digit - '0') * scale;
        scale *= 10;
    }
    sum.addLimb(limb, value);
    return !sum.tooLarge();
}

bool ExactSum::add(QByteArrayView text) { return addCodes(ByteCodes{TrimmedView(text)}); }

bool ExactSum::add(QStringView text) { return addCodes(UnitCodes{TrimmedView(text)}); }

int ExactSum::compareLow(const Magnitude &a, const Magnitude &b)
{
    // From the highest limb down; a limb that is not there, or holds 0, is 0.
    auto ia = a.low.rbegin(), ib = b.low.rbegin();
    for (;;) {
        while (ia != a.low.rend() && ia->second == 0)
            ++ia;
        while (ib != b.low.rend() && ib->second == 0)
            ++ib;
        const bool aDone = ia == a.low.rend(), bDone = ib == b.low.rend();
        if (aDone || bDone)
            return aDone == bDone ? 0 : aDone ? -1 : 1;
        if (ia->first != ib->first)
            return ia->first > ib->first ? 1 : -1;
        if (ia->second != ib->second)
            return ia->second > ib->second ? 1 : -1;
        ++ia;
        ++ib;
    }
}

int ExactSum::compare(const Magnitude &a, const Magnitude &b)
{
    for (size_t i = a.high.size(); i-- > 0;)
        if (a.high[i] != b.high[i])
            return a.high[i] > b.high[i] ? 1 : -1;
    return compareLow(a, b);
}

Decimal ExactSum::rounded(int decimals) const
{
    decimals = std::clamp(decimals, 0, int(Decimal::Places));
    const int sign = compare(positive_, negative_);
    if (sign == 0)
        return Decimal();
    const Magnitude &larger = sign > 0 ? positive_ : negative_;
    const Magnitude &smaller = sign > 0 ? negative_ : positive_;
    // The difference cut at the ninth decimal: limb by limb, less one unit of the ninth decimal
    // when what lies below it is larger in the smaller sum.
    std::array<uint64_t, 6> d{};
    int64_t borrow = compareLow(larger, smaller) < 0 ? 1 : 0;
    for (size_t i = 0; i < d.size(); ++i) {
        int64_t v = int64_t(larger.high[i]) - int64_t(smaller.high[i]) - borrow;
        borrow = v < 0 ? 1 : 0;
        d[i] = uint64_t(v + borrow * int64_t(Base));
    }
    U128 integer = 0;
    for (size_t i = d.size(); i-- > 1;)
        integer = integer * Base + d[i];
    const uint64_t nine = d[0];  // the first nine decimals
    // Half away from zero: the first decimal dropped decides.
    U128 kept = integer * pow10(decimals) + nine / uint64_t(pow10(9 - decimals));
    if (nine / uint64_t(pow10(8 - decimals)) % 10 >= 5)
        ++kept;
    const U128 units = kept * pow10(Decimal::Places - decimals);
    return Decimal::fromUnits(sign > 0 ? __int128(units) : -__int128(units));
}
