#pragma once
#include "common/report/ReportObjects.h"

#include <QPageLayout>
#include <QPointF>
#include <QSizeF>
#include <variant>

// What goes into the PDF file's Info dictionary.
struct ReportPdfInfo {
    QString title;
    QString subject;
    QString author;
    QString creator;
};

// Draw items of a prepared page, placed in millimetres from the paper's top left corner.
struct PreparedText {
    QString name;
    QRectF rect;
    QString text;
    ReportTextStyle style;
};

struct PreparedRectangle {
    QRectF rect;
    std::optional<QColor> fill;
    std::optional<ReportPen> frame = ReportPen{};
};

struct PreparedLine {
    QPointF from;
    QPointF to;
};

struct PreparedPicture {
    QString name;
    QRectF rect;
    QImage picture;
    bool centred = false;
};

struct PreparedPainting {
    QString name;
    QRectF rect;
    ReportPaintRoutine paint;
};

using PreparedItem = std::variant<PreparedText, PreparedRectangle, PreparedLine, PreparedPicture, PreparedPainting>;

struct PreparedPage {
    std::vector<PreparedItem> items;
};

// A report laid out into pages, ready to be drawn on paper, on screen or into a PDF file.
struct PreparedReport {
    QString name;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    ReportPdfInfo pdfInfo;
    std::vector<PreparedPage> pages;

    // A4 in the report's orientation, without margins: the pages are drawn from the paper's corner.
    QPageLayout pageLayout() const;
    // The paper's size in millimetres.
    QSizeF paperSize() const;
    // The texts of the items called `name`, in page order (a text block gives one per line).
    QStringList texts(const QString &name) const;
    // The first text item called `name`, or nullptr.
    const PreparedText *findText(const QString &name) const;
};
