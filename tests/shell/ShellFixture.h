#pragma once
#include "shell/Startup.h"
#include "tests/support/ScriptedPlatform.h"

#include <QFile>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// The start-up windows over a scripted platform whose program folder holds the installed
// password file.
class ShellWindows : public ::testing::Test {
protected:
    ScriptedPlatform sp;

    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVOREN_SOURCE_DIR "/assets/unins000.dll"), passwordFile()));
        QFile::setPermissions(passwordFile(), QFile::ReadOwner | QFile::WriteOwner);
        CreateStartupWindows();
    }
    void TearDown() override { DestroyStartupWindows(); }

    QString passwordFile() const { return sp.file(QStringLiteral("unins000.dll")); }

    void writePasswordFile(const QByteArray &bytes)
    {
        QFile f(passwordFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray passwordFileBytes() const
    {
        QFile f(passwordFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// Types a text as the user would; characters outside ASCII go as key events with their text.
inline void TypeText(QWidget *w, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
