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

QString StoredFieldText(const Record &record, int field)
{
    const RecordLayout &layout = record.layout();
    if (field < 0 || field >= layout.fieldCount())
        throw std::logic_error("field index out of range");
    const char *bytes = record.bytes().constData() + layout.offset(field);
    const int length = qMin(int(static_cast<unsigned char>(bytes[0])), layout.field(field).capacity);
    return FromCp1252(bytes + 1, length);
}

CriteriaMatcher::CriteriaMatcher(const QList<SearchCriterion> &criteria)
{
    for (const SearchCriterion &c : criteria)
        if (!TrimText(c.text).isEmpty())
            active_.append(c);
}

bool CriteriaMatcher::matches(const Record &record) const
{
    for (const SearchCriterion &c : active_)
        if (!ContainsFolded(StoredFieldText(record, c.field), c.text))
            return false;
    return true;
}

bool ListLineLess(QStringView a, QStringView b) { return CompareTextFolded(a, b) < 0; }

void SortListLines(QStringList &lines)
{
    std::stable_sort(lines.begin(), lines.end(), [](const QString &a, const QString &b) { return ListLineLess(a, b); });
}

namespace {

constexpr size_t LineBlockBytes = size_t(4) << 20;

} // namespace

ListLines::ListLines(ListLines &&other) noexcept
    : entries_(std::exchange(other.entries_, {})), blocks_(std::exchange(other.blocks_, {})),
      used_(std::exchange(other.used_, 0))
{
}

ListLines &ListLines::operator=(ListLines &&other) noexcept
{
    if (this != &other) {
        release();
        entries_ = std::exchange(other.entries_, {});
        blocks_ = std::exchange(other.blocks_, {});
        used_ = std::exchange(other.used_, 0);
    }
    return *this;
}

ListLines::~ListLines() { release(); }

void ListLines::release()
{
    for (const Block &b : blocks_)
        UnmapLargeBlock(b.data, b.capacity * sizeof(char16_t));
    blocks_.clear();
    entries_.clear();
    used_ = 0;
}

void ListLines::append(QStringView line, int number)
{
    const size_t length = size_t(line.size());
    if (blocks_.empty() || blocks_.back().capacity - used_ < length) {
        const size_t bytes = LargeBlockBytes(std::max(LineBlockBytes, length * sizeof(char16_t)));
        blocks_.push_back({static_cast<char16_t *>(MapLargeBlock(bytes)), bytes / sizeof(char16_t)});
        used_ = 0;
    }
    char16_t *text = blocks_.back().data + used_;
    std::copy_n(line.utf16(), length, text);
    used_ += length;
    entries_.push_back({text, int(length), number});
}

void ListLines::sort()
{
    std::stable_sort(entries_.begin(), entries_.end(), [](const Entry &a, const Entry &b) {
        return ListLineLess(QStringView(a.text, a.length), QStringView(b.text, b.length));
    });
}

QStringList ListLines::toStringList() const
{
    QStringList lines;
    lines.reserve(size());
    for (const Entry &e : entries_)
        lines.append(QStringView(e.text, e.length).toString());
    return lines;
}

ColumnLine::ColumnLine(const RecordLayout &layout, std::initializer_list<ListColumn> columns)
{
    for (const ListColumn &c : columns) {
        const int field = layout.indexOf(QLatin1String(c.field));
        if (field < 0)
            throw std::logic_error(std::string("no field named ") + c.field);
        columns_.push_back({QString::fromUtf8(c.separator), field, qMax(c.width, 0)});
    }
}

QString ColumnLine::operator()(const Record &record) const
{
    // Built straight from the stored bytes, as PadCut of the loaded text would give it, in one
    // allocation of the exact size: lists of a hundred thousand lines fill at the pace of the disk.
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
    QString line(length, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(line.data());
    for (size_t k = 0; k < columns_.size(); ++k) {
        const Column &c = columns_[k];
        for (QChar ch : c.separator)
            *out++ = ch.unicode();
        for (int i = 0; i < spans[qsizetype(k)].taken; ++i)
            *out++ = characters[spans[qsizetype(k)].text[i]];
        for (int i = spans[qsizetype(k)].taken; i < c.width; ++i)
            *out++ = u' ';
    }
    return line;
}

void ScanArchive(const QString &file, const RecordLayout &layout,
                 const std::function<void(const Record &, int)> &visit, int blockBytes)
{
    const BusyWork busy;
    const int size = layout.recordSize();
    Archive archive = OpenOrCreateArchive(file, size);
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
    archive.close();
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

// The walk of find-next over `count` lines that `line` gives by row.
template <typename Line>
int findNext(int count, const Line &line, int selected, const QString &findText, QString &remembered)
{
    const int n = count;
    if (n == 0)
        return -1;
    if (selected < 0 || selected >= n)
        selected = 0;
    const QString s = LowerText(findText);
    const bool newText = s != remembered;
    remembered = s;
    auto hit = [&](int i) { return ContainsFolded(line(i), s); };

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

} // namespace

int FindNextLine(const QStringList &lines, int selected, const QString &findText, QString &remembered)
{
    return findNext(int(lines.size()), [&lines](int i) { return QStringView(lines[i]); }, selected, findText,
                    remembered);
}

int FindNextLine(const ListLines &lines, int selected, const QString &findText, QString &remembered)
{
    return findNext(lines.size(), [&lines](int i) { return lines.line(i); }, selected, findText, remembered);
}
