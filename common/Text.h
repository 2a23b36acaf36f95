#pragma once
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The suite's own text rules: trimming removes characters of code 32 or less at both ends;
// case changes and case-blind comparisons touch only the letters A-Z and a-z.
QString TrimText(const QString &s);
// The same trimming without a copy: of a view, or of Windows-1252 bytes (a byte of 32 or less is
// the character of that code, every other byte a character above 32).
QStringView TrimmedView(QStringView s);
QByteArrayView TrimmedView(QByteArrayView bytes);
QString UpperText(const QString &s);
QString LowerText(const QString &s);
bool SameText(const QString &a, const QString &b);
// Order by character code with a-z compared as A-Z: negative, zero or positive.
int CompareTextFolded(QStringView a, QStringView b);

bool IsDigitsOnly(const QString &s);
QString LeftChars(const QString &s, int n);
QString RightChars(const QString &s, int n);
QString MidChars(const QString &s, int from, int count);
// The trimmed text padded with blanks on the right or cut to exactly n characters.
QString PadCut(const QString &s, int n);
