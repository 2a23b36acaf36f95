#pragma once
#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The cells of an export grid, compact: each row is one block of bytes holding the end offset of
// every cell and then the cells' texts in UTF-8, back to back. A large archive costs one small
// allocation per row, not one text per cell. Cells of editable columns take what the user types.
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
    void setText(int row, int column, const QString &value);
    // New rows have empty cells; rows past the count are dropped.
    void setRows(int rows);

    // Builds stored rows, one cell after the other.
    class RowBuilder {
    public:
        explicit RowBuilder(int columns);
        // The next cell's text, in UTF-8.
        void add(QByteArrayView utf8);
        // Starts the next cell empty; its text is appended to text().
        void open();
        // The row as stored, the builder made ready for the next row.
        QByteArray take();
        QByteArray &text() { return text_; }
        // Ends the cell begun with open().
        void close() { ends_.back() = quint32(text_.size()); }

    private:
        int columns_;
        std::vector<quint32> ends_;
        QByteArray text_;
    };
    // Replaces every row by rows made with RowBuilder, telling the view once.
    void fill(std::vector<QByteArray> rows);

private:
    QStringList headers_;
    std::vector<bool> readOnly_;
    std::vector<QByteArray> rows_;
};
