#pragma once
#include "common/ExcelHtml.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The cells of an export grid, compact: every row is stored as the end offset of each cell and then
// the cells' texts, and the rows lie back to back in one block of bytes. Rows filled from an
// archive keep its Windows-1252 bytes; a row with a cell set afterwards is stored again, in UTF-8,
// at the end of the block. A large archive costs a few bytes a cell beyond its text, and no
// allocation per row or cell.
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
    ExcelCell stored(int row, int column) const;
    void setText(int row, int column, const QString &value);
    // New rows have empty cells; rows past the count are dropped.
    void setRows(int rows);

    // Builds rows to store, one cell after the other.
    class RowBuilder {
    public:
        explicit RowBuilder(int columns);
        // The next cell's text.
        void add(QByteArrayView text);
        // Starts the next cell empty; its text is appended to text().
        void open();
        // Appends the row as stored to `store` and returns where it begins; the builder is then
        // ready for the next row.
        qsizetype appendTo(QByteArray &store);
        QByteArray &text() { return text_; }
        // Ends the cell begun with open().
        void close() { ends_.back() = quint32(text_.size()); }

    private:
        int columns_;
        std::vector<quint32> ends_;
        QByteArray text_;
    };
    // Replaces every row by rows of Windows-1252 texts that RowBuilder appended to `store`,
    // beginning where `rows` says, and tells the view once.
    void fillCp1252(QByteArray store, std::vector<qsizetype> rows);

private:
    QStringList headers_;
    std::vector<bool> readOnly_;
    QByteArrayView bytesOf(int row, int column) const;
    bool isUtf8(int row) const { return rows_[size_t(row)] & 1; }

    QByteArray store_;
    // Where each row begins in store_, times two, plus one for a row in UTF-8; -1: a row of
    // empty cells.
    std::vector<qsizetype> rows_;
};
