#pragma once
// A command that stores texts refuses one the archive or the settings file could not keep as the
// user sees it: the checks every card and dialog shares.
#include "common/Text.h"
#include "common/ui/RecordCard.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QString>
#include <functional>
#include <gtest/gtest.h>

// A name with two letters that Windows-1252 cannot hold.
inline QString UnstorableName() { return QString::fromUtf8("Żaneta Ćwik"); }

// The warning that names the field and the first letter the code page cannot hold.
inline QString UnstorableWarning(const QString &caption)
{
    return QString::fromUtf8("Attenzione: il campo \"") + caption +
           QString::fromUtf8("\" contiene il carattere \"Ż\" (U+017B), che non può essere memorizzato.\n\r\n\r"
                             "Per poter salvare è necessario sostituirlo o eliminarlo.");
}

// The warning of a number whose form, as the card shows it, is longer than its field.
inline QString NumberTooLongWarning(const QString &where, int capacity)
{
    return QString::fromUtf8("Attenzione: il numero indicato nel campo ") + where +
           QString::fromUtf8(" supera i %1 caratteri che l'archivio può contenere.\n\r\n\rPer poter salvare la "
                             "scheda è necessario correggerlo.")
               .arg(capacity);
}

// Puts the name into `field` and runs `command`: one warning naming `caption`, `file` as it was
// (missing stays missing), the field focused and its text as typed.
inline void ExpectUnstorableRefused(ScriptedPlatform &sp, QWidget *field, const QString &caption, const QString &file,
                                    const std::function<void()> &command)
{
    const bool existed = QFile::exists(file);
    const QByteArray before = readBytes(file);
    SetControlText(field, UnstorableName());
    sp.clear();
    command();
    EXPECT_EQ(sp.messages(), QStringList{UnstorableWarning(caption)});
    EXPECT_EQ(QFile::exists(file), existed) << file.toStdString();
    EXPECT_EQ(readBytes(file), before) << file.toStdString();
    EXPECT_EQ(TrimText(ControlText(field)), UnstorableName());
    QWidget *focused = QApplication::focusWidget();
    const auto *box = qobject_cast<QComboBox *>(field);
    EXPECT_TRUE(focused == field || (box && focused == box->lineEdit()))
        << (focused ? focused->objectName().toStdString() : std::string("nothing focused"));
}
