#include "common/ExcelHtml.h"

#include "common/Cp1252.h"

#include <algorithm>
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

// What a byte of a cell's text needs: nothing (0), to become an entity or a character reference
// (1), or, in UTF-8, to be decoded (2).
struct ByteKinds {
    unsigned char cp1252[256];
    unsigned char utf8[256];
    constexpr ByteKinds() : cp1252(), utf8()
    {
        for (int b = 0; b < 256; ++b) {
            const bool special = b < 32 || b == '&' || b == '<' || b == '>' || b == '"';
            cp1252[b] = special ? 1 : 0;
            utf8[b] = special ? 1 : b >= 0x80 ? 2 : 0;
        }
    }
};
constexpr ByteKinds Kinds;

// A tag copied in one fixed-size move, its bytes padded to `Room`; the bytes past its length are
// written over by what follows.
template <size_t Room>
struct Tag {
    char bytes[Room] = {};
    qsizetype size = 0;
    explicit Tag(QByteArrayView text)
    {
        std::memcpy(bytes, text.data(), size_t(text.size()));
        size = text.size();
    }
    void put(char *&p) const
    {
        std::memcpy(p, bytes, Room);
        p += size;
    }
};
// Body cells carry the text number format ("@", for the Italian language 1040) that spreadsheets
// read from `sdnum`, so that a cell shows its text as typed: "=1+1" stays a text and is not
// worked out, "007" keeps its zeros, "0,335" is not read with a thousands separator.
constexpr qsizetype CellTagRoom = 48;
const Tag<CellTagRoom> LeftCell(QByteArrayView("<td style=\"text-align: left;\" sdnum=\"1040;0;@\">"));
const Tag<CellTagRoom> RightCell(QByteArrayView("<td style=\"text-align: right;\" sdnum=\"1040;0;@\">"));
const Tag<8> CloseCell(QByteArrayView("</td>"));
// The most a cell can take beyond six bytes a byte of its text.
constexpr qsizetype CellRoom = CellTagRoom + 8;

// The pieces of the file as they are made: a buffer written through a pointer, room made before
// each cell.
class PieceBuffer {
public:
    PieceBuffer() : buffer_(PieceSize + PieceSize / 4, Qt::Uninitialized), p_(buffer_.data()) {}
    char *&at() { return p_; }
    qsizetype size() const { return p_ - buffer_.constData(); }
    void reserve(qsizetype extra)
    {
        if (size() + extra > buffer_.size()) {
            const qsizetype used = size();
            buffer_.resize(std::max(used + extra, 2 * buffer_.size()));
            p_ = buffer_.data() + used;
        }
    }
    void append(QByteArrayView text)
    {
        reserve(text.size());
        std::memcpy(p_, text.data(), size_t(text.size()));
        p_ += text.size();
    }
    // Hands the bytes made so far to the sink and starts over.
    void flush(const ByteSink &sink)
    {
        sink(QByteArrayView(buffer_.constData(), size()));
        p_ = buffer_.data();
    }

private:
    QByteArray buffer_;
    char *p_;
};

// A body cell: its opening tag, its text trimmed of the characters of code 32 or less at both ends,
// and "</td>". Windows-1252 bytes and, in UTF-8, ASCII and Latin-1 letters are written straight
// from the bytes; a UTF-8 text holding any other character goes through the routine above.
void appendCell(PieceBuffer &out, const Tag<CellTagRoom> &open, const ExcelCell &cell)
{
    const auto *begin = reinterpret_cast<const unsigned char *>(cell.bytes.data());
    const unsigned char *end = begin + cell.bytes.size();
    while (begin < end && *begin <= 32)
        ++begin;
    while (end > begin && end[-1] <= 32)
        --end;

    out.reserve(CellRoom + 6 * (end - begin));
    char *&p = out.at();
    char *const start = p;
    open.put(p);
    const unsigned char *kinds = cell.cp1252 ? Kinds.cp1252 : Kinds.utf8;
    for (const unsigned char *s = begin; s < end; ++s) {
        const unsigned char b = *s;
        // Most bytes are letters, digits and blanks that stand for themselves.
        if (kinds[b] == 0) {
            *p++ = char(b);
            continue;
        }
        if (kinds[b] == 1) {
            putLatin1(p, b);
            continue;
        }
        // Two bytes of UTF-8 that stand for a Latin-1 letter.
        if ((b == 0xC2 || b == 0xC3) && s + 1 < end && (s[1] & 0xC0) == 0x80 &&
            putLatin1(p, char32_t((b & 0x1F) << 6 | (s[1] & 0x3F)))) {
            ++s;
            continue;
        }
        QByteArray text;
        appendHtmlText(text, QString::fromUtf8(reinterpret_cast<const char *>(begin), end - begin));
        p = start;
        open.put(p);
        out.reserve(text.size() + 8);
        out.append(text);
        CloseCell.put(p);
        return;
    }
    CloseCell.put(p);
}

QByteArray htmlText(QStringView text)
{
    QByteArray out;
    appendHtmlText(out, text);
    return out;
}

} // namespace

void WriteExcelHtml(const ExcelSheet &sheet, int rows, const ExcelCellText &cell, const ByteSink &sink)
{
    PieceBuffer out;
    out.append(
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\">"
        "<head>"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml>"
        "<x:ExcelWorkbook>"
        "<x:ExcelWorksheets>"
        "<x:ExcelWorksheet>"
        "<x:Name>");
    out.append(htmlText(sheet.name));
    out.append(
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
        "<tr>");
    for (const ExcelColumn &c : sheet.columns) {
        out.append("<td style=\"text-align: left; font-weight: bold;\" width=");
        out.append(QByteArray::number(c.width));
        out.append(">");
        out.append(htmlText(c.title));
        out.append("</td>");
    }
    out.append("</tr>");
    const int columns = int(sheet.columns.size());
    std::vector<const Tag<CellTagRoom> *> opens;
    for (const ExcelColumn &c : sheet.columns)
        opens.push_back(c.alignRight ? &RightCell : &LeftCell);
    for (int r = 0; r < rows; ++r) {
        out.append("<tr>");
        for (int c = 0; c < columns; ++c)
            appendCell(out, *opens[size_t(c)], cell(r, c));
        out.append("</tr>");
        if (out.size() >= PieceSize)
            out.flush(sink);
    }
    out.append("</table></body></html>");
    out.flush(sink);
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
