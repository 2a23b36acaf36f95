#include "common/Rtf.h"

#include "common/Cp1252.h"

QString RtfEscape(const QString &value)
{
    QString out;
    out.reserve(value.size() + 8);
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += u'\\';
            out += c;
        } else if (u < 32) {
            out += u' ';
        } else if (!IsCp1252Char(c)) {
            // RTF takes the code unit as a signed 16-bit number; a surrogate pair gives two escapes.
            out += QStringLiteral("\\u%1?").arg(int(static_cast<qint16>(u)));
        } else {
            out += c;
        }
    }
    return out;
}

QString RtfExportMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                          "Accertarsi che il documento non sia gi\u00e0 aperto.");
}

RtfWriter &RtfWriter::fixed(const char *rtf)
{
    text_ += QString::fromUtf8(rtf);
    return *this;
}

RtfWriter &RtfWriter::value(const QString &text)
{
    text_ += RtfEscape(text);
    return *this;
}

RtfWriter &RtfWriter::paragraph(const char *rtf)
{
    text_ += QStringLiteral("\\par");
    if (rtf) {
        text_ += u' ';
        text_ += QString::fromUtf8(rtf);
    }
    return *this;
}

RtfWriter &RtfWriter::repeat(QChar c, int count)
{
    text_ += QString(count, c);
    return *this;
}
