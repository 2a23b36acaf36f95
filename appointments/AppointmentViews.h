#pragma once
#include "common/ui/ExcelExport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class Record;

// `AppointmentSortKey`: month (the digits of the date), day, hour and minute, two digits each,
// joined: the chronological order of one year's entries as text.
QByteArray AppointmentSortKey(const Record &appointment);

// What one export window of appointments says of itself beyond the shared grid.
struct AppointmentGridSetup {
    QString objectName;
    QString caption;
    QString fileName;
    QString sheetName;
    // The chronological views select their entries and sort them by the key column "Codice
    // univoco"; the year's export shows every record in file order, without that column.
    std::function<bool(const Record &)> selected;
    QString helpTitle;
    QString helpText;
};

// The export definition of the appointment grid: "N.", the nineteen field columns, and for a
// selecting view the key column by which the grid is sorted.
ExcelExportDefinition AppointmentGridExport(AppointmentGridSetup setup);

// The help shared by the imminent, day and month views.
QString AppointmentViewsHelpTitle();
QStringList AppointmentViewsHelpParagraphs();
