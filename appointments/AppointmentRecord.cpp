#include "appointments/AppointmentRecord.h"

#include "common/ArchiveSearch.h"
#include "common/Dates.h"
#include "common/Decimal.h"
#include "common/Text.h"

#include <QDir>

#include <algorithm>

const RecordLayout &AppointmentRecordLayout()
{
    static const RecordLayout layout{
        {"Giorno", 2},      {"Mese", 10},      {"Anno", 4},          {"Data", 10},        {"OreApp", 2},
        {"MinutiApp", 2},   {"Ora", 5},        {"Avviso", 3},        {"Proprietario", 50}, {"CodFisc", 16},
        {"Recapito", 50},   {"Nome", 50},      {"DataNasc", 50},     {"Razza", 50},       {"Mantello", 50},
        {"Microchip", 50},  {"Segni", 250},    {"Persona", 50},      {"Dettagli", 250},   {"Officina", 150},
        {"Costo", 15},      {"Contatto", 50},  {"Note", 250},        {"DaConfermare", 2}, {"Effettuata", 2},
    };
    return layout;
}

QString AppointmentArchiveName(const QString &year)
{
    return IsFourDigitYearText(year) ? year + AppointmentArchiveExtension : QString();
}

QString AppointmentArchivePath(const QString &folder, const QString &year)
{
    const QString name = AppointmentArchiveName(year);
    return name.isEmpty() ? QString() : QDir(folder).filePath(name);
}

QString AppointmentArchivePath(const QString &folder, const QDate &date)
{
    return AppointmentArchivePath(folder, QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')));
}

const std::array<MonthName, 12> &MonthNames()
{
    static const std::array<MonthName, 12> names{{
        {"Gennaio", "gennaio", "01"},
        {"Febbraio", "febbraio", "02"},
        {"Marzo", "marzo", "03"},
        {"Aprile", "aprile", "04"},
        {"Maggio", "maggio", "05"},
        {"Giugno", "giugno", "06"},
        {"Luglio", "luglio", "07"},
        {"Agosto", "agosto", "08"},
        {"Settembre", "settembre", "09"},
        {"Ottobre", "ottobre", "10"},
        {"Novembre", "novembre", "11"},
        {"Dicembre", "dicembre", "12"},
    }};
    return names;
}

QString MonthNumber(const QString &monthText)
{
    const QString lower = LowerText(TrimText(monthText));
    for (const MonthName &m : MonthNames())
        if (lower == QLatin1String(m.lower))
            return QString::fromLatin1(m.number);
    return {};
}

namespace {

struct NoticeFields {
    int data;
    int avviso;
};

const NoticeFields &noticeFields()
{
    static const NoticeFields f{AppointmentRecordLayout().indexOf("Data"), AppointmentRecordLayout().indexOf("Avviso")};
    return f;
}

// A whole number as a number field reads it: optional sign, then decimal digits, blanks around.
std::optional<int> readWholeNumber(const QString &text)
{
    const QString t = TrimText(text);
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int n = t.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return n;
}

} // namespace

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
int digitsValue(QByteArrayView b, qsizetype from, qsizetype count)
{
    int n = 0;
    for (qsizetype i = from; i < from + count; ++i)
        n = n * 10 + (b[i] - '0');
    return n;
}

// The date as Save writes it, "dd/mm/yyyy", read straight from the bytes: the reminder reads every
// record of the year at each showing. Empty when the bytes have another form.
std::optional<std::optional<QDate>> savedFormDate(QByteArrayView b)
{
    if (b.size() != 10 || b[2] != '/' || b[5] != '/')
        return std::nullopt;
    for (qsizetype i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!isDigit(b[i]))
            return std::nullopt;
    const int day = digitsValue(b, 0, 2), month = digitsValue(b, 3, 2), year = digitsValue(b, 6, 4);
    if (year < 1 || !QDate::isValid(year, month, day))
        return std::optional<QDate>();
    return std::optional<QDate>(QDate(year, month, day));
}

} // namespace

std::optional<AppointmentNotice> ReadAppointmentNotice(const Record &appointment)
{
    const NoticeFields &f = noticeFields();
    const RecordLayout &layout = appointment.layout();
    const char *bytes = appointment.bytes().constData();

    std::optional<QDate> date;
    if (const auto saved = savedFormDate(TrimmedFieldBytes(bytes + layout.offset(f.data), layout.capacity(f.data)))) {
        date = *saved;
    } else {
        const QString data = appointment.text(f.data);
        // The year must be written in full: a short or missing year would depend on today.
        if (TrimText(data.section(u'/', 2, 2)).size() != 4)
            return std::nullopt;
        date = ParseDateText(data, 2000);
    }
    if (!date)
        return std::nullopt;

    const QByteArrayView avviso = TrimmedFieldBytes(bytes + layout.offset(f.avviso), layout.capacity(f.avviso));
    if (!avviso.isEmpty() && std::all_of(avviso.begin(), avviso.end(), isDigit))
        return AppointmentNotice{*date, digitsValue(avviso, 0, avviso.size())};
    const std::optional<int> days = readWholeNumber(appointment.text(f.avviso));
    if (!days)
        return std::nullopt;
    return AppointmentNotice{*date, *days};
}

bool IsImminent(const AppointmentNotice &notice, const QDate &today)
{
    return notice.date.addDays(-qint64(notice.daysBefore)) <= today && today <= notice.date;
}

bool IsImminent(const Record &appointment, const QDate &today)
{
    const std::optional<AppointmentNotice> notice = ReadAppointmentNotice(appointment);
    return notice && IsImminent(*notice, today);
}

ImminentCount CountImminent(const QString &archive, const QDate &today)
{
    ImminentCount count;
    ScanArchive(archive, AppointmentRecordLayout(), [&](const Record &r, int) {
        ++count.records;
        const std::optional<AppointmentNotice> notice = ReadAppointmentNotice(r);
        if (!notice)
            ++count.damaged;
        else if (IsImminent(*notice, today))
            ++count.imminent;
    });
    return count;
}

std::optional<QString> AppointmentAmountText(const QString &text)
{
    if (TrimText(text).isEmpty())
        return QStringLiteral("0,00");
    const std::optional<Decimal> value = Decimal::parse(text);
    if (!value)
        return std::nullopt;
    return FormatAmountText(value->toGeneralText());
}
