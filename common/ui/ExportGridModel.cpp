#include "common/ui/ExportGridModel.h"

#include "common/LargeBlock.h"
#include "common/ListLines.h"
#include "common/Cp1252.h"

#include <algorithm>
#include <cstring>
#include <utility>

ExportGridModel::ExportGridModel(QStringList headers, std::vector<bool> readOnly, QObject *parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)), readOnly_(std::move(readOnly)),
      rows_(int(headers_.size()))
{
}

int ExportGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_.size();
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

QString ExportGridModel::text(int row, int column) const
{
    const QByteArrayView bytes = rows_.bytes(row, column);
    return rows_.isUtf8(row) ? QString::fromUtf8(bytes) : FromCp1252(bytes.data(), int(bytes.size()));
}

void ExportGridModel::setText(int row, int column, const QString &value)
{
    // The row is stored again, in UTF-8, with the one cell changed.
    const int columns = columnCount();
    std::vector<QByteArray> cells(static_cast<size_t>(columns));
    qsizetype total = 0;
    for (int c = 0; c < columns; ++c) {
        const QByteArrayView bytes = rows_.bytes(row, c);
        if (c == column)
            cells[size_t(c)] = value.toUtf8();
        else if (rows_.isUtf8(row))
            cells[size_t(c)] = bytes.toByteArray();
        else
            cells[size_t(c)] = FromCp1252(bytes.data(), int(bytes.size())).toUtf8();
        total += cells[size_t(c)].size();
    }
    rows_.beginRow(total);
    for (const QByteArray &cell : cells)
        rows_.add(cell);
    rows_.endRow(true);
    rows_.replaceWithLast(row);
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i);
}

void ExportGridModel::setRows(int rows)
{
    rows = std::max(0, rows);
    const int now = rows_.size();
    if (rows > now) {
        beginInsertRows({}, now, rows - 1);
        rows_.resize(rows);
        endInsertRows();
    } else if (rows < now) {
        beginRemoveRows({}, rows, now - 1);
        rows_.resize(rows);
        endRemoveRows();
    }
}

void ExportGridModel::sortByColumn(int column)
{
    // The column's texts keyed once each, sorted with their row numbers.
    const int count = rows_.size();
    ListLines keys;
    for (int r = 0; r < count; ++r)
        keys.append(text(r, column), r);
    keys.sort();
    std::vector<int> order(static_cast<size_t>(count));
    for (int r = 0; r < count; ++r)
        order[size_t(r)] = keys.number(r);
    beginResetModel();
    rows_.reorder(order);
    endResetModel();
}

void ExportGridModel::fill(ExportGridRows rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

ExportGridRows::ExportGridRows(ExportGridRows &&other) noexcept
    : columns_(other.columns_), rows_(std::exchange(other.rows_, {})), blocks_(std::exchange(other.blocks_, {})),
      blockUsed_(std::exchange(other.blockUsed_, 0))
{
}

ExportGridRows &ExportGridRows::operator=(ExportGridRows &&other) noexcept
{
    if (this != &other) {
        release();
        columns_ = other.columns_;
        rows_ = std::exchange(other.rows_, {});
        blocks_ = std::exchange(other.blocks_, {});
        blockUsed_ = std::exchange(other.blockUsed_, 0);
    }
    return *this;
}

ExportGridRows::~ExportGridRows() { release(); }

void ExportGridRows::release()
{
    for (const Block &b : blocks_)
        UnmapLargeBlock(b.data, b.size);
    blocks_.clear();
    rows_.clear();
    blockUsed_ = 0;
}

void ExportGridRows::beginRow(qsizetype maxText)
{
    const size_t needed = size_t(columns_) * sizeof(quint32) + size_t(maxText);
    if (blocks_.empty() || blocks_.back().size - blockUsed_ < needed) {
        // Each block twice the last, up to 32 MB: a short grid costs one huge page.
        constexpr size_t First = size_t(2) << 20, Largest = size_t(32) << 20;
        const size_t size = std::max(needed, blocks_.empty() ? First : std::min(Largest, 2 * blocks_.back().size));
        blocks_.push_back({static_cast<char *>(MapLargeBlock(size)), size});
        blockUsed_ = 0;
    }
    char *at = blocks_.back().data + blockUsed_;
    ends_ = reinterpret_cast<quint32 *>(at);
    text_ = at + size_t(columns_) * sizeof(quint32);
    used_ = 0;
    cell_ = 0;
}

void ExportGridRows::append(QByteArrayView text)
{
    std::memcpy(text_ + used_, text.data(), size_t(text.size()));
    used_ += text.size();
}

void ExportGridRows::endRow(bool utf8)
{
    while (cell_ < columns_)
        close();
    rows_.push_back({reinterpret_cast<const char *>(ends_), utf8});
    blockUsed_ += size_t(columns_) * sizeof(quint32) + size_t(used_);
    // The next row's cell ends stay aligned.
    blockUsed_ = (blockUsed_ + alignof(quint32) - 1) & ~(alignof(quint32) - 1);
}

void ExportGridRows::resize(int rows) { rows_.resize(size_t(std::max(0, rows)), Row{nullptr, false}); }

void ExportGridRows::replaceWithLast(int row)
{
    rows_[size_t(row)] = rows_.back();
    rows_.pop_back();
}

void ExportGridRows::reorder(const std::vector<int> &order)
{
    std::vector<Row> moved;
    moved.reserve(order.size());
    for (int from : order)
        moved.push_back(rows_[size_t(from)]);
    rows_ = std::move(moved);
}

QByteArrayView ExportGridRows::bytes(int row, int column) const
{
    const char *at = rows_[size_t(row)].at;
    if (!at)
        return {};
    const auto *ends = reinterpret_cast<const quint32 *>(at);
    const char *texts = at + size_t(columns_) * sizeof(quint32);
    const quint32 from = column == 0 ? 0 : ends[column - 1];
    return QByteArrayView(texts + from, qsizetype(ends[column] - from));
}
