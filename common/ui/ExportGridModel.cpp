#include "common/ui/ExportGridModel.h"

#include <cstring>

ExportGridModel::ExportGridModel(QStringList headers, std::vector<bool> readOnly, QObject *parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)), readOnly_(std::move(readOnly))
{
}

int ExportGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ExportGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant ExportGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return text(index.row(), index.column());
}

bool ExportGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setText(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags ExportGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && !readOnly_[size_t(index.column())])
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ExportGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headers_.size())
        return headers_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

QByteArrayView ExportGridModel::cellOf(qsizetype begin, int column) const
{
    if (begin < 0)
        return {};
    const char *row = store_.constData() + begin;
    const auto endOf = [row](int c) {
        quint32 end;
        std::memcpy(&end, row + qsizetype(c) * qsizetype(sizeof(quint32)), sizeof end);
        return end;
    };
    const char *texts = row + qsizetype(columnCount()) * qsizetype(sizeof(quint32));
    const quint32 from = column == 0 ? 0 : endOf(column - 1);
    return QByteArrayView(texts + from, qsizetype(endOf(column) - from));
}

QString ExportGridModel::text(int row, int column) const
{
    return QString::fromUtf8(cellOf(rows_[size_t(row)], column));
}

void ExportGridModel::setText(int row, int column, const QString &value)
{
    // The row is built again with the one cell changed.
    const int columns = columnCount();
    RowBuilder builder(columns);
    const qsizetype old = rows_[size_t(row)];
    for (int c = 0; c < columns; ++c)
        builder.add(c == column ? QByteArrayView(value.toUtf8()) : cellOf(old, c));
    rows_[size_t(row)] = builder.appendTo(store_);
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i);
}

void ExportGridModel::setRows(int rows)
{
    rows = std::max(0, rows);
    const int now = int(rows_.size());
    if (rows > now) {
        beginInsertRows({}, now, rows - 1);
        rows_.resize(size_t(rows), -1);
        endInsertRows();
    } else if (rows < now) {
        beginRemoveRows({}, rows, now - 1);
        rows_.resize(size_t(rows));
        endRemoveRows();
    }
}

void ExportGridModel::fill(QByteArray store, std::vector<qsizetype> rows)
{
    beginResetModel();
    store_ = std::move(store);
    rows_ = std::move(rows);
    endResetModel();
}

ExportGridModel::RowBuilder::RowBuilder(int columns) : columns_(columns) { ends_.reserve(size_t(columns)); }

void ExportGridModel::RowBuilder::add(QByteArrayView utf8)
{
    text_.append(utf8);
    ends_.push_back(quint32(text_.size()));
}

void ExportGridModel::RowBuilder::open() { ends_.push_back(quint32(text_.size())); }

qsizetype ExportGridModel::RowBuilder::appendTo(QByteArray &store)
{
    // Cells never handed over are empty.
    ends_.resize(size_t(columns_), ends_.empty() ? 0 : ends_.back());
    const qsizetype begin = store.size();
    const qsizetype needed = begin + qsizetype(ends_.size() * sizeof(quint32)) + text_.size();
    // Doubled each time it is full, so that filling copies the rows only a few times.
    if (needed > store.capacity())
        store.reserve(std::max(needed, 2 * store.capacity() + 4096));
    store.append(reinterpret_cast<const char *>(ends_.data()), qsizetype(ends_.size() * sizeof(quint32)));
    store.append(text_);
    ends_.clear();
    text_.resize(0);
    return begin;
}
