#include "common/Cp1252.h"

namespace {

// Characters of the bytes 0x80-0x9F. The five bytes the code page leaves undefined map to the
// control character of the same code, so that every byte survives a round trip.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte of a character, or -1 when the code page cannot hold it.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (HighControls[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QByteArray ToCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character outside the basic plane is one "?", not one per surrogate.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        const int b = byteOf(c.unicode());
        out.append(b < 0 ? '?' : char(b));
    }
    return out;
}

QString FromCp1252(const char *bytes, int length)
{
    length = qMax(length, 0);
    QString out(length, Qt::Uninitialized);
    QChar *dst = out.data();
    for (int i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = QChar(b >= 0x80 && b < 0xA0 ? HighControls[b - 0x80] : char16_t(b));
    }
    return out;
}

QString FromCp1252(const QByteArray &bytes)
{
    return FromCp1252(bytes.constData(), int(bytes.size()));
}

bool IsCp1252Char(QChar c)
{
    return byteOf(c.unicode()) >= 0;
}

char32_t FirstUnstorableChar(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            return QChar::surrogateToUcs4(c, text.at(i + 1));
        if (byteOf(c.unicode()) < 0)
            return c.unicode();
    }
    return 0;
}
