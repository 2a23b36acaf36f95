#include "common/ListLines.h"

#include "common/BusyWork.h"
#include "common/Cp1252.h"

#include <algorithm>
#include <cstring>
#include <string.h>
#include <utility>

namespace {

constexpr size_t LineBlockBytes = size_t(4) << 20;
constexpr uint32_t WideBit = 0x80000000u;
constexpr unsigned char NotNarrow = 0xFF;
// How many comparisons of a sort go by between two chances for the windows to repaint.
constexpr unsigned SortPaintStride = 4096;

char16_t foldUpper(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; }
bool isSmallLetter(char16_t c) { return unsigned(c) - u'a' < 26u; }

// The one-byte keys: the place in the order of every Windows-1252 character with a-z taken as A-Z
// (the order of those folded codes), and back from a place to its folded code.
struct NarrowKeys {
    unsigned char rankOfChar[65536];  // NotNarrow for a character outside Windows-1252
    char16_t foldedOfRank[256];
};

const NarrowKeys &narrowKeys()
{
    static const NarrowKeys *keys = [] {
        auto *k = new NarrowKeys;
        char bytes[256];
        for (int b = 0; b < 256; ++b)
            bytes[b] = char(b);
        const QString characters = FromCp1252(bytes, 256);
        std::vector<char16_t> folded;
        for (QChar c : characters)
            folded.push_back(foldUpper(c.unicode()));
        std::sort(folded.begin(), folded.end());
        folded.erase(std::unique(folded.begin(), folded.end()), folded.end());
        std::fill(std::begin(k->rankOfChar), std::end(k->rankOfChar), NotNarrow);
        std::fill(std::begin(k->foldedOfRank), std::end(k->foldedOfRank), char16_t(0));
        for (size_t r = 0; r < folded.size(); ++r)
            k->foldedOfRank[r] = folded[r];
        for (QChar c : characters) {
            const auto at = std::lower_bound(folded.begin(), folded.end(), foldUpper(c.unicode()));
            k->rankOfChar[c.unicode()] = static_cast<unsigned char>(at - folded.begin());
        }
        return k;
    }();
    return *keys;
}

size_t lengthOf(uint32_t length) { return length & ~WideBit; }
bool isWide(uint32_t length) { return (length & WideBit) != 0; }

const char16_t *wideKey(const unsigned char *key) { return reinterpret_cast<const char16_t *>(key); }

// The folded code of character `i` of a key.
char16_t foldedAt(const unsigned char *key, bool wide, size_t i)
{
    return wide ? wideKey(key)[i] : narrowKeys().foldedOfRank[key[i]];
}

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
        UnmapLargeBlock(b.data, b.capacity);
    blocks_.clear();
    entries_.clear();
    used_ = 0;
}

unsigned char *ListLines::reserve(size_t bytes)
{
    if (blocks_.empty() || blocks_.back().capacity - used_ < bytes) {
        const size_t capacity = LargeBlockBytes(std::max(LineBlockBytes, bytes));
        blocks_.push_back({static_cast<unsigned char *>(MapLargeBlock(capacity)), capacity});
        used_ = 0;
    }
    return blocks_.back().data + used_;
}

