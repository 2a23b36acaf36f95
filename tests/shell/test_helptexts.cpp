#include "shell/HelpTexts.h"

#include <gtest/gtest.h>

TEST(GeneralHelp, SeventyParagraphsOfPlainText)
{
    EXPECT_EQ(GeneralHelpTitle(), QStringLiteral("Uno sguardo a Tavoren."));
    const QStringList paragraphs = GeneralHelpParagraphs();
    ASSERT_EQ(paragraphs.size(), 70);
    for (int i = 0; i < paragraphs.size(); ++i) {
        const QString &p = paragraphs[i];
        SCOPED_TRACE(i + 1);
        EXPECT_FALSE(p.trimmed().isEmpty());
        EXPECT_EQ(p, p.trimmed());
        EXPECT_FALSE(p.contains(QLatin1Char('\r')) || p.contains(QLatin1Char('\n')));
        // Accented letters must survive the source encoding: no replacement characters.
        EXPECT_FALSE(p.contains(QChar::ReplacementCharacter));
    }
    // The password paragraph names the first-access password; no other paragraph does.
    for (int i = 0; i < paragraphs.size(); ++i)
        EXPECT_EQ(paragraphs[i].contains(QStringLiteral("bromeliaspunto")), i == 67) << i + 1;
}

TEST(GeneralHelp, TextJoinsParagraphsWithOneEmptyLine)
{
    const QString text = GeneralHelpText();
    EXPECT_FALSE(text.startsWith(QLatin1Char('\r')) || text.startsWith(QLatin1Char('\n')));
    EXPECT_FALSE(text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n')));
    EXPECT_EQ(text.split(QStringLiteral("\r\n\r\n")), GeneralHelpParagraphs());
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 2 * 69);
    EXPECT_FALSE(text.contains(QStringLiteral("\r\n\r\n\r\n")));
}
