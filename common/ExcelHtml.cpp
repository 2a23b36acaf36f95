#include "common/ExcelHtml.h"

#include "common/Cp1252.h"

namespace {

constexpr qsizetype PieceSize = 1 << 20;

// Appends a text in Windows-1252 with the markup characters as entities and control characters
// as character references. Plain ASCII goes straight in.
void appendHtmlText(QByteArray &out, QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case u'&': out += "&amp;"; break;
        case u'<': out += "&lt;"; break;
        case u'>': out += "&gt;"; break;
        case u'"': out += "&quot;"; break;
        default:
            if (c < 32) {
                out += "&#";
                out += QByteArray::number(int(c));
                out += ';';
            } else if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
                out += char(c);
            } else {
                // A pair of surrogates is one character of the code page's choosing.
                const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
                const qsizetype n = pair ? 2 : 1;
                out += ToCp1252(text.mid(i, n).toString());
                i += n - 1;
            }
        }
    }
}

// The text without the characters of code 32 or less at both ends.
QStringView trimmed(QStringView s)
{
    qsizetype begin = 0, end = s.size();
    while (begin < end && s[begin].unicode() <= 32)
        ++begin;
    while (end > begin && s[end - 1].unicode() <= 32)
        --end;
    return s.mid(begin, end - begin);
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
            out += sheet.columns[size_t(c)].alignRight ? "<td style=\"text-align: right;\">"
                                                       : "<td style=\"text-align: left;\">";
            appendHtmlText(out, trimmed(cell(r, c)));
            out += "</td>";
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
    WriteExcelHtml(
        sheet, int(rows.size()),
        [&rows](int r, int c) { return c < rows[r].size() ? rows[r][c] : QString(); },
        [&file](QByteArrayView piece) { file += piece; });
    return file;
}
