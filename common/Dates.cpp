#include "common/Dates.h"

#include "common/Platform.h"

#include <QLocale>

namespace {

QString twoDigits(int v) { return QString::number(v).rightJustified(2, u'0'); }

// Reads the date text from left to right; only the space character counts as a blank.
class DateReader {
public:
    explicit DateReader(const QString &s) : s_(s) {}

    void skipSpaces()
    {
        while (pos_ < s_.size() && s_.at(pos_) == u' ')
            ++pos_;
    }
    bool take(QChar c)
    {
        if (pos_ < s_.size() && s_.at(pos_) == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool atEnd() const { return pos_ == s_.size(); }

    // Digits are taken while the value read so far is below 1000, so at most four significant
    // digits after any number of leading zeros. digitCount counts every digit taken.
    bool number(int &value, int &digitCount)
    {
        skipSpaces();
        value = 0;
        digitCount = 0;
        while (value < 1000 && pos_ < s_.size() && s_.at(pos_) >= u'0' && s_.at(pos_) <= u'9') {
            value = value * 10 + (s_.at(pos_).unicode() - u'0');
            ++digitCount;
            ++pos_;
        }
        return digitCount > 0;
    }

private:
    const QString &s_;
    qsizetype pos_ = 0;
};

// A year of one or two digits in the 100 years that begin 50 years before the current year.
int windowYear(int year, int currentYear)
{
    const int first = currentYear - 50;
    int century = first / 100 * 100;
    if (century + year < first)
        century += 100;
    return century + year;
}

} // namespace

QString FormatDate(const QDate &d)
{
    if (!d.isValid())
        return QString();
    return twoDigits(d.day()) + u'/' + twoDigits(d.month()) + u'/'
        + QString::number(d.year()).rightJustified(4, u'0');
}

QString FormatTime(const QTime &t)
{
    if (!t.isValid())
        return QString();
    return twoDigits(t.hour()) + u':' + twoDigits(t.minute()) + u':' + twoDigits(t.second());
}

std::optional<QDate> ParseDateText(const QString &s, int currentYear)
{
    DateReader r(s);
    int day, month, year = currentYear, digits;
    if (!r.number(day, digits))
        return std::nullopt;
    r.skipSpaces();
    if (!r.take(u'/') || !r.number(month, digits))
        return std::nullopt;
    r.skipSpaces();
    if (r.take(u'/')) {
        if (!r.number(year, digits))
            return std::nullopt;
        if (digits <= 2)
            year = windowYear(year, currentYear);
    }
    r.skipSpaces();
    r.take(u'/');
    r.skipSpaces();
    if (!r.atEnd() || year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

std::optional<QDate> ParseDateText(const QString &s)
{
    return ParseDateText(s, Today().year());
}

bool IsValidDateText(const QString &s)
{
    return ParseDateText(s).has_value();
}

void ApplyFormatSettings()
{
    // The suite's own dates and numbers are fixed; this makes Qt's widgets speak Italian too.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

bool IsFourDigitYearText(const QString &year)
{
    if (year.size() != 4)
        return false;
    for (QChar c : year)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}
