#pragma once
#include "common/ExcelHtml.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Rows of cells kept compact: every row is stored as the end offset of each cell and then the
// cells' texts, written in place into large blocks (backed by huge pages where the system allows),
// so that filling a large grid copies no text twice, moves no row when it grows, and costs a few
// bytes a cell beyond its text.
class ExportGridRows {
public:
    explicit ExportGridRows(int columns) : columns_(columns) {}
    ExportGridRows(ExportGridRows &&other) noexcept;
    ExportGridRows &operator=(ExportGridRows &&other) noexcept;
    ExportGridRows(const ExportGridRows &) = delete;
    ExportGridRows &operator=(const ExportGridRows &) = delete;
    ~ExportGridRows();

    int size() const { return int(rows_.size()); }
    // Starts a new row whose texts together take at most `maxText` bytes.
    void beginRow(qsizetype maxText);
    // The next cell, whole; or begun with open(), its text appended piece by piece, and closed.
    void add(QByteArrayView text)
    {
        append(text);
        close();
    }
    void open() {}
    void append(QByteArrayView text);
    void append(char c) { text_[used_++] = c; }
    void close() { ends_[cell_++] = quint32(used_); }
    // Ends the row begun last, its texts in Windows-1252 or in UTF-8; cells never handed over are
    // empty.
    void endRow(bool utf8);
    // Adds a row of empty cells, or drops the last rows.
    void resize(int rows);
    // Makes a row the last one stored, which replaces it.
    void replaceWithLast(int row);
    // Puts the rows in a new order: row r becomes the row that was at order[r].
    void reorder(const std::vector<int> &order);

    bool isUtf8(int row) const { return rows_[size_t(row)].utf8; }
    QByteArrayView bytes(int row, int column) const;

private:
    struct Row {
        const char *at;  // its cell ends, then its texts; null: empty cells
        bool utf8;
    };
    struct Block {
        char *data;
        size_t size;
    };
    void release();

    int columns_;
    std::vector<Row> rows_;
    std::vector<Block> blocks_;
    size_t blockUsed_ = 0;
    // The row being built.
    quint32 *ends_ = nullptr;
    char *text_ = nullptr;
    qsizetype used_ = 0;
    int cell_ = 0;
};

// The cells of an export grid. Rows filled from an archive keep its Windows-1252 bytes; a row with
// a cell set afterwards is stored again, in UTF-8. A large archive costs no allocation per row or
// cell.
class ExportGridModel : public QAbstractTableModel {
public:
    ExportGridModel(QStringList headers, std::vector<bool> readOnly, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QString text(int row, int column) const;
    // The same text as it is stored.
    ExcelCell stored(int row, int column) const { return {rows_.bytes(row, column), !rows_.isUtf8(row)}; }
    void setText(int row, int column, const QString &value);
    // New rows have empty cells; rows past the count are dropped.
    void setRows(int rows);
    // Whole rows in the ascending order of one column, A-Z folded; equal texts keep their order.
    void sortByColumn(int column);

    // Replaces every row by the rows given, and tells the view once.
    void fill(ExportGridRows rows);

private:
    QStringList headers_;
    std::vector<bool> readOnly_;
    ExportGridRows rows_;
};
