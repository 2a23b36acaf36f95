#pragma once
#include "common/Dates.h"
#include "common/Record.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

// `TAppointmentRecord`: one deadline or appointment of a year archive, 25 text fields, 1448 bytes.
const RecordLayout &AppointmentRecordLayout();

// The extension of the year archives: the year 2024 lives in "2024.sca".
inline const QString AppointmentArchiveExtension = QStringLiteral(".sca");

// The name of a year's archive ("2024.sca"), or an empty string when the year text is refused.
QString AppointmentArchiveName(const QString &year);
// The archive of a year in a folder, or an empty string when the year text is refused.
QString AppointmentArchivePath(const QString &folder, const QString &year);
// The archive of the year of a date, in a folder: the one the reminder reads.
QString AppointmentArchivePath(const QString &folder, const QDate &date);

// `MonthNames`: the twelve month names of the month list, in order, with their lower-case form
// and the two-digit number that goes into the date.
struct MonthName {
    const char *name;
    const char *lower;
    const char *number;
};
const std::array<MonthName, 12> &MonthNames();
// The two-digit number of a month given by its name, compared trimmed and lower-cased
// ("Aprile", " aprile " give "04"); empty when it is not one of the twelve names.
QString MonthNumber(const QString &monthText);

// The deadline of a record and its days of notice, read from `Data` ("dd/mm/yyyy") and `Avviso`
// (a whole number). Empty when either does not convert: such a record is damaged and is skipped by
// the reminder and the views, never fatal to a scan.
struct AppointmentNotice {
    QDate date;
    int daysBefore;
};
std::optional<AppointmentNotice> ReadAppointmentNotice(const Record &appointment);

// `IsImminent`: today lies between the deadline less its days of notice and the deadline, both
// ends included; the time of the appointment plays no part. A record whose date or days of
// notice do not convert is not imminent.
bool IsImminent(const AppointmentNotice &notice, const QDate &today);
bool IsImminent(const Record &appointment, const QDate &today);

// The count of a reminder check over an archive: the imminent records and those skipped because
// their date or days of notice do not convert.
struct ImminentCount {
    int imminent = 0;
    int damaged = 0;
    int records = 0;
};
// Reads the archive (created empty when missing) and counts its imminent records; throws IoError
// when the archive cannot be opened or read.
ImminentCount CountImminent(const QString &archive, const QDate &today);

// The amount of an entry in its stored form: read with the decimal comma (four decimals at most,
// rounded), written back in the general number form and brought to at least two decimals
// ("12" -> "12,00", "0,123456" -> "0,1235", "007" -> "7,00"); an empty text is "0,00". Empty
// when the text is not a number.
std::optional<QString> AppointmentAmountText(const QString &text);
