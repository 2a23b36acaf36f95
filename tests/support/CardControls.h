#pragma once
// Finding a window's controls by name, and the name of the focused one, in window tests.
#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

// A control of a window by its name; decoration and the record arrows have no member of their own.
template <typename T>
T *Named(const QWidget *window, const char *name)
{
    T *control = window->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

// The object name of the widget that has the focus, empty when none has.
inline QString FocusedName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// Every edit of a window that holds a text shows it from its first character.
inline void ExpectEditsShowTheirStart(const QWidget *window)
{
    for (const QLineEdit *edit : window->findChildren<QLineEdit *>()) {
        if (!edit->text().isEmpty()) {
            EXPECT_EQ(edit->cursorPosition(), 0) << edit->objectName().toStdString();
        }
    }
}
