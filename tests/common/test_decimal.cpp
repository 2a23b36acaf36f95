#include "common/Decimal.h"

#include <gtest/gtest.h>

void PrintTo(const Decimal &d, std::ostream *os) { *os << d.toFixedText(4).toStdString(); }

namespace {

Decimal num(const char *text)
{
    const auto d = Decimal::parse(QString::fromUtf8(text));
    EXPECT_TRUE(d.has_value()) << text;
    return d.value_or(Decimal());
}

std::string general(Decimal d) { return d.toGeneralText().toStdString(); }

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

TEST(DecimalParse, TooManyIntegerDigitsIsNotANumberRatherThanOverflow)
{
    const QString thirty(30, u'9');
    ASSERT_TRUE(Decimal::parse(thirty).has_value());
    EXPECT_EQ(Decimal::parse(thirty)->toFixedText(0), thirty);
    EXPECT_FALSE(Decimal::parse(thirty + u'9').has_value());
    EXPECT_FALSE(Decimal::parse(QString(60, u'9')).has_value());
    // Leading zeros do not count against the limit.
    EXPECT_TRUE(Decimal::parse(QString(40, u'0') + u'1').has_value());
}

TEST(DecimalText, GeneralTextDropsTrailingZerosAndNegativeZero)
{
    struct Case { const char *in, *out; } cases[] = {
        {"12,50", "12,5"}, {"-3,0", "-3"}, {"0,0001", "0,0001"}, {"-0,0", "0"}, {"100", "100"},
        {"12,", "12"}, {"-0,125", "-0,125"},
        // At most 15 significant digits, rounded half away from zero.
        {"12345678901,2345", "12345678901,2345"}, {"123456789012,3456", "123456789012,346"},
        {"-123456789012,3455", "-123456789012,346"}, {"999999999999,9999", "1000000000000"},
        {"1234567890123456789", "1234567890123460000"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(general(num(c.in)), c.out) << c.in;
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
    const Decimal a = num("999999999999999,9999");
    const Decimal b = num("999999999999999,9999");
    const Decimal p = a * b;
    // 999999999999999,9999^2 = 999999999999999999800000000000,00000001, which rounds to four zero decimals
    EXPECT_EQ(p.toFixedText(4), QStringLiteral("999999999999999999800000000000,0000"));
    EXPECT_EQ(p / b, a);
    EXPECT_EQ(num("123456789012345,6789") * Decimal::fromInt(-1000), num("-123456789012345678,9"));

    // Counts whose product, and a quotient whose scaled dividend, pass 2^128.
    const Decimal x = num("12345678901234567,8901"), y = num("-9876543210987654,3219");
    const Decimal xy = x * y;
    EXPECT_EQ(xy.toFixedText(4), QStringLiteral("-121932631137021795235845145443336,2292"));
    EXPECT_EQ(xy / y, x);
    EXPECT_EQ((xy / Decimal::fromInt(-7)).toFixedText(4), QStringLiteral("17418947305288827890835020777619,4613"));
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
