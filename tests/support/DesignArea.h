#pragma once
// The launcher's design area: a maximised window on a 1024 x 768 screen under a title bar.
#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <gtest/gtest.h>

// Every visible named control of `window`, sized to the design area, lies within it, and the
// card panel needs no scrolling.
inline void ExpectWithinDesignArea(QWidget *window)
{
    window->setWindowState(Qt::WindowNoState);
    window->resize(1016, 713);
    QCoreApplication::processEvents();
    const QRect area = window->rect();
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->objectName().isEmpty() || w->objectName() == "scrScheda"
            || w->objectName() == "hostScheda")
            continue;
        const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
        EXPECT_TRUE(area.contains(r)) << w->objectName().toStdString();
    }
    auto *scroll = window->findChild<QScrollArea *>(QStringLiteral("scrScheda"));
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
}
