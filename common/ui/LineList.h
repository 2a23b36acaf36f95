#pragma once
#include "common/ArchiveSearch.h"

#include <QAbstractListModel>
#include <QFont>
#include <QListView>
#include <QSize>
#include <QStringList>

// The lines of a list window, each shown as an item in "Courier New" 12, opaque black, of a fixed
// width (wider than the list, so long lines scroll horizontally). Every item has the same size,
// so lists of tens of thousands of lines fill and scroll at once. Beside each line the model keeps
// the 1-based number of the record it was made from.
class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit LineListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    const ListLines &lines() const { return lines_; }
    void setLines(ListLines lines);
    void setItemWidth(int width);

private:
    ListLines lines_;
    QFont font_;
    QSize itemSize_;
};

// The list `lstRecords` of the search and list windows: one line per item, one selected at most.
class LineListView : public QListView {
    Q_OBJECT
public:
    explicit LineListView(QWidget *parent = nullptr);

    int count() const { return model_->lines().size(); }
    const ListLines &listLines() const { return model_->lines(); }
    // The lines in list order, as a list of their own.
    QStringList lines() const { return model_->lines().toStringList(); }
    // The line at `row`, or an empty text for no line.
    QString line(int row) const;
    // The number of the record that line `row` was made from (0 for no line).
    int recordNumber(int row) const;
    void setLines(ListLines lines);
    void clear() { setLines(ListLines()); }
    // The width of every item (1600 in most windows).
    void setItemWidth(int width) { model_->setItemWidth(width); }

    // The selected line, or -1 when none is.
    int selectedRow() const;
    // Selects one line and scrolls to it; -1 clears the selection.
    void selectRow(int row);

signals:
    // A double-click anywhere on the list, after the click has selected the line under it.
    void listDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    LineListModel *model_;
};
