#pragma once
// Clicks a help command and catches the help window it shows modally.
#include "tests/support/ScriptedPlatform.h"

#include <QString>
#include <QStringList>

class QWidget;

struct ShownHelp {
    bool shown = false;          // a help window was shown modally
    QWidget *owner = nullptr;    // its owner
    QString title;
    QString text;
    // The text's paragraphs, split at the empty lines.
    QStringList paragraphs() const { return text.split(QStringLiteral("\n\n")); }
};

ShownHelp ClickForHelp(ScriptedPlatform &sp, QWidget *picture);
