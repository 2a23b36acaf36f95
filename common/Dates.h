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

// The process-wide date and decimal format ("dd/mm/yyyy", ","); windows apply it when created.
void ApplyFormatSettings();
