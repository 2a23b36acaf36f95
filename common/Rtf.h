#pragma once
#include <QString>

// A value as it may stand inside the text of an RTF document: "\", "{" and "}" are escaped, so a
// value never changes the document's formatting; a character that Windows-1252 cannot hold becomes
// a Unicode escape "\uN?" (N signed 16-bit, "?" for readers without Unicode); a control character
// becomes a blank, so the document stays one line. Every other character is kept as it is.
QString RtfEscape(const QString &value);

// The message of a failed RTF document export (the two RTF documents share it).
QString RtfExportMessage();
