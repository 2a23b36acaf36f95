#pragma once
#include "common/report/ReportTemplate.h"

#include <QStringList>

class QWidget;

// The landscape A4 printout of a list ("Riepilogo dati"): the title band, every line of the list
// in one text block that continues over as many pages as it needs, and a closing band with the
// date of printing after the last line.
class ListReportTemplate : public ReportTemplate {
public:
    static constexpr double LineHeightUnits = 12.822;

    ListReportTemplate();

    // Sets the title and the lines (unchanged, in list order): the block is lines x 12.822 units
    // high and its band 10 units more; the closing band reads "Stampa eseguita in data " and
    // today's date. Then prepares the pages.
    PreparedReport fill(const QString &title, const QStringList &lines);
};

// The "Stampa" command of the lists: the printout after the print dialog. It has no guard of its
// own: a failure ends in the error box.
void PrintListReport(const QString &title, const QStringList &lines, QWidget *parent);
