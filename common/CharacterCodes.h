#pragma once
#include <QByteArrayView>
#include <QStringView>

// A text seen as a sequence of character codes, so that one reader serves both a QString and the
// Windows-1252 bytes of a stored field.

// UTF-16 text read as character codes.
struct UnitCodes {
    QStringView text;
    qsizetype size() const { return text.size(); }
    char16_t operator[](qsizetype i) const { return text[i].unicode(); }
};

// Bytes of Windows-1252 read as character codes: every byte that may be part of a number is ASCII,
// and any other byte is refused as the character it stands for would be.
struct ByteCodes {
    QByteArrayView bytes;
    qsizetype size() const { return bytes.size(); }
    char16_t operator[](qsizetype i) const { return char16_t(static_cast<unsigned char>(bytes[i])); }
};
