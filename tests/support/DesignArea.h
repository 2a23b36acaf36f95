#pragma once
// The launcher's design area: a maximised window on a 1024 x 768 screen under a title bar.
#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <gtest/gtest.h>

// Shows the window at the design area's size, as a maximised window on the smallest screen.
inline void ShowInTheDesignArea(QWidget *window)
{
    window->setWindowState(Qt::WindowNoState);
    window->resize(1016, 713);
    QCoreApplication::processEvents();
}

// Every named visible control lies within the window at the design area's size, and the card's
// panel needs no scrolling there.
inline void ExpectWithinTheDesignArea(QWidget *window)
{
    ShowInTheDesignArea(window);
    const QRect area = window->rect();
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->objectName().isEmpty() || w->objectName() == "scrScheda"
            || w->objectName() == "hostScheda")
            continue;
        const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
        EXPECT_TRUE(area.contains(r)) << w->objectName().toStdString();
    }
    auto *scroll = window->findChild<QScrollArea *>("scrScheda");
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
}