void ListLines::append(QStringView line, int number)
{
    const size_t n = size_t(line.size());
    const size_t maskBytes = (n + 7) / 8;
    const char16_t *text = line.utf16();
    const NarrowKeys &keys = narrowKeys();

    // One byte a character where every character has one; the small-letter bits gathered eight
    // at a time.
    unsigned char *key = reserve(n + maskBytes);
    unsigned char *mask = key + n;
    size_t i = 0;
    for (size_t base = 0; base < n; base += 8) {
        const size_t end = std::min(n, base + 8);
        unsigned bits = 0;
        for (i = base; i < end; ++i) {
            const unsigned char rank = keys.rankOfChar[text[i]];
            if (rank == NotNarrow)
                break;
            key[i] = rank;
            bits |= unsigned(isSmallLetter(text[i])) << (i - base);
        }
        if (i < end)
            break;
        mask[base >> 3] = static_cast<unsigned char>(bits);
    }
    if (i == n) {
        used_ += n + maskBytes;
        entries_.push_back({key, uint32_t(n), number});
        return;
    }

    // Otherwise the folded codes, two bytes each, aligned for reading as such.
    key = reserve(2 * n + maskBytes + 1);
    const size_t skip = reinterpret_cast<uintptr_t>(key) & 1;
    key += skip;
    auto *wide = reinterpret_cast<char16_t *>(key);
    mask = key + 2 * n;
    std::memset(mask, 0, maskBytes);
    for (i = 0; i < n; ++i) {
        wide[i] = foldUpper(text[i]);
        mask[i >> 3] |= static_cast<unsigned char>(isSmallLetter(text[i]) << (i & 7));
    }
    used_ += skip + 2 * n + maskBytes;
    entries_.push_back({key, uint32_t(n) | WideBit, number});
}

QString ListLines::line(int row) const
{
    const Entry &e = entries_[size_t(row)];
    const size_t n = lengthOf(e.length);
    const bool wide = isWide(e.length);
    const unsigned char *mask = e.key + (wide ? 2 * n : n);
    QString out(qsizetype(n), Qt::Uninitialized);
    auto *o = reinterpret_cast<char16_t *>(out.data());
    if (wide) {
        for (size_t i = 0; i < n; ++i)
            o[i] = char16_t(wideKey(e.key)[i] + ((mask[i >> 3] >> (i & 7)) & 1) * 32);
    } else {
        const char16_t *folded = narrowKeys().foldedOfRank;
        for (size_t i = 0; i < n; ++i)
            o[i] = char16_t(folded[e.key[i]] + ((mask[i >> 3] >> (i & 7)) & 1) * 32);
    }
    return out;
}

void ListLines::sort()
{
    unsigned comparisons = 0;
    std::stable_sort(entries_.begin(), entries_.end(), [&comparisons](const Entry &a, const Entry &b) {
        if (++comparisons % SortPaintStride == 0)
            KeepPainting();
        const size_t na = lengthOf(a.length), nb = lengthOf(b.length);
        const size_t common = std::min(na, nb);
        if (!isWide(a.length) && !isWide(b.length)) {
            // The places in the order compare as bytes.
            if (const int c = std::memcmp(a.key, b.key, common))
                return c < 0;
        } else {
            for (size_t i = 0; i < common; ++i) {
                const char16_t x = foldedAt(a.key, isWide(a.length), i);
                const char16_t y = foldedAt(b.key, isWide(b.length), i);
                if (x != y)
                    return x < y;
            }
        }
        return na < nb;
    });
}

QStringList ListLines::toStringList() const
{
    QStringList lines;
    lines.reserve(size());
    for (int row = 0; row < size(); ++row)
        lines.append(line(row));
    return lines;
}

ListLines::Pattern::Pattern(QStringView text)
{
    const NarrowKeys &keys = narrowKeys();
    for (QChar c : text) {
        wide_.push_back(foldUpper(c.unicode()));
        narrow_.push_back(keys.rankOfChar[c.unicode()]);
    }
    // A character outside Windows-1252 occurs in no one-byte line.
    if (std::find(narrow_.begin(), narrow_.end(), NotNarrow) != narrow_.end())
        narrow_.clear();
}

bool ListLines::contains(int row, const Pattern &pattern) const
{
    const Entry &e = entries_[size_t(row)];
    const size_t n = lengthOf(e.length);
    if (isWide(e.length)) {
        if (pattern.wide_.empty() || pattern.wide_.size() > n)
            return false;
        const char16_t *key = wideKey(e.key);
        return std::search(key, key + n, pattern.wide_.begin(), pattern.wide_.end()) != key + n;
    }
    if (pattern.narrow_.empty() || pattern.narrow_.size() > n)
        return false;
    return memmem(e.key, n, pattern.narrow_.data(), pattern.narrow_.size()) != nullptr;
}
