#pragma once
#include "common/LargeBlock.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <vector>

// The lines of a list, each with the 1-based number of the record it was made from, kept in a few
// large blocks (MapLargeBlock), not in one allocation per line.
//
// Each line is kept as its sort key with a bit per character beside it: the characters with a-z
// taken as A-Z, then which of them were small letters. The key is made once, when the line is
// added, so that sorting compares keys as they stand and searching compares them with a key of the
// text looked for. A line whose every character is in Windows-1252 (every line made from stored
// records) takes one byte a character, the character's place in the order; any other line takes
// two, the character's code.
class ListLines {
public:
    ListLines() = default;
    ListLines(const ListLines &) = delete;
    ListLines &operator=(const ListLines &) = delete;
    ListLines(ListLines &&other) noexcept;
    ListLines &operator=(ListLines &&other) noexcept;
    ~ListLines();

    void append(QStringView line, int number);
    int size() const { return int(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    // The line and the record number at a row, in list order.
    QString line(int row) const;
    int number(int row) const { return entries_[size_t(row)].number; }
    // Sorts into the order of sorted lists (`ListLineLess`): character codes with a-z compared as
    // A-Z, a line that begins another first. Each number stays with its line; equal lines keep
    // their order.
    void sort();
    QStringList toStringList() const;

    // A text looked for in the lines, keyed once.
    class Pattern {
    public:
        explicit Pattern(QStringView text);

    private:
        friend class ListLines;
        std::vector<unsigned char> narrow_;  // empty when a character is not in Windows-1252
        std::u16string wide_;
    };
    // Whether the line at `row` holds the text with the letters A-Z and a-z taken as the same
    // (`ContainsFolded`). An empty text occurs nowhere.
    bool contains(int row, const Pattern &pattern) const;

private:
    struct Entry {
        const unsigned char *key;  // the key, then the small-letter bits
        uint32_t length;           // characters; the top bit marks a two-byte key
        int32_t number;
    };
    struct Block {
        unsigned char *data;
        size_t capacity;
    };
    unsigned char *reserve(size_t bytes);
    void release();

    std::vector<Entry, LargeBlockAllocator<Entry>> entries_;
    std::vector<Block> blocks_;
    size_t used_ = 0;  // bytes used in the last block
};
