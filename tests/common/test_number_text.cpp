#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <vector>

namespace {

std::string fixed(const std::optional<Decimal> &d) { return d ? d->toFixedText(4).toStdString() : "not a number"; }

} // namespace

TEST(NumberText, ReadsTheGrammarWithExponentAndRoundsToFourDecimalsOnce)
{
    const struct {
        const char *text;
        const char *value;  // toFixedText(4), or "not a number"
    } cases[] = {
        {"12", "12,0000"},
        {" 12,5 ", "12,5000"},
        {"\t-3\r\n", "-3,0000"},
        {",", "not a number"},  // a comma without digits
        {"-,5", "-0,5000"},  // either side of the comma may be empty
        {"5,", "5,0000"},
        {"1E3", "1000,0000"},
        {"1e+3", "1000,0000"},
        {"2,5e-1", "0,2500"},
        {"0,0001E4", "1,0000"},
        {"1,23456", "1,2346"},
        {"5E-5", "0,0001"},   // half away from zero
        {"-5E-5", "-0,0001"},
        {"4,9999E-5", "0,0000"},
        {"1E-999999999999999999999", "0,0000"},  // a huge exponent counts as 10^15
        {"1E29", "100000000000000000000000000000,0000"},
        {"1E30", "not a number"},  // 31 integer digits
        {"999999999999999999999999999999,99995", "not a number"},
        {"1234567890123456", "not a number"},  // cannot be written back in 15 digits
        {"", "not a number"},
        {"   ", "not a number"},
        {"\u00a0", "not a number"},  // a non-breaking space is no blank
        {"\u00a012", "not a number"},
        {"1.000", "not a number"},
        {"1,2,3", "not a number"},
        {"E3", "not a number"},
        {"1E", "not a number"},
        {"1E+", "not a number"},
        {"1E3,5", "not a number"},
        {"--1", "not a number"},
        {"1 2", "not a number"},
        {"12\u20ac", "not a number"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fixed(ParseNumberText(QString::fromUtf8(c.text))), c.value) << c.text;
    // The invoice card's edits read a lone comma as 0.
    EXPECT_EQ(fixed(ParseNumberText(u",", LoneComma::Zero)), "0,0000");
    EXPECT_EQ(fixed(ParseNumberText(u"-,E3", LoneComma::Zero)), "0,0000");
    EXPECT_EQ(fixed(ParseNumberText(u"-", LoneComma::Zero)), "not a number");
}

TEST(ExactSum, SumsExactlyAndRoundsOnce)
{
    const struct {
        std::vector<const char *> texts;
        const char *four;  // rounded to four decimals
        long long whole;   // rounded to a whole number, in units of one
    } cases[] = {
        // Rounding each addend first would give 0,0003.
        {{"0,00005", "0,00005", "0,00005"}, "0,0002", 0},
        {{"0,10", "0,10", "0,10"}, "0,3000", 0},
        {{"0,00004", "0,00001"}, "0,0001", 0},
        // Digits far below the fourth decimal still decide the rounding, either way.
        {{"0,00005", "-1E-12"}, "0,0000", 0},
        {{"-0,00005", "1E-40"}, "0,0000", 0},
        {{"-0,00005"}, "-0,0001", 0},
        {{"0,000049999999999", "0,000000000000001"}, "0,0001", 0},  // a carry up from the far digits
        {{"5E-10", "5E-10", "0,0000499"}, "0,0000", 0},
        {{"1E-30", "-1E-30"}, "0,0000", 0},
        {{"0,000000001", "0,999999999"}, "1,0000", 1},
        {{"1000000", "-999999,99995"}, "0,0001", 0},
        {{"1E3", "2,5e-1"}, "1000,2500", 1000},
        {{"2,49995"}, "2,5000", 2},  // once: 2, not 2,5000 then 3
        {{"2,5"}, "2,5000", 3},
        {{"-2,5"}, "-2,5000", -3},
        {{"-1,5", "0,25"}, "-1,2500", -1},
        {{"999999999999999999999999999999", "-1"}, "999999999999999999999999999998,0000", 0},
        {{}, "0,0000", 0},
    };
    for (const auto &c : cases) {
        ExactSum sum;
        std::string trace;
        for (const char *t : c.texts) {
            trace += std::string(t) + " ";
            EXPECT_TRUE(sum.add(QByteArrayView(t))) << t;
        }
        SCOPED_TRACE(trace);
        EXPECT_EQ(sum.rounded(4).toFixedText(4).toStdString(), c.four);
        if (std::string(c.four).size() < 20) {
            EXPECT_EQ(static_cast<long long>(sum.rounded(0).units() / 10000), c.whole);
        }
    }
}

TEST(ExactSum, RefusesWhatIsNoAmountAndSumsOfThirtyOneDigits)
{
    // Not a number: nothing is added.
    for (const char *text : {"abc", "1,2,3", "\xa0", "1.000", "", ",", "1E30", "-1E30"}) {
        ExactSum sum;
        ASSERT_TRUE(sum.add(QByteArrayView("7,25")));
        EXPECT_FALSE(sum.add(QByteArrayView(text))) << text;
        EXPECT_EQ(sum.rounded(4).toFixedText(2), "7,25") << text;
    }
    // A text reads as its bytes do (Windows-1252).
    ExactSum text;
    EXPECT_TRUE(text.add(QStringView(u" 1E2 ")));
    EXPECT_FALSE(text.add(QStringView(u"\u00a0")));
    EXPECT_EQ(text.rounded(0).toFixedText(0), "100");

    // The addends of one sign reaching 10^30 cannot be summed.
    ExactSum large;
    EXPECT_TRUE(large.add(QByteArrayView("999999999999999999999999999999")));
    EXPECT_FALSE(large.add(QByteArrayView("1")));
    ExactSum balanced;
    EXPECT_TRUE(balanced.add(QByteArrayView("999999999999999999999999999999")));
    EXPECT_TRUE(balanced.add(QByteArrayView("-999999999999999999999999999999")));
    EXPECT_TRUE(balanced.rounded(4).isZero());
}
