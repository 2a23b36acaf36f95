#pragma once
#include "common/Maker.h"
#include "common/report/ReportTemplate.h"

#include <QList>

// One line of a card printout: the caption and the value beside it.
struct CardLine {
    QString caption;
    QString value;
};

// The one-page A4 printout of a record card: a title, 24 lines of caption and value, and a footer
// with the date and time of printing. Author and creator of the PDF are the suite's maker.
class CardReportTemplate : public ReportTemplate {
public:
    static constexpr int LineCount = 24;

    CardReportTemplate(const QString &author, const QString &creator);

    // Sets the title, the 24 lines (lines not given are emptied) and the footer with today's date
    // and time, then prepares the page.
    PreparedReport fill(const QString &title, const QList<CardLine> &lines);

    // "titCampo01" .. "titCampo24" and "txtCampo01" .. "txtCampo24"; i from 1.
    static QString captionName(int i);
    static QString valueName(int i);
};

// The picture of the printout's logo: a yellow folder.
QImage CardLogoPicture();
