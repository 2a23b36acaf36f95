#include "common/Cp1252.h"
#include "common/Text.h"

#include <gtest/gtest.h>

TEST(TextRules, TrimRemovesControlsAndBlanksAtBothEndsOnly)
{
    EXPECT_EQ(TrimText(QString::fromUtf8(" \t\r\n\x01" "a b\t c" "\x1f ")), QStringLiteral("a b\t c"));
    EXPECT_EQ(TrimText(QStringLiteral(" \t\n ")), QString());
    // A no-break space (160) is above 32 and stays, unlike QString::trimmed.
    EXPECT_EQ(TrimText(QString(QChar(0xA0)) + u'x'), QString(QChar(0xA0)) + u'x');
}

TEST(TextRules, CaseChangesTouchOnlyAsciiLetters)
{
    EXPECT_EQ(UpperText(QStringLiteral("abz àéìß ñ 1_")), QStringLiteral("ABZ àéìß ñ 1_"));
    EXPECT_EQ(LowerText(QStringLiteral("ABZ ÀÉÌ Ñ 1_")), QStringLiteral("abz ÀÉÌ Ñ 1_"));
}

TEST(TextRules, CaseBlindComparisonFoldsOnlyAsciiLetters)
{
    EXPECT_TRUE(SameText(QStringLiteral("Rossi"), QStringLiteral("rOSSI")));
    EXPECT_FALSE(SameText(QStringLiteral("Nicolò"), QStringLiteral("NICOLÒ")));
    EXPECT_FALSE(SameText(QStringLiteral("Ross"), QStringLiteral("Rossi")));

    struct Case { const char *a, *b; int sign; } cases[] = {
        {"a", "A", 0}, {"a", "B", -1}, {"B", "a", 1}, {"abc", "ABCD", -1}, {"", "", 0}, {"", "a", -1},
        // "_" (0x5F) lies after "Z", and a-z compare as A-Z, so it sorts after every letter.
        {"_", "a", 1}, {"_", "Z", 1}, {"Zeta", "_x", -1},
        // Accented letters order by their own code, after every ASCII letter.
        {"à", "z", 1}, {"À", "à", -1},
    };
    for (const Case &c : cases) {
        const int r = CompareTextFolded(QString::fromUtf8(c.a), QString::fromUtf8(c.b));
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    }
}

TEST(TextRules, DigitsOnly)
{
    EXPECT_TRUE(IsDigitsOnly(QString()));
    EXPECT_TRUE(IsDigitsOnly(QStringLiteral("0123456789")));
    EXPECT_FALSE(IsDigitsOnly(QStringLiteral(" 12")));
    EXPECT_FALSE(IsDigitsOnly(QStringLiteral("12,5")));
    EXPECT_FALSE(IsDigitsOnly(QStringLiteral("-1")));
    EXPECT_FALSE(IsDigitsOnly(QStringLiteral("١٢"))); // Arabic-Indic digits are not "0" to "9"
}

TEST(TextRules, LeftRightMidChars)
{
    const QString abc = QStringLiteral("abc");
    EXPECT_EQ(LeftChars(abc, 2), QStringLiteral("ab"));
    EXPECT_EQ(LeftChars(abc, 5), abc);
    EXPECT_EQ(LeftChars(abc, 0), QString());
    EXPECT_EQ(RightChars(abc, 2), QStringLiteral("bc"));
    EXPECT_EQ(RightChars(abc, 5), abc);
    EXPECT_EQ(RightChars(abc, 0), QString());
    EXPECT_EQ(MidChars(abc, 2, 1), QStringLiteral("b"));
    EXPECT_EQ(MidChars(abc, 2, 10), QStringLiteral("bc"));
    EXPECT_EQ(MidChars(abc, 5, 2), QString());
    EXPECT_EQ(MidChars(abc, 4, 1), QString());
    EXPECT_EQ(MidChars(abc, 0, 2), QStringLiteral("ab"));
    EXPECT_EQ(MidChars(abc, -3, 1), QStringLiteral("a"));
}

TEST(TextRules, PadCutTrimsThenPadsOrCuts)
{
    EXPECT_EQ(PadCut(QStringLiteral("  Rossi  "), 8), QStringLiteral("Rossi   "));
    EXPECT_EQ(PadCut(QStringLiteral("Abcdefghij"), 4), QStringLiteral("Abcd"));
    EXPECT_EQ(PadCut(QStringLiteral("\tab"), 2), QStringLiteral("ab"));
    EXPECT_EQ(PadCut(QString(), 3), QStringLiteral("   "));
    EXPECT_EQ(PadCut(QStringLiteral("x"), 0), QString());
}

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = FromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);
    for (QChar c : text)
        EXPECT_TRUE(IsCp1252Char(c)) << int(c.unicode());
}

TEST(Cp1252, HighBytesFollowTheCodePageNotLatin1)
{
    struct Case { unsigned char byte; char16_t ch; } cases[] = {
        {0x80, 0x20AC}, {0x8A, 0x0160}, {0x92, 0x2019}, {0x96, 0x2013}, {0x99, 0x2122},
        {0x9F, 0x0178}, {0x81, 0x0081}, {0x9D, 0x009D}, {0xE0, 0x00E0}, {0xEC, 0x00EC},
    };
    for (const Case &c : cases) {
        const char b = char(c.byte);
        EXPECT_EQ(FromCp1252(&b, 1), QString(QChar(c.ch))) << int(c.byte);
        EXPECT_EQ(ToCp1252(QString(QChar(c.ch))), QByteArray(1, b)) << int(c.byte);
    }
    EXPECT_EQ(ToCp1252(QStringLiteral("Sì €")), QByteArray("S\xEC \x80"));
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeOneQuestionMark)
{
    EXPECT_EQ(ToCp1252(QStringLiteral("a中b")), QByteArray("a?b"));
    // A character outside the basic plane is two UTF-16 units but one character.
    EXPECT_EQ(ToCp1252(QStringLiteral("x😀y")), QByteArray("x?y"));
    // A C1 control that the code page gives another meaning has no byte.
    EXPECT_EQ(ToCp1252(QString(QChar(0x0080))), QByteArray("?"));
    EXPECT_FALSE(IsCp1252Char(QChar(0x4E2D)));
    EXPECT_FALSE(IsCp1252Char(QChar(0x0080)));
    EXPECT_TRUE(IsCp1252Char(QChar(0x20AC)));
}

// What a command must refuse before storing: the first character without a byte, as a whole
// character; none in a text the code page holds.
TEST(Cp1252, FirstUnstorableCharacterIsFoundWhole)
{
    const struct {
        const char *text;
        char32_t first;  // 0: every character is held
    } cases[] = {
        {"\u0141ukasz", U'\u0141'},                  // Ł
        {"Erd\u0151s", U'\u0151'},                   // ő
        {"\u03a9mega", U'\u03a9'},                   // Ω
        {"Fido \U0001F436 e Rex", U'\U0001F436'},   // an emoji, outside the basic plane
        {"\u017baneta \u0106wik", U'\u017b'},        // the first of two
        {"Nicol\u00f2 \u20ac 25\u00b0 \u2013 a\u00a0b", 0},  // è-like letters, €, °, en dash, no-break space
        {"\u0152uvre \u0160 \u017d \u0178", 0},      // the letters of the high bytes
        {"", 0},
        {"\x01\x7f", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FirstUnstorableChar(QString::fromUtf8(c.text)), c.first) << c.text;
    // A lone half of a pair has no byte either.
    EXPECT_EQ(FirstUnstorableChar(QString(QChar(0xD83D))), char32_t(0xD83D));
}
