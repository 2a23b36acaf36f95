#include "common/Text.h"

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

} // namespace

QString TrimText(const QString &s)
{
    qsizetype begin = 0, end = s.size();
    while (begin < end && s.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && s.at(end - 1).unicode() <= 32)
        --end;
    return s.mid(begin, end - begin);
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
