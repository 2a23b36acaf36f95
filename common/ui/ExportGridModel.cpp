#include "common/ui/ExportGridModel.h"

#include "common/Cp1252.h"

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

QByteArrayView ExportGridModel::bytesOf(int row, int column) const
{
    const qsizetype at = rows_[size_t(row)];
    if (at < 0)
        return {};
    const char *begin = store_.constData() + at / 2;
    const auto endOf = [begin](int c) {
        quint32 end;
        std::memcpy(&end, begin + qsizetype(c) * qsizetype(sizeof(quint32)), sizeof end);
        return end;
    };
    const char *texts = begin + qsizetype(columnCount()) * qsizetype(sizeof(quint32));
    const quint32 from = column == 0 ? 0 : endOf(column - 1);
    return QByteArrayView(texts + from, qsizetype(endOf(column) - from));
}

ExcelCell ExportGridModel::stored(int row, int column) const
{
    return {bytesOf(row, column), !isUtf8(row)};
}

QString ExportGridModel::text(int row, int column) const
{
    const QByteArrayView bytes = bytesOf(row, column);
    return isUtf8(row) ? QString::fromUtf8(bytes) : FromCp1252(bytes.data(), int(bytes.size()));
}

void ExportGridModel::setText(int row, int column, const QString &value)
{
    // The row is stored again, in UTF-8, with the one cell changed.
    const int columns = columnCount();
    RowBuilder builder(columns);
    for (int c = 0; c < columns; ++c) {
        const QByteArrayView bytes = bytesOf(row, c);
        if (c == column)
            builder.add(value.toUtf8());
        else if (isUtf8(row))
            builder.add(bytes);
        else
            builder.add(FromCp1252(bytes.data(), int(bytes.size())).toUtf8());
    }
    rows_[size_t(row)] = 2 * builder.appendTo(store_) + 1;
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

void ExportGridModel::fillCp1252(QByteArray store, std::vector<qsizetype> rows)
{
    beginResetModel();
    store_ = std::move(store);
    rows_ = std::move(rows);
    for (qsizetype &at : rows_)
        at *= 2;
    endResetModel();
}

ExportGridModel::RowBuilder::RowBuilder(int columns) : columns_(columns) { ends_.reserve(size_t(columns)); }

void ExportGridModel::RowBuilder::add(QByteArrayView text)
{
    text_.append(text);
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
