#include "common/ArchiveSearch.h"

#include "common/Archive.h"
#include "common/BusyWork.h"
#include "common/Cp1252.h"
#include "common/Errors.h"
#include "common/Text.h"

#include <QVarLengthArray>

#include <algorithm>
#include <new>
#include <utility>
#include <stdexcept>

namespace {

char16_t foldLower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

// The character of every Windows-1252 byte.
const QString &cp1252Characters()
{
    static const QString characters = [] {
        char bytes[256];
        for (int b = 0; b < 256; ++b)
            bytes[b] = char(b);
        return FromCp1252(bytes, 256);
    }();
    return characters;
}

} // namespace

QString SearchCountText(const QString &opening, int count)
{
    return opening + QString::number(count) + QStringLiteral(" schede.");
}

bool ContainsFolded(QStringView text, QStringView part)
{
    const qsizetype m = part.size();
    if (m == 0 || m > text.size())
        return false;
    const char16_t *t = text.utf16();
    const char16_t *p = part.utf16();
    const char16_t first = foldLower(p[0]);
    const qsizetype last = text.size() - m;
    for (qsizetype i = 0; i <= last; ++i) {
        if (foldLower(t[i]) != first)
            continue;
        qsizetype j = 1;
        while (j < m && foldLower(t[i + j]) == foldLower(p[j]))
            ++j;
        if (j == m)
            return true;
    }
    return false;
}

namespace {

// A field's bytes as stored: those its length byte counts, clamped to the capacity, not trimmed.
QByteArrayView storedFieldBytes(const Record &record, int field)
{
    const RecordLayout &layout = record.layout();
    if (field < 0 || field >= layout.fieldCount())
        throw std::logic_error("field index out of range");
    const char *bytes = record.bytes().constData() + layout.offset(field);
    const int length = qMin(int(static_cast<unsigned char>(bytes[0])), layout.field(field).capacity);
    return QByteArrayView(bytes + 1, length);
}

unsigned char foldLowerByte(unsigned char b) { return b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b + 32) : b; }

// ContainsFolded on Windows-1252 bytes: the code page maps each byte to a character of its own and
// folding touches only A-Z and a-z, so comparing folded bytes compares folded characters.
bool containsFoldedBytes(QByteArrayView text, const QByteArray &foldedPart)
{
    const qsizetype m = foldedPart.size();
    if (m == 0 || m > text.size())
        return false;
    const auto *t = reinterpret_cast<const unsigned char *>(text.data());
    const auto *p = reinterpret_cast<const unsigned char *>(foldedPart.constData());
    for (qsizetype i = 0; i <= text.size() - m; ++i) {
        qsizetype j = 0;
        while (j < m && foldLowerByte(t[i + j]) == p[j])
            ++j;
        if (j == m)
            return true;
    }
    return false;
}

} // namespace

QString StoredFieldText(const Record &record, int field)
{
    const QByteArrayView bytes = storedFieldBytes(record, field);
    return FromCp1252(bytes.data(), int(bytes.size()));
}

CriteriaMatcher::CriteriaMatcher(const QList<SearchCriterion> &criteria)
{
    for (const SearchCriterion &c : criteria) {
        if (TrimText(c.text).isEmpty())
            continue;
        active_.append(c);
        if (!std::all_of(c.text.begin(), c.text.end(), IsCp1252Char)) {
            folded_.emplace_back();
            continue;
        }
        QByteArray bytes = ToCp1252(c.text);
        for (char &b : bytes)
            b = char(foldLowerByte(static_cast<unsigned char>(b)));
        folded_.emplace_back(std::move(bytes));
    }
}

bool CriteriaMatcher::matches(const Record &record) const
{
    for (qsizetype k = 0; k < active_.size(); ++k) {
        const QByteArrayView stored = storedFieldBytes(record, active_[k].field);
        const std::optional<QByteArray> &part = folded_[size_t(k)];
        if (!part || !containsFoldedBytes(stored, *part))
            return false;
    }
    return true;
}

bool ListLineLess(QStringView a, QStringView b) { return CompareTextFolded(a, b) < 0; }

void SortListLines(QStringList &lines)
{
    std::stable_sort(lines.begin(), lines.end(), [](const QString &a, const QString &b) { return ListLineLess(a, b); });
}

ColumnLine::ColumnLine(const RecordLayout &layout, std::initializer_list<ListColumn> columns)
{
    for (const ListColumn &c : columns) {
        const int field = layout.indexOf(QLatin1String(c.field));
        if (field < 0)
            throw std::logic_error(std::string("no field named ") + c.field);
        columns_.push_back({QString::fromUtf8(c.separator), field, qMax(c.width, 0)});
        maxLength_ += int(columns_.back().separator.size()) + qMax(c.width, layout.capacity(field));
    }
}

QString ColumnLine::operator()(const Record &record) const
{
    QString line;
    appendTo(line, record);
    return line;
}

