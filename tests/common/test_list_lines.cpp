// The list lines kept as keys: the sort, the texts given back and find-next, each checked against
// the plain rules on the texts (ListLineLess, ContainsFolded) over generated lines.
#include "tests/support/QStringPrinter.h"
#include "common/ArchiveSearch.h"
#include "common/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <utility>
#include <vector>

namespace {

// Characters that test the order: letters of both cases and the signs between Z and a, blanks and
// controls, accented letters, the Windows-1252 characters above 0x7F whose codes lie far above
// their bytes ("€", "Š", "Ÿ"), and, where `wide`, characters that Windows-1252 cannot hold.
QString alphabet(bool wide)
{
    QString a = QString::fromUtf8("aAbBzZ_[`{ 0\t~èÈéÉüÜÿ€ŠšŸŽ\u00a0ß");
    if (wide)
        a += QString::fromUtf8("ΩωłŁ\u2603\U0001F600");
    return a;
}

// Lines drawn from few characters, so that many share a beginning, many are equal and many differ
// only in the case of A-Z; each comes back a few times as it was or with its case changed.
QStringList generatedLines(bool wide, int count, unsigned seed)
{
    const QString chars = alphabet(wide);
    std::mt19937 random(seed);
    QStringList lines;
    while (lines.size() < count) {
        if (!lines.isEmpty() && random() % 3 == 0) {
            QString again = lines[int(random() % lines.size())];
            for (QChar &c : again)
                if (random() % 2 && c.unicode() < 128 && std::isalpha(c.unicode()))
                    c = QChar(c.unicode() ^ 0x20);
            lines.append(again);
            continue;
        }
        QString line;
        for (int n = int(random() % 9); n > 0; --n)
            line += chars[int(random() % chars.size())];
        lines.append(line);
    }
    return lines;
}

// The sort of the lines as the plain rule gives it: a stable sort with ListLineLess.
std::vector<std::pair<QString, int>> sortedByTheRule(const QStringList &lines)
{
    std::vector<std::pair<QString, int>> numbered;
    for (int i = 0; i < lines.size(); ++i)
        numbered.emplace_back(lines[i], i + 1);
    std::stable_sort(numbered.begin(), numbered.end(),
                     [](const auto &a, const auto &b) { return ListLineLess(a.first, b.first); });
    return numbered;
}

} // namespace

TEST(ListLinesKeys, SortGivesTheOrderOfTheCharacterRuleLineForLine)
{
    const struct {
        const char *name;
        bool wide;
        int count;
    } cases[] = {
        {"Windows-1252 only", false, 4000},
        {"with characters outside Windows-1252", true, 4000},
        {"a few lines", true, 7},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        for (unsigned seed : {1u, 2u, 3u}) {
            const QStringList lines = generatedLines(c.wide, c.count, seed);
            ListLines list;
            for (int i = 0; i < lines.size(); ++i)
                list.append(lines[i], i + 1);
            list.sort();
            const auto expected = sortedByTheRule(lines);
            ASSERT_EQ(list.size(), int(expected.size()));
            for (int row = 0; row < list.size(); ++row) {
                ASSERT_EQ(list.line(row), expected[size_t(row)].first) << "row " << row;
                ASSERT_EQ(list.number(row), expected[size_t(row)].second) << "row " << row;
            }
        }
    }
}

TEST(ListLinesKeys, EveryLineComesBackAsItWentIn)
{
    QStringList lines = generatedLines(true, 500, 7);
    lines << QString() << QString(QChar(0)) << QString::fromUtf8("\x7f\xc2\x81\xc2\x8d\xc2\x9d")
          << QString(QChar(0xDC00)) + QChar(0xD800);  // lone surrogates, out of order
    ListLines list;
    for (int i = 0; i < lines.size(); ++i)
        list.append(lines[i], i);
    EXPECT_EQ(list.toStringList(), lines);
}

TEST(ListLinesKeys, FindNextFindsWhatTheTextRuleFinds)
{
    // Every line against texts cut from the lines with their case changed, short texts drawn
    // from the alphabet, a text with a character outside Windows-1252, and the empty text.
    const QStringList lines = generatedLines(true, 300, 11);
    ListLines list;
    for (int i = 0; i < lines.size(); ++i)
        list.append(lines[i], i + 1);
    std::mt19937 random(5);
    QStringList texts{QString(), QString::fromUtf8("Ω"), QString::fromUtf8("é€"), QStringLiteral("Zz")};
    const QString chars = alphabet(true);
    for (int i = 0; i < 200; ++i) {
        const QString &from = lines[int(random() % lines.size())];
        if (from.isEmpty())
            continue;
        const int at = int(random() % from.size());
        texts << UpperText(from.mid(at, int(random() % 4) + 1));
        texts << QString(chars[int(random() % chars.size())]) + chars[int(random() % chars.size())];
    }
    for (const QString &text : texts) {
        const ListLines::Pattern pattern(LowerText(text));
        for (int row = 0; row < list.size(); ++row)
            ASSERT_EQ(list.contains(row, pattern), ContainsFolded(lines[row], LowerText(text)))
                << "line " << lines[row].toStdString() << ", text " << text.toStdString();
    }
    // The walk itself agrees with the walk over the same texts.
    for (const QString &text : texts.mid(0, 40)) {
        QString rememberedLines, rememberedList;
        int fromLines = 3, fromList = 3;
        for (int step = 0; step < 3; ++step) {
            fromLines = FindNextLine(lines, fromLines, text, rememberedLines);
            fromList = FindNextLine(list, fromList, text, rememberedList);
            ASSERT_EQ(fromList, fromLines) << text.toStdString();
        }
    }
}
