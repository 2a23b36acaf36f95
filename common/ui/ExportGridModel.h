#pragma once
#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The cells of an export grid, compact: every row is stored as the end offset of each cell and then
// the cells' texts in UTF-8, and the rows lie back to back in one block of bytes. A large archive
// costs a few bytes a cell beyond its text, and no allocation per row or cell. A cell the user
// types into stores its row again at the end of the block.
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
    // The same text as it is stored, in UTF-8.
    QByteArrayView utf8(int row, int column) const { return cellOf(rows_[size_t(row)], column); }
    void setText(int row, int column, const QString &value);
    // New rows have empty cells; rows past the count are dropped.
    void setRows(int rows);

    // Builds rows to store, one cell after the other.
    class RowBuilder {
    public:
        explicit RowBuilder(int columns);
        // The next cell's text, in UTF-8.
        void add(QByteArrayView utf8);
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
    // Replaces every row by rows that RowBuilder appended to `store`, beginning where `rows` says,
    // and tells the view once.
    void fill(QByteArray store, std::vector<qsizetype> rows);

private:
    QStringList headers_;
    std::vector<bool> readOnly_;
    // The row at `begin` in the store; an empty row for a negative begin.
    QByteArrayView cellOf(qsizetype begin, int column) const;

    QByteArray store_;
    std::vector<qsizetype> rows_;  // where each row begins in store_; -1: a row of empty cells
};