void ColumnLine::appendTo(QString &out, const Record &record) const
{
    // Built straight from the stored bytes, as PadCut of the loaded text would give it, with at most
    // one allocation, of the exact size: lists of a hundred thousand lines fill at the pace of the
    // disk.
    struct Span {
        const unsigned char *text;
        int taken;
    };
    QVarLengthArray<Span, 16> spans;
    qsizetype length = 0;
    for (const Column &c : columns_) {
        const QByteArrayView field = record.trimmedBytes(c.field);
        const int size = int(field.size());
        const int taken = c.width > 0 ? qMin(size, c.width) : size;
        spans.append({reinterpret_cast<const unsigned char *>(field.data()), taken});
        length += c.separator.size() + qMax(taken, c.width);
    }

    const auto *characters = reinterpret_cast<const char16_t *>(cp1252Characters().constData());
    const qsizetype at = out.size();
    if (out.capacity() < at + length)
        out.reserve(at + length);
    out.resize(at + length);
    char16_t *o = reinterpret_cast<char16_t *>(out.data()) + at;
    for (size_t k = 0; k < columns_.size(); ++k) {
        const Column &c = columns_[k];
        for (QChar ch : c.separator)
            *o++ = ch.unicode();
        for (int i = 0; i < spans[qsizetype(k)].taken; ++i)
            *o++ = characters[spans[qsizetype(k)].text[i]];
        for (int i = spans[qsizetype(k)].taken; i < c.width; ++i)
            *o++ = u' ';
    }
}

void ScanArchive(const QString &file, const RecordLayout &layout,
                 const std::function<void(const Record &, int)> &visit, int blockBytes)
{
    const BusyWork busy;
    Archive archive = OpenOrCreateArchive(file, layout.recordSize());
    ScanRecords(archive, layout, visit, blockBytes);
    archive.close();
}

void ScanRecords(Archive &archive, const RecordLayout &layout, const std::function<void(const Record &, int)> &visit,
                 int blockBytes)
{
    const BusyWork busy;
    const int size = layout.recordSize();
    archive.seek(0);
    const int count = archive.count();
    const int perBlock = qMax(1, blockBytes / size);
    // The buffer is no larger than the archive: a short list costs no megabyte.
    QByteArray block(qsizetype(qMin(perBlock, qMax(count, 1))) * size, Qt::Uninitialized);
    int number = 0;
    while (number < count) {
        const int wanted = qMin(perBlock, count - number);
        if (archive.readRecords(block.data(), wanted) != wanted)
            throw IoError("read past the end of " + archive.path().toStdString());
        for (int i = 0; i < wanted; ++i) {
            // A view of the block, not a copy.
            const Record record(layout, QByteArray::fromRawData(block.constData() + qsizetype(i) * size, size));
            visit(record, ++number);
            KeepPainting();
        }
    }
}

bool ListedRecordLookup(const QString &file, const RecordLayout &layout, const ListLineRecipe &line,
                        const QString &chosen, int number, const ListHandBack &handBack)
{
    Archive archive = OpenOrCreateArchive(file, layout.recordSize());
    if (number < 1 || number > archive.count()) {
        archive.close();
        return false;
    }
    archive.seek(number - 1);
    const Record record(layout, archive.read());
    archive.close();
    if (TrimText(line(record)) != TrimText(chosen))
        return false;
    handBack(record, number);
    return true;
}

namespace {

// The walk of find-next over `count` lines, `hit` telling whether a line holds the text.
template <typename Hit>
int findNext(int count, int selected, bool newText, const Hit &hit)
{
    const int n = count;
    if (selected < 0 || selected >= n)
        selected = 0;
    const int start = newText ? 0 : selected;
    if (newText && hit(start))
        return start;
    for (int i = (start + 1) % n;; i = (i + 1) % n) {
        if (hit(i))
            return i;
        if (i == start)
            break;
    }
    return selected;
}

// The text of a walk, lower-cased, and whether it differs from the previous one (`remembered`,
// updated).
QString walkText(const QString &findText, QString &remembered, bool &newText)
{
    QString s = LowerText(findText);
    newText = s != remembered;
    remembered = s;
    return s;
}

} // namespace

int FindNextLine(const QStringList &lines, int selected, const QString &findText, QString &remembered)
{
    if (lines.isEmpty())
        return -1;
    bool newText = false;
    const QString s = walkText(findText, remembered, newText);
    return findNext(int(lines.size()), selected, newText, [&](int i) { return ContainsFolded(lines[i], s); });
}

int FindNextLine(const ListLines &lines, int selected, const QString &findText, QString &remembered)
{
    if (lines.isEmpty())
        return -1;
    bool newText = false;
    const ListLines::Pattern pattern(walkText(findText, remembered, newText));
    return findNext(lines.size(), selected, newText, [&](int i) { return lines.contains(i, pattern); });
}
