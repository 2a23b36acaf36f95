#include "common/Cp1252.h"
#include "common/Decimal.h"
#include "common/Errors.h"
#include "common/Guard.h"

#include <gtest/gtest.h>

#include <vector>

void PrintTo(const Decimal &d, std::ostream *os) { *os << d.toFixedText(4).toStdString(); }

namespace {

Decimal num(const std::string &text)
{
    const auto d = Decimal::parse(QString::fromStdString(text));
    EXPECT_TRUE(d.has_value()) << text;
    return d.value_or(Decimal());
}

std::string general(Decimal d) { return d.toGeneralText().toStdString(); }

// A value of any size from its digits and comma, for values that parse refuses as too long.
Decimal exact(const std::string &text)
{
    __int128 units = 0;
    int decimals = -1;
    bool negative = false;
    for (char c : text) {
        if (c == '-')
            negative = true;
        else if (c == ',')
            decimals = 0;
        else {
            units = units * 10 + (c - '0');
            if (decimals >= 0)
                ++decimals;
        }
    }
    for (int i = decimals < 0 ? 0 : decimals; i < Decimal::Places; ++i)
        units *= 10;
    return Decimal::fromUnits(negative ? -units : units);
}

} // namespace

TEST(DecimalParse, AcceptsCommaNumbersWithBlanksAndSign)
{
    struct Case { const char *text; long long units; } cases[] = {
        {"12", 120000}, {"12,5", 125000}, {",5", 5000}, {"5,", 50000}, {"-3", -30000},
        {"+3,25", 32500}, {" \t7 \r\n", 70000}, {"0007,1000", 71000}, {"-0", 0}, {"0,0001", 1},
        // Past four decimals the value rounds half away from zero.
        {"1,00005", 10001}, {"1,00004999", 10000}, {"-1,00005", -10001}, {"0,99995", 10000},
        {"9,99999", 100000},
    };
    for (const Case &c : cases) {
        const auto d = Decimal::parse(QString::fromUtf8(c.text));
        ASSERT_TRUE(d.has_value()) << c.text;
        EXPECT_EQ((long long)d->units(), c.units) << c.text;
    }
}

TEST(DecimalParse, RejectsEverythingElse)
{
    for (const char *text : {"", "   ", ",", "-", "+,", "1.234,5", "1.5", "1e3", "12 3", "1,2,3", "--1",
                             "- 1", "1-", "abc", "12a", "0x10", "١٢"}) {
        EXPECT_FALSE(Decimal::parse(QString::fromUtf8(text)).has_value()) << text;
    }
}

TEST(DecimalParse, StoredBytesAreReadAsTheirText)
{
    // The archives' amounts are parsed from their Windows-1252 bytes: every text, taken or refused,
    // gives the same answer both ways.
    const QString texts[] = {
        QStringLiteral("12"), QStringLiteral(",5"), QStringLiteral("-3"), QStringLiteral("+3,25"),
        QStringLiteral(" \t7 \r\n"), QStringLiteral("0007,1000"), QStringLiteral("1,00005"),
        QStringLiteral("-1,00005"), QStringLiteral("9,99999"), QStringLiteral("99999999999,99995"),
        QString(15, u'9'), QString(16, u'9'), u'1' + QString(29, u'0'), u'1' + QString(30, u'0'),
        QString(40, u'0') + u'1', QString(), QStringLiteral(" "), QStringLiteral(","), QStringLiteral("1.5"),
        QStringLiteral("1,2,3"), QStringLiteral("- 1"), QString::fromUtf8("12€"), QString::fromUtf8("€"),
        QString::fromUtf8("1\u00a0"), QString::fromUtf8("\u00a01"), QString::fromUtf8("½")};
    for (const QString &text : texts) {
        const auto fromText = Decimal::parse(text);
        const auto fromBytes = Decimal::parseBytes(ToCp1252(text));
        ASSERT_EQ(fromText.has_value(), fromBytes.has_value()) << text.toStdString();
        if (fromText) {
            EXPECT_EQ(fromText->units(), fromBytes->units()) << text.toStdString();
        }
    }
}

