#pragma once
// A double-click on one line of a list window's list, as the user gives it.
#include "common/ui/LineList.h"
#include "common/ui/ListWindow.h"

#include <QTest>

inline void DoubleClickLine(ListWindow *window, int row)
{
    LineListView *list = window->lstRecords;
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
}
