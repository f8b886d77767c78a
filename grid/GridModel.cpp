// GridModel: maps view indexes (data cells from 0) to grid coordinates (headers at 0) and back.
#include "grid/GridModel.h"

#include "framework/ui/GuardedHandler.h"

#include <QWidget>

#include <algorithm>

namespace ov {

void GridModel::Reshape(const std::function<void(GridCells&)>& change)
{
    beginResetModel();
    change(cells_);
    endResetModel();
}

void GridModel::ChangeTexts(const CellRange& range, const std::function<void(GridCells&)>& change)
{
    change(cells_);
    if (!range.IsValid()) return;
    const int top = std::max(range.minRow, 1) - 1;
    const int left = std::max(range.minCol, 1) - 1;
    const int bottom = std::min(range.maxRow, cells_.RowCount() - 1) - 1;
    const int right = std::min(range.maxCol, cells_.ColumnCount() - 1) - 1;
    if (top <= bottom && left <= right) Q_EMIT dataChanged(index(top, left), index(bottom, right));
    if (range.minRow == 0 && left <= right) Q_EMIT headerDataChanged(Qt::Horizontal, left, right);
    if (range.minCol == 0 && top <= bottom) Q_EMIT headerDataChanged(Qt::Vertical, top, bottom);
}

void GridModel::RemoveRows(int first, int count)
{
    count = std::min(count, cells_.RowCount() - first);
    if (first < 1 || count <= 0) return;
    beginRemoveRows({}, first - 1, first + count - 2);
    cells_.DeleteRows(first, count);
    endRemoveRows();
    // Rows below moved up; their headers renumber themselves.
    if (first < cells_.RowCount()) Q_EMIT headerDataChanged(Qt::Vertical, first - 1, cells_.RowCount() - 2);
}

void GridModel::RemoveColumns(int first, int count)
{
    count = std::min(count, cells_.ColumnCount() - first);
    if (first < 1 || count <= 0) return;
    beginRemoveColumns({}, first - 1, first + count - 2);
    cells_.DeleteColumns(first, count);
    endRemoveColumns();
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : cells_.RowCount() - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : cells_.ColumnCount() - 1;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return QString::fromStdString(cells_.Text(index.row() + 1, index.column() + 1));
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || readOnly_) return false;
    // Called by the view's editor: a failure ends as a message over the view, the cell keeps its text.
    bool changed = false;
    RunGuarded(qobject_cast<QWidget*>(QObject::parent()), [&] {
        const std::string text = value.toString().toStdString();
        if (text == cells_.Text(index.row() + 1, index.column() + 1)) return;
        cells_.SetText(index.row() + 1, index.column() + 1, text);
        changed = true;
        Q_EMIT dataChanged(index, index);
        Q_EMIT CellsEdited();
    });
    return changed;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    const std::string text =
        orientation == Qt::Horizontal ? cells_.Text(0, section + 1) : cells_.Text(section + 1, 0);
    return QString::fromStdString(text);
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (!readOnly_) f |= Qt::ItemIsEditable;
    return f;
}

}  // namespace ov
