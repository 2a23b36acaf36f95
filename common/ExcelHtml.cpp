#include "common/ExcelHtml.h"

#include "common/Cp1252.h"

#include <cstring>

namespace {

constexpr qsizetype PieceSize = 1 << 20;

// Writes a character as the worksheet holds it in Windows-1252: "&", "<", ">" and the double quote
// as entities, a control character as a character reference, ASCII and Latin-1 letters as their
// byte. False, writing nothing, for any other character. Takes at most six bytes.
inline bool putLatin1(char *&p, char32_t c)
{
    const auto put = [&p](const char *s) {
        while (*s)
            *p++ = *s++;
    };
    switch (c) {
    case U'&': put("&amp;"); return true;
    case U'<': put("&lt;"); return true;
    case U'>': put("&gt;"); return true;
    case U'"': put("&quot;"); return true;
    default:
        if (c < 32) {
            *p++ = '&';
            *p++ = '#';
            if (c >= 10)
                *p++ = char('0' + c / 10);
            *p++ = char('0' + c % 10);
            *p++ = ';';
            return true;
        }
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            *p++ = char(c);
            return true;
        }
        return false;
    }
}

// Appends a text as the worksheet holds it, in Windows-1252.
void appendHtmlText(QByteArray &out, QStringView text)
{
    // Room for the longest case is made once, and the rest given back.
    const qsizetype at = out.size();
    out.resize(at + 6 * text.size());
    char *p = out.data() + at;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (putLatin1(p, c))
            continue;
        // A pair of surrogates is one character of the code page's choosing.
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype n = pair ? 2 : 1;
        *p++ = ToCp1252(text.mid(i, n).toString()).at(0);
        i += n - 1;
    }
    out.resize(p - out.constData());
}

// A body cell: its opening tag, its text trimmed of the characters of code 32 or less at both ends,
// and "</td>". Windows-1252 bytes and, in UTF-8, ASCII and Latin-1 letters are written straight
// from the bytes; a UTF-8 text holding any other character goes through the routine above.
void appendCell(QByteArray &out, QByteArrayView open, const ExcelCell &cell)
{
    QByteArrayView text = cell.bytes;
    const auto byteAt = [&text](qsizetype i) { return static_cast<unsigned char>(text[i]); };
    qsizetype begin = 0, end = text.size();
    while (begin < end && byteAt(begin) <= 32)
        ++begin;
    while (end > begin && byteAt(end - 1) <= 32)
        --end;
    text = text.sliced(begin, end - begin);

    static constexpr QByteArrayView Close("</td>");
    const qsizetype at = out.size();
    out.resize(at + open.size() + 6 * text.size() + Close.size());
    char *p = out.data() + at;
    std::memcpy(p, open.data(), size_t(open.size()));
    p += open.size();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const unsigned char b = byteAt(i);
        // Most bytes are letters, digits and blanks that stand for themselves.
        if ((b >= 32 && b < 0x80 && b != '&' && b != '<' && b != '>' && b != '"') || (b >= 0x80 && cell.cp1252)) {
            *p++ = char(b);
            continue;
        }
        if (b < 0x80 && putLatin1(p, b))
            continue;
        if (cell.cp1252) {
            *p++ = char(b);
            continue;
        }
        // Two bytes of UTF-8 that stand for a Latin-1 letter.
        if ((b == 0xC2 || b == 0xC3) && i + 1 < text.size() && (byteAt(i + 1) & 0xC0) == 0x80 &&
            putLatin1(p, char32_t((b & 0x1F) << 6 | (byteAt(i + 1) & 0x3F)))) {
            ++i;
            continue;
        }
        out.resize(at);
        out += open;
        appendHtmlText(out, QString::fromUtf8(text));
        out += Close;
        return;
    }
    std::memcpy(p, Close.data(), size_t(Close.size()));
    p += Close.size();
    out.resize(p - out.constData());
}

} // namespace

void WriteExcelHtml(const ExcelSheet &sheet, int rows, const ExcelCellText &cell, const ByteSink &sink)
{
    QByteArray out;
    out.reserve(PieceSize + PieceSize / 4);
    out +=
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\">"
        "<head>"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml>"
        "<x:ExcelWorkbook>"
        "<x:ExcelWorksheets>"
        "<x:ExcelWorksheet>"
        "<x:Name>";
    appendHtmlText(out, sheet.name);
    out +=
        "</x:Name>"
        "<x:WorksheetOptions>"
        "<x:Selected/>"
        "<x:Panes>"
        "<x:Pane>"
        "<x:Number>1</x:Number>"
        "<x:ActiveRow>3</x:ActiveRow>"
        "</x:Pane>"
        "</x:Panes>"
        "<x:ProtectContents>False</x:ProtectContents>"
        "<x:ProtectObjects>False</x:ProtectObjects>"
        "<x:ProtectScenarios>False</x:ProtectScenarios>"
        "</x:WorksheetOptions>"
        "</x:ExcelWorksheet>"
        "</x:ExcelWorksheets>"
        "</x:ExcelWorkbook>"
        "</xml><![endif]-->"
        "</head>"
        "<body>"
        "<table x:str>"
        "<tr>";
    for (const ExcelColumn &c : sheet.columns) {
        out += "<td style=\"text-align: left; font-weight: bold;\" width=";
        out += QByteArray::number(c.width);
        out += '>';
        appendHtmlText(out, c.title);
        out += "</td>";
    }
    out += "</tr>";
    const int columns = int(sheet.columns.size());
    for (int r = 0; r < rows; ++r) {
        out += "<tr>";
        for (int c = 0; c < columns; ++c) {
            static constexpr QByteArrayView Left("<td style=\"text-align: left;\">");
            static constexpr QByteArrayView Right("<td style=\"text-align: right;\">");
            appendCell(out, sheet.columns[size_t(c)].alignRight ? Right : Left, cell(r, c));
        }
        out += "</tr>";
        if (out.size() >= PieceSize) {
            sink(out);
            out.resize(0);  // keeps the capacity for the next piece
        }
    }
    out += "</table></body></html>";
    sink(out);
}

QByteArray ExcelHtmlBytes(const ExcelSheet &sheet, const QList<QStringList> &rows)
{
    QByteArray file;
    QByteArray utf8;
    WriteExcelHtml(
        sheet, int(rows.size()),
        [&](int r, int c) {
            utf8 = c < rows[r].size() ? rows[r][c].toUtf8() : QByteArray();
            return ExcelCell{utf8};
        },
        [&file](QByteArrayView piece) { file += piece; });
    return file;
}
