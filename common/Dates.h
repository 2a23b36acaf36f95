#pragma once
#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

// Dates are "dd/mm/yyyy" and times "hh:mm:ss" on the 24-hour clock, whatever the system's locale.
QString FormatDate(const QDate &d);
QString FormatTime(const QTime &t);

// Reads a date as the suite types it: "d/m/y" with blanks allowed around numbers and slashes,
// a two-digit year placed in the 100-year window that begins 50 years before the current year,
// "d/m" meaning the current year, one optional trailing "/". The year of today comes from the platform.
std::optional<QDate> ParseDateText(const QString &s);
std::optional<QDate> ParseDateText(const QString &s, int currentYear);
bool IsValidDateText(const QString &s);

// Whether a year text, exactly as it arrived (typed, pasted or written by code), names a yearly
// archive: exactly four ASCII digits and nothing around them. Anything else ("202", "20266", " 2024",
// "../20", full-width digits) is refused, so a year archive is never named outside its folder.
bool IsFourDigitYearText(const QString &year);

// The process-wide date and decimal format ("dd/mm/yyyy", ","); windows apply it when created.
void ApplyFormatSettings();
