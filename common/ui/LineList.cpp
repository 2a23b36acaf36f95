#include "common/ui/LineList.h"

#include <QBrush>
#include <QColor>
#include <QFontMetrics>
#include <QItemSelectionModel>


namespace {

constexpr int DefaultItemWidth = 1600;

} // namespace

LineListModel::LineListModel(QObject *parent)
    : QAbstractListModel(parent), font_(QStringLiteral("Courier New"), 12)
{
    font_.setStyleHint(QFont::TypeWriter);
    setItemWidth(DefaultItemWidth);
}

int LineListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : lines_.size();
}

QVariant LineListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= lines_.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return lines_.line(index.row());
    case Qt::FontRole:
        return font_;
    case Qt::ForegroundRole:
        return QBrush(QColor::fromRgba(0xFF000000));
    case Qt::SizeHintRole:
        return itemSize_;
    default:
        return QVariant();
    }
}

void LineListModel::setLines(ListLines lines)
{
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

void LineListModel::setItemWidth(int width)
{
    // The height is the one the font asks for; only the width is the window's.
    itemSize_ = QSize(width, QFontMetrics(font_).height() + 2);
    if (!lines_.isEmpty())
        emit dataChanged(index(0), index(lines_.size() - 1), {Qt::SizeHintRole});
}

LineListView::LineListView(QWidget *parent) : QListView(parent), model_(new LineListModel(this))
{
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideNone);
}

void LineListView::setLines(ListLines lines) { model_->setLines(std::move(lines)); }

QString LineListView::line(int row) const
{
    return row >= 0 && row < count() ? model_->lines().line(row) : QString();
}

int LineListView::recordNumber(int row) const { return row >= 0 && row < count() ? model_->lines().number(row) : 0; }

int LineListView::selectedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void LineListView::selectRow(int row)
{
    if (row < 0 || row >= count()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = model_->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void LineListView::mouseDoubleClickEvent(QMouseEvent *e)
{
    QListView::mouseDoubleClickEvent(e);
    emit listDoubleClicked();
}
