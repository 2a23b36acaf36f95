#include "common/Text.h"

#include <utility>

namespace {

char16_t foldUpper(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; }
char16_t foldLower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

template <typename Fold>
QString mapLetters(const QString &s, Fold fold)
{
    QString out = s;
    for (QChar &c : out)
        c = QChar(fold(c.unicode()));
    return out;
}

// Where the characters past the trimmed ones begin and end: `code(i)` gives the code of character i.
template <typename Code>
std::pair<qsizetype, qsizetype> trimmedSpan(qsizetype size, Code code)
{
    qsizetype begin = 0, end = size;
    while (begin < end && code(begin) <= 32)
        ++begin;
    while (end > begin && code(end - 1) <= 32)
        --end;
    return {begin, end};
}

} // namespace

QString TrimText(const QString &s)
{
    const auto [begin, end] = trimmedSpan(s.size(), [&s](qsizetype i) { return s.at(i).unicode(); });
    return s.mid(begin, end - begin);
}

QStringView TrimmedView(QStringView s)
{
    const auto [begin, end] = trimmedSpan(s.size(), [s](qsizetype i) { return s[i].unicode(); });
    return s.sliced(begin, end - begin);
}

QByteArrayView TrimmedView(QByteArrayView bytes)
{
    const auto [begin, end] =
        trimmedSpan(bytes.size(), [bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); });
    return bytes.sliced(begin, end - begin);
}

QString UpperText(const QString &s) { return mapLetters(s, foldUpper); }
QString LowerText(const QString &s) { return mapLetters(s, foldLower); }

bool SameText(const QString &a, const QString &b)
{
    return a.size() == b.size() && CompareTextFolded(a, b) == 0;
}

int CompareTextFolded(QStringView a, QStringView b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = foldUpper(a.at(i).unicode()), y = foldUpper(b.at(i).unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool IsDigitsOnly(const QString &s)
{
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString LeftChars(const QString &s, int n) { return n <= 0 ? QString() : s.left(n); }
QString RightChars(const QString &s, int n) { return n <= 0 ? QString() : s.right(n); }

QString MidChars(const QString &s, int from, int count)
{
    const qsizetype start = qMax(from, 1) - 1;
    if (count <= 0 || start >= s.size())
        return QString();
    return s.mid(start, count);
}

QString PadCut(const QString &s, int n)
{
    if (n <= 0)
        return QString();
    return LeftChars(TrimText(s), n).leftJustified(n, u' ');
}
