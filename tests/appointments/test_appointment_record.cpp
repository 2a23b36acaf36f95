#include "appointments/AppointmentRecord.h"

#include "common/Archive.h"
#include "common/Errors.h"
#include "tests/support/ScriptedPlatform.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

Record appointment(const QString &data, const QString &avviso)
{
    Record r(AppointmentRecordLayout());
    r.setText("Data", data);
    r.setText("Avviso", avviso);
    return r;
}

TEST(AppointmentRecord, TwentyFiveFieldsAtTheirOffsets)
{
    const RecordLayout &layout = AppointmentRecordLayout();
    EXPECT_EQ(layout.recordSize(), 1448);
    ASSERT_EQ(layout.fieldCount(), 25);
    const struct {
        const char *field;
        int offset;
        int capacity;
    } cases[] = {
        {"Giorno", 0, 2},        {"Mese", 3, 10},          {"Anno", 14, 4},        {"Data", 19, 10},
        {"OreApp", 30, 2},       {"MinutiApp", 33, 2},     {"Ora", 36, 5},         {"Avviso", 42, 3},
        {"Proprietario", 46, 50}, {"CodFisc", 97, 16},     {"Recapito", 114, 50},  {"Nome", 165, 50},
        {"DataNasc", 216, 50},   {"Razza", 267, 50},       {"Mantello", 318, 50},  {"Microchip", 369, 50},
        {"Segni", 420, 250},     {"Persona", 671, 50},     {"Dettagli", 722, 250}, {"Officina", 973, 150},
        {"Costo", 1124, 15},     {"Contatto", 1140, 50},   {"Note", 1191, 250},    {"DaConfermare", 1442, 2},
        {"Effettuata", 1445, 2},
    };
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(layout.name(i), QLatin1String(cases[i].field)) << i;
        EXPECT_EQ(layout.offset(i), cases[i].offset) << cases[i].field;
        EXPECT_EQ(layout.capacity(i), cases[i].capacity) << cases[i].field;
    }
}

TEST(AppointmentArchiveYear, OnlyFourAsciiDigitsNameAnArchive)
{
    const struct {
        QString year;
        bool accepted;
    } cases[] = {
        {"2024", true},
        {"0999", true},
        {"202", false},
        {"20266", false},
        {"../20", false},
        {"..\\2", false},
        {"/tmp", false},
        {QString::fromUtf8("２０２６"), false},   // full-width digits
        {QString::fromUtf8("٢٠٢٦"), false},       // Arabic-Indic digits
        {" 202", false},
        {"2024 ", false},
        {"", false},
        {"20a4", false},
        {"-202", false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(IsFourDigitYearText(c.year), c.accepted) << c.year.toStdString();
        EXPECT_EQ(AppointmentArchiveName(c.year), c.accepted ? c.year + ".sca" : QString()) << c.year.toStdString();
        EXPECT_EQ(AppointmentArchivePath("/prog/", c.year).isEmpty(), !c.accepted) << c.year.toStdString();
    }
    EXPECT_EQ(AppointmentArchivePath("/prog/", QString("2024")), "/prog/2024.sca");
    EXPECT_EQ(AppointmentArchivePath("/prog/", QDate(2026, 12, 28)), "/prog/2026.sca");
}

TEST(AppointmentMonths, NamesInOrderWithTheirNumbers)
{
    const auto &names = MonthNames();
    EXPECT_STREQ(names[0].name, "Gennaio");
    EXPECT_STREQ(names[11].name, "Dicembre");
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(QString::fromLatin1(names[size_t(i)].number).toInt(), i + 1);
        EXPECT_EQ(QString::fromLatin1(names[size_t(i)].lower), QString::fromLatin1(names[size_t(i)].name).toLower());
    }
    EXPECT_EQ(MonthNumber("Aprile"), "04");
    EXPECT_EQ(MonthNumber("  dICEMBRE "), "12");
    EXPECT_EQ(MonthNumber("Apr"), "");
    EXPECT_EQ(MonthNumber(""), "");
}

TEST(AppointmentImminence, BothEndsOfTheNoticeIncluded)
{
    const struct {
        QString data;
        QString avviso;
        QDate today;
        bool imminent;
    } cases[] = {
        {"20/05/2026", "7", QDate(2026, 5, 12), false},
        {"20/05/2026", "7", QDate(2026, 5, 13), true},
        {"20/05/2026", "7", QDate(2026, 5, 20), true},
        {"20/05/2026", "7", QDate(2026, 5, 21), false},
        {"20/05/2026", "0", QDate(2026, 5, 20), true},
        {"20/05/2026", "0", QDate(2026, 5, 19), false},
        {"02/01/2027", "10", QDate(2026, 12, 28), true},  // across the year end, as the rule reads
        {"05/03/2024", "999", QDate(2021, 6, 10), true},  // the widest notice the field holds
        {"05/03/2024", "999", QDate(2021, 6, 9), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsImminent(appointment(c.data, c.avviso), c.today), c.imminent)
            << c.data.toStdString() << " " << c.avviso.toStdString() << " " << c.today.toString().toStdString();
}

TEST(AppointmentImminence, DamagedDateOrNoticeIsSkippedNotThrown)
{
    const struct {
        QString data;
        QString avviso;
    } cases[] = {
        {"20/05/2026", ""},   {"20/05/2026", "x"},  {"20/05/2026", "1,5"}, {"31/04/2026", "3"},
        {"", "3"},            {"20/05", "3"},       {"20/05/26", "3"},     {"ab/cd/efgh", "3"},
        {"29/02/2023", "3"},
    };
    for (const auto &c : cases) {
        EXPECT_FALSE(ReadAppointmentNotice(appointment(c.data, c.avviso)).has_value()) << c.data.toStdString();
        EXPECT_FALSE(IsImminent(appointment(c.data, c.avviso), QDate(2026, 5, 20)));
    }
    const auto notice = ReadAppointmentNotice(appointment(" 20/05/2026 ", " 7"));
    ASSERT_TRUE(notice.has_value());
    EXPECT_EQ(notice->date, QDate(2026, 5, 20));
    EXPECT_EQ(notice->daysBefore, 7);
}

TEST(AppointmentImminence, CountGoesOnPastADamagedRecord)
{
    ScriptedPlatform platform;
    const QString path = platform.file("2026.sca");
    {
        Archive a = OpenOrCreateArchive(path, AppointmentRecordLayout().recordSize());
        a.append(appointment("20/05/2026", "3").bytes());
        a.append(appointment("20/05/2026", "").bytes());  // damaged: no days of notice
        a.append(appointment("18/05/2026", "1").bytes());  // past
        a.append(appointment("xx/05/2026", "1").bytes());  // damaged date
        a.append(appointment("25/05/2026", "5").bytes());
    }
    const ImminentCount count = CountImminent(path, QDate(2026, 5, 20));
    EXPECT_EQ(count.records, 5);
    EXPECT_EQ(count.damaged, 2);
    EXPECT_EQ(count.imminent, 2);

    // A missing archive is created empty and counts nothing.
    const QString missing = platform.file("2027.sca");
    const ImminentCount none = CountImminent(missing, QDate(2026, 5, 20));
    EXPECT_EQ(none.records, 0);
    EXPECT_TRUE(QFile::exists(missing));
}

} // namespace