TEST(DecimalParse, TooManyDigitsIsNotANumberRatherThanOverflow)
{
    // Fifteen significant digits are what the general text writes back unchanged.
    const QString fifteen(15, u'9');
    ASSERT_TRUE(Decimal::parse(fifteen).has_value());
    EXPECT_EQ(Decimal::parse(fifteen)->toFixedText(0), fifteen);
    EXPECT_EQ(Decimal::parse(fifteen)->toGeneralText(), fifteen);
    EXPECT_FALSE(Decimal::parse(fifteen + u'9').has_value());
    EXPECT_FALSE(Decimal::parse(QString(30, u'9')).has_value());
    EXPECT_FALSE(Decimal::parse(QString(60, u'9')).has_value());
    // Trailing zeros are written back as they are, up to thirty integer digits.
    EXPECT_EQ(Decimal::parse(u'1' + QString(29, u'0'))->toGeneralText(), u'1' + QString(29, u'0'));
    EXPECT_FALSE(Decimal::parse(u'1' + QString(30, u'0')).has_value());
    // Leading zeros do not count against the limit.
    EXPECT_TRUE(Decimal::parse(QString(40, u'0') + u'1').has_value());
}

TEST(DecimalParse, WhatIsReadIsWrittenBackUnchanged)
{
    struct Case { const char *text; bool number; } cases[] = {
        {"123456789012345", true},      {"1234567890123456", false},   {"-1234567890123456", false},
        {"12345678901,2345", true},     {"123456789012,3456", false},  {"1,23456789012345", true},
        {"0,00012345678901234", true},  // rounds to 0,0001
        {"99999999999,99995", true},    // rounds to 100000000000
        {"123456789012,34567", false},  // rounds to 123456789012,3457: sixteen digits
        {"999999999999999,4", false},   {"-0", true},                  {"-0,00004", true},
        {"0,00005", true},
        // Rounding up that would bring a 31st integer digit: the text of 10^30 could not be read back.
        {"999999999999999999999999999999,99995", false},
        {"99999999999999999999999999999,99995", true},  // 10^29
    };
    for (const Case &c : cases) {
        const auto d = Decimal::parse(QString::fromUtf8(c.text));
        ASSERT_EQ(d.has_value(), c.number) << c.text;
        if (!d)
            continue;
        EXPECT_EQ(Decimal::parse(d->toGeneralText()), d) << c.text;
        EXPECT_EQ(Decimal::parse(d->toFixedText(4)), d) << c.text;
    }
}

