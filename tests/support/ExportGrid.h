#pragma once
// The grid of an export window checked against a test's table of columns.
#include "common/ui/ExcelExport.h"

#include <QAbstractItemModel>
#include <QString>
#include <QTableView>
#include <gtest/gtest.h>

// Column i of `columns` stands at grid column i + 1 (after "N.") with its name, header, width and
// editability; each row of the table has `column`, `header`, `width` and `readOnly`.
template <typename Column>
void ExpectGridColumns(const ExcelExportWindow &window, const Column *columns, int count)
{
    const QAbstractItemModel *model = window.grdRecords->model();
    for (int i = 0; i < count; ++i) {
        const Column &c = columns[i];
        SCOPED_TRACE(c.column);
        EXPECT_EQ(window.columnIndex(QString::fromLatin1(c.column)), i + 1);
        EXPECT_EQ(model->headerData(i + 1, Qt::Horizontal).toString(), QString::fromUtf8(c.header));
        EXPECT_EQ(window.grdRecords->columnWidth(i + 1), c.width);
        EXPECT_EQ(bool(model->flags(model->index(0, i + 1)) & Qt::ItemIsEditable), !c.readOnly);
    }
}
