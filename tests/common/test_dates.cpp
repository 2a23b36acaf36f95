#include "common/Dates.h"
#include "tests/support/ScriptedPlatform.h"

#include <gtest/gtest.h>

TEST(DateText, FormatsAreFixed)
{
    EXPECT_EQ(FormatDate(QDate(2026, 2, 1)), QStringLiteral("01/02/2026"));
    EXPECT_EQ(FormatDate(QDate(7, 12, 31)), QStringLiteral("31/12/0007"));
    EXPECT_EQ(FormatDate(QDate()), QString());
    EXPECT_EQ(FormatTime(QTime(9, 5, 3)), QStringLiteral("09:05:03"));
    EXPECT_EQ(FormatTime(QTime(23, 59, 59)), QStringLiteral("23:59:59"));
}

TEST(DateText, ReadsDatesAsTyped)
{
    struct Case { const char *text; QDate date; } cases[] = {
        {"01/02/2026", QDate(2026, 2, 1)},
        {"1/2/2026", QDate(2026, 2, 1)},
        {"1/2", QDate(2026, 2, 1)},                 // the current year
        {"  1 / 2 / 2026  ", QDate(2026, 2, 1)},    // spaces around numbers and slashes
        {"01/02/2026/", QDate(2026, 2, 1)},         // one trailing slash
        {"01/02/2026 / ", QDate(2026, 2, 1)},
        {"0007/0002/2026", QDate(2026, 2, 7)},      // leading zeros
        {"29/02/2024", QDate(2024, 2, 29)},
        {"31/12/9999", QDate(9999, 12, 31)},
        // Two-digit years fall in 1976..2075 when the current year is 2026.
        {"1/1/25", QDate(2025, 1, 1)}, {"1/1/76", QDate(1976, 1, 1)}, {"1/1/75", QDate(2075, 1, 1)},
        {"1/1/0", QDate(2000, 1, 1)}, {"1/1/00", QDate(2000, 1, 1)},
        {"1/1/05", QDate(2005, 1, 1)},
        // Three or more digits, leading zeros included, are the year as written.
        {"1/1/007", QDate(7, 1, 1)}, {"1/1/0076", QDate(76, 1, 1)},
    };
    for (const Case &c : cases) {
        const auto d = ParseDateText(QString::fromUtf8(c.text), 2026);
        ASSERT_TRUE(d.has_value()) << c.text;
        EXPECT_EQ(*d, c.date) << c.text;
    }
}

TEST(DateText, RejectsWhatIsNotADate)
{
    for (const char *text : {"", " ", "01-02-2026", "01/02/", "01/02 /", "1", "1/", "/1/2026",
                             "31/04/2026", "29/02/2025", "0/1/2026", "1/13/2026", "1/0/2026",
                             "1/1/000", "1/1/10000", "1/1/12345", "01/02/2026//", "01/02/2026 x",
                             "\t01/02/2026", "01/02/2026\n", "01 02 2026", "1/2/2026/1", "+1/2/2026"}) {
        EXPECT_FALSE(ParseDateText(QString::fromUtf8(text), 2026).has_value()) << '"' << text << '"';
    }
}

TEST(DateText, WindowMovesWithTheCurrentYear)
{
    // In 2050 the window is 2000..2099; in 2000 it is 1950..2049.
    EXPECT_EQ(ParseDateText(QStringLiteral("1/1/99"), 2050), QDate(2099, 1, 1));
    EXPECT_EQ(ParseDateText(QStringLiteral("1/1/00"), 2050), QDate(2000, 1, 1));
    EXPECT_EQ(ParseDateText(QStringLiteral("1/1/50"), 2000), QDate(1950, 1, 1));
    EXPECT_EQ(ParseDateText(QStringLiteral("1/1/49"), 2000), QDate(2049, 1, 1));
}

TEST(DateText, ValidityUsesTheYearOfToday)
{
    ScriptedPlatform p; // today is 10/12/2026
    EXPECT_TRUE(IsValidDateText(QStringLiteral("01/02/2026/")));
    EXPECT_FALSE(IsValidDateText(QString()));
    EXPECT_FALSE(IsValidDateText(QStringLiteral("01-02-2026")));
    EXPECT_EQ(ParseDateText(QStringLiteral("1/1/75")), QDate(2075, 1, 1));
    EXPECT_FALSE(IsValidDateText(QStringLiteral("29/2")));
    p.todayValue = QDate(2024, 3, 1); // a leap year, window 1974..2073
    EXPECT_TRUE(IsValidDateText(QStringLiteral("29/2")));
    EXPECT_EQ(ParseDateText(QStringLiteral("1/1/75")), QDate(1975, 1, 1));
}
