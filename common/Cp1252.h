#pragma once
#include <QByteArray>
#include <QString>

// Windows-1252, the code page of every stored and exported text.
// A character the code page cannot hold becomes "?".
QByteArray ToCp1252(const QString &text);
QString FromCp1252(const char *bytes, int length);
QString FromCp1252(const QByteArray &bytes);
// True when the character has a Windows-1252 byte.
bool IsCp1252Char(QChar c);
// The first character of `text` that Windows-1252 cannot hold, as a whole code point (a character
// outside the basic plane is one, not two halves); 0 when every character has its byte.
char32_t FirstUnstorableChar(const QString &text);
