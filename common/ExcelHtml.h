#pragma once
#include "common/ByteSink.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// One column of a worksheet: its bold header cell and how its body cells are aligned.
struct ExcelColumn {
    QString title;
    int width = 0;
    bool alignRight = false;
};

// A worksheet written as an HTML table under an Office worksheet header.
struct ExcelSheet {
    QString name;
    std::vector<ExcelColumn> columns;
};

// The text of a body cell as it is kept: in UTF-8, or in Windows-1252 as the archives store it.
struct ExcelCell {
    QByteArrayView bytes;
    bool cp1252 = false;
};

// The body cell at a row and column, both counted from 0, column 0 being the sheet's first column.
// The bytes need to stay valid only until the next call.
using ExcelCellText = std::function<ExcelCell(int row, int column)>;

// The file of a worksheet in Windows-1252, all on one line: the worksheet header, one bold header
// cell per column, then one table row per body row, each cell trimmed. "&", "<", ">" and the
// double quote become entities and a control character a character reference, and every body
// cell is marked as text, so every text reaches the spreadsheet as it is. The bytes go to `sink` in pieces of about a megabyte, so a
// large sheet is never held whole.
void WriteExcelHtml(const ExcelSheet &sheet, int rows, const ExcelCellText &cell, const ByteSink &sink);

// The same file whole, from rows of cell texts.
QByteArray ExcelHtmlBytes(const ExcelSheet &sheet, const QList<QStringList> &rows);
