// GridModel: the item model of the cell grid. Views see the data cells; the header row and column of
// the cell store appear as the view's header sections. Texts are made when a view asks for them.
#pragma once

#include "grid/GridCells.h"

#include <QAbstractTableModel>

#include <functional>

namespace ov {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    const GridCells& Cells() const { return cells_; }

    // Any change to the store's shape or many cells at once; views are reset.
    void Reshape(const std::function<void(GridCells&)>& change);
    // A change to the texts of some cells in a range of grid coordinates; views repaint them.
    void ChangeTexts(const CellRange& range, const std::function<void(GridCells&)>& change);
    void RemoveRows(int first, int count);
    void RemoveColumns(int first, int count);
    void SetModified(bool modified) { cells_.SetModified(modified); }

    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool IsReadOnly() const { return readOnly_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    // The user changed cell texts (typing, paste, cut, delete).
    void CellsEdited();

private:
    GridCells cells_;
    bool readOnly_ = false;
};

}  // namespace ov
