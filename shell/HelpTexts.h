#pragma once
#include <QString>
#include <QStringList>

// The general help of the launcher: its topic title and its seventy paragraphs.
QString GeneralHelpTitle();
QStringList GeneralHelpParagraphs();
// The paragraphs joined by an empty line (CR LF CR LF), with no line break at either end.
QString GeneralHelpText();