TEST(DecimalText, GeneralTextDropsTrailingZerosAndNegativeZero)
{
    struct Case { const char *in, *out; } cases[] = {
        {"12,50", "12,5"}, {"-3,0", "-3"}, {"0,0001", "0,0001"}, {"-0,0", "0"}, {"100", "100"},
        {"12,", "12"}, {"-0,125", "-0,125"}, {"12345678901,2345", "12345678901,2345"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(general(num(c.in)), c.out) << c.in;

    // A worked result may have more digits: the text keeps 15 significant digits, rounded half
    // away from zero.
    Case worked[] = {
        {"123456789012,3456", "123456789012,346"}, {"-123456789012,3455", "-123456789012,346"},
        {"999999999999,9999", "1000000000000"},    {"1234567890123456789", "1234567890123460000"},
    };
    for (const Case &c : worked)
        EXPECT_EQ(general(exact(c.in)), c.out) << c.in;
}

TEST(DecimalText, FixedTextHasExactlyTheDecimalsAsked)
{
    struct Case { const char *in; int decimals; const char *out; } cases[] = {
        {"12,5", 2, "12,50"}, {"12", 2, "12,00"}, {"2,675", 2, "2,68"}, {"1,005", 2, "1,01"},
        {"-2,5", 0, "-3"}, {"-0,004", 2, "0,00"}, {"0,0001", 4, "0,0001"}, {"7,77", 1, "7,8"},
        {"3", 9, "3,0000"}, {"3,6", -1, "4"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(num(c.in).toFixedText(c.decimals).toStdString(), c.out) << c.in << " " << c.decimals;
}

TEST(DecimalArithmetic, RoundDecimalsHalfAwayFromZero)
{
    struct Case { const char *in; int n; const char *out; } cases[] = {
        {"2,675", 2, "2,68"}, {"1,005", 2, "1,01"}, {"0,125", 2, "0,13"}, {"0,5", 0, "1"},
        {"-2,4", 0, "-2"}, {"-2,5", 0, "-3"}, {"-2,6", 0, "-3"}, {"2,4999", 0, "2"},
        {"-0,4", 0, "0"}, {"9,995", 2, "10"}, {"1,2345", 3, "1,235"}, {"1,2345", 4, "1,2345"},
        {"1,2345", 9, "1,2345"}, {"1,5", -2, "2"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(general(RoundDecimals(num(c.in), c.n)), c.out) << c.in << " to " << c.n;
}

TEST(DecimalArithmetic, ProductsAndQuotientsRoundToFourDecimals)
{
    EXPECT_EQ(general(num("0,1") + num("0,2")), "0,3");
    EXPECT_EQ(general(num("1,1") * num("1,1")), "1,21");
    EXPECT_EQ(general(num("0,0001") * num("0,5")), "0,0001");    // 0,00005 rounds up
    EXPECT_EQ(general(num("-0,0001") * num("0,5")), "-0,0001");  // and away from zero
    EXPECT_EQ(general(num("0,0001") * num("0,4999")), "0");
    EXPECT_EQ(general(num("10") / num("3")), "3,3333");
    EXPECT_EQ(general(num("20") / num("3")), "6,6667");
    EXPECT_EQ(general(num("-20") / num("3")), "-6,6667");
    EXPECT_EQ(general(num("1") / num("-8")), "-0,125");
    EXPECT_EQ(general(num("122") * num("22") / num("100")), "26,84");
}

TEST(DecimalArithmetic, LargeProductsStayExact)
{
    // Both operands near 10^15 with four decimals: the product of the counts needs more than 128 bits.
    const Decimal a = num("1000000000000000") - num("0,0001");
    const Decimal b = exact("999999999999999,9999");
    ASSERT_EQ(a, b);
    const Decimal p = a * b;
    // 999999999999999,9999^2 = 999999999999999999800000000000,00000001, which rounds to four zero decimals
    EXPECT_EQ(p.toFixedText(4), QStringLiteral("999999999999999999800000000000,0000"));
    EXPECT_EQ(p / b, a);
    EXPECT_EQ(exact("123456789012345,6789") * Decimal::fromInt(-1000), exact("-123456789012345678,9"));

    // Counts whose product, and a quotient whose scaled dividend, pass 2^128.
    const Decimal x = exact("12345678901234567,8901"), y = exact("-9876543210987654,3219");
    const Decimal xy = x * y;
    EXPECT_EQ(xy.toFixedText(4), QStringLiteral("-121932631137021795235845145443336,2292"));
    EXPECT_EQ(xy / y, x);
    EXPECT_EQ((xy / Decimal::fromInt(-7)).toFixedText(4), QStringLiteral("17418947305288827890835020777619,4613"));
}

TEST(DecimalArithmetic, ResultsOutsideTheRangeThrowInsteadOfWrapping)
{
    const Decimal max = Decimal::max(), min = Decimal::min(), tiny = num("0,0001");
    const Decimal big = num("100000000000000000000");  // 10^20: its square needs 10^40
    using Op = Decimal (*)(Decimal, Decimal);
    const Op plus = [](Decimal a, Decimal b) { return a + b; };
    const Op minus = [](Decimal a, Decimal b) { return a - b; };
    const Op times = [](Decimal a, Decimal b) { return a * b; };
    const Op over = [](Decimal a, Decimal b) { return a / b; };
    struct Case { const char *what; Op op; Decimal a, b; } failing[] = {
        {"max + max", plus, max, max},         {"max + tiny", plus, max, tiny},
        {"min - max", minus, min, max},        {"min - tiny", minus, min, tiny},
        {"max - min", minus, max, min},        {"big * big", times, big, big},
        {"big * -big", times, big, -big},      {"max * 1,0001", times, max, num("1,0001")},
        {"max / 0,5", over, max, num("0,5")},  {"max / tiny", over, max, tiny},
        {"min / -tiny", over, min, -tiny},     {"1 / 0", over, Decimal::fromInt(1), Decimal()},
        {"0 / 0", over, Decimal(), Decimal()},
        // The sum that used to wrap: two products that saturated, added.
        {"(big * big) + (big * big)", [](Decimal a, Decimal b) { return a * b + a * b; }, big, big},
    };
    for (const Case &c : failing)
        EXPECT_THROW(c.op(c.a, c.b), ConversionError) << c.what;

    struct Fits { const char *what; Op op; Decimal a, b; Decimal result; } fitting[] = {
        {"max + min", plus, max, min, Decimal()},         {"max - tiny", minus, max, tiny, max - tiny},
        {"max * 1", times, max, Decimal::fromInt(1), max}, {"min * -1", times, min, Decimal::fromInt(-1), max},
        {"max / 1", over, max, Decimal::fromInt(1), max},
        {"max * tiny", times, max, tiny, exact("1701411834604692317316873037158,8411")},
        {"10^30 / tiny", over, exact("1" + std::string(30, '0')), tiny, exact("1" + std::string(34, '0'))},
    };
    for (const Fits &c : fitting)
        EXPECT_EQ(c.op(c.a, c.b), c.result) << c.what;

    EXPECT_EQ(-min, max);
    EXPECT_THROW(-Decimal::fromUnits(min.units() - 1), ConversionError);
    EXPECT_THROW(RoundDecimals(max, 0), ConversionError);
    EXPECT_EQ(max.toFixedText(4), QStringLiteral("17014118346046923173168730371588410,5727"));
    EXPECT_EQ(max.toFixedText(0), QStringLiteral("17014118346046923173168730371588411"));
    EXPECT_EQ(min.toFixedText(2), QStringLiteral("-17014118346046923173168730371588410,57"));

    // A compound assignment that fails leaves its target as it was.
    Decimal total = max;
    EXPECT_THROW(total += tiny, ConversionError);
    EXPECT_EQ(total, max);
    total = min;
    EXPECT_THROW(total -= tiny, ConversionError);
    EXPECT_EQ(total, min);
}

TEST(DecimalArithmetic, AnOverflowEndsAGuardedCommand)
{
    bool reported = false;
    Decimal total;
    const bool ok = RunGuarded([&] { total = Decimal::max() * Decimal::fromInt(2); }, [&] { reported = true; });
    EXPECT_FALSE(ok);
    EXPECT_TRUE(reported);
    EXPECT_EQ(total, Decimal());
}

TEST(DecimalArithmetic, ProductQuotientRoundsOnlyTheExactResult)
{
    struct Case {
        std::vector<const char *> factors;
        const char *divisor;
        int decimals;
        const char *result;
    } cases[] = {
        // Rounding the product or each step first gives 692,9386.
        {{"999,14", "0,713", "97,27"}, "100", 4, "692,9387"},
        // 0,00495: four decimals first would give 0,0050 and then 0,01.
        {{"0,45", "1,1"}, "100", 2, "0"},
        {{"0,5", "1"}, "100", 2, "0,01"},
        {{"-0,5", "1"}, "100", 2, "-0,01"},
        {{"0,5", "-1"}, "-100", 2, "0,01"},
        {{"2,675"}, "1", 2, "2,68"},
        {{"-7,3"}, "1", 0, "-7"},
        {{"1", "1"}, "3", 4, "0,3333"},
        {{"2", "1"}, "3", 4, "0,6667"},
        // Divisors past 64 bits take the long division.
        {{"100000000000000000000", "3"}, "300000000000000000000", 4, "1"},
        {{"100000000000000000000", "1"}, "300000000000000000000", 4, "0,3333"},
        {{"12345678901234", "98765", "4,5"}, "12345678901234", 4, "444442,5"},
    };
    for (const Case &c : cases) {
        std::vector<Decimal> f;
        for (const char *t : c.factors)
            f.push_back(exact(t));
        Decimal r;
        if (f.size() == 1)
            r = ProductQuotient({f[0]}, exact(c.divisor), c.decimals);
        else if (f.size() == 2)
            r = ProductQuotient({f[0], f[1]}, exact(c.divisor), c.decimals);
        else
            r = ProductQuotient({f[0], f[1], f[2]}, exact(c.divisor), c.decimals);
        EXPECT_EQ(general(r), c.result) << c.factors[0] << " / " << c.divisor;
    }
}

TEST(DecimalArithmetic, ProductQuotientMatchesAnExactReference)
{
    // a x b / c in counts is A B / C rounded half away from zero; odd divisors reach the rounding
    // of a remainder split between the two divisions.
    auto reference = [](__int128 n, __int128 d) {
        const bool negative = (n < 0) != (d < 0);
        const __int128 an = n < 0 ? -n : n, ad = d < 0 ? -d : d;
        __int128 q = an / ad;
        if (2 * (an % ad) >= ad)
            ++q;
        return negative ? -q : q;
    };
    const __int128 values[] = {1, 3, 7, 49, 333, 5000, 9999, 10001, 123457, -2, -15001, -777777};
    for (__int128 a : values)
        for (__int128 b : values)
            for (__int128 c : values) {
                const Decimal r2 = ProductQuotient({Decimal::fromUnits(a), Decimal::fromUnits(b)}, Decimal::fromUnits(c));
                EXPECT_EQ(r2.units(), reference(a * b, c)) << general(Decimal::fromUnits(a)) << " "
                                                           << general(Decimal::fromUnits(b)) << " "
                                                           << general(Decimal::fromUnits(c));
                const Decimal r3 = ProductQuotient(
                    {Decimal::fromUnits(a), Decimal::fromUnits(b), Decimal::fromUnits(c)}, Decimal::fromUnits(7));
                EXPECT_EQ(r3.units(), reference(a * b * c, 7 * __int128(10000)));
            }
}

TEST(DecimalArithmetic, ProductQuotientThrowsOnZeroDivisorAndOverflow)
{
    const Decimal two = Decimal::fromInt(2);
    EXPECT_THROW(ProductQuotient({two}, Decimal()), ConversionError);
    EXPECT_THROW(ProductQuotient({Decimal::max(), two}, Decimal::fromInt(1)), ConversionError);
    EXPECT_THROW(ProductQuotient({Decimal::max(), Decimal::max(), Decimal::max()}, two), ConversionError);
    // Rounding to fewer decimals must not push past the range either.
    EXPECT_THROW(ProductQuotient({Decimal::max()}, Decimal::fromInt(1), 0), ConversionError);
    // A huge product brought back into range by its divisor is exact.
    EXPECT_EQ(ProductQuotient({Decimal::max(), Decimal::max()}, Decimal::max()), Decimal::max());
    EXPECT_EQ(ProductQuotient({Decimal::min(), Decimal::max()}, Decimal::max()), Decimal::min());
}

TEST(FormatAmountText, BringsAmountsToTwoDecimals)
{
    struct Case { const char *in, *out; } cases[] = {
        {"12", "12,00"}, {"12,5", "12,50"}, {",5", "0,50"}, {"12,", "12,00"}, {"12,3456", "12,3456"},
        {",", "0,00"}, {" , ", "0,00"}, {"", "0,00"}, {"12,50", "12,50"}, {"-3,1", "-3,10"},
        {"abc", "abc,00"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatAmountText(QString::fromUtf8(c.in)).toStdString(), c.out) << '"' << c.in << '"';
}
