#pragma once
#include <QString>

// A value as it may stand inside the text of an RTF document: "\", "{" and "}" are escaped, so a
// value never changes the document's formatting; a character that Windows-1252 cannot hold becomes
// a Unicode escape "\uN?" (N signed 16-bit, "?" for readers without Unicode); a control character
// becomes a blank, so the document stays one line. Every other character is kept as it is.
QString RtfEscape(const QString &value);

// The message of a failed RTF document export (the two RTF documents share it).
QString RtfExportMessage();

// Builds an RTF document from fixed text (raw RTF, written as it is), escaped values and
// paragraphs.
class RtfWriter {
public:
    // Raw RTF, UTF-8 in the source; the document becomes Windows-1252 when it is written.
    RtfWriter &fixed(const char *rtf);
    // A value, escaped by RtfEscape.
    RtfWriter &value(const QString &text);
    // A paragraph mark "\par", followed by a blank and `rtf` when it is given.
    RtfWriter &paragraph(const char *rtf = nullptr);
    // `count` times the character `c`, as a rule of underscores.
    RtfWriter &repeat(QChar c, int count);

    const QString &text() const { return text_; }

private:
    QString text_;
};
