// CGridCtrl: the spreadsheet-like cell grid under the data tables: a header row and column that stay in
// place, in-place editing, rectangular selection, clipboard, row and column removal, saving to text.
// Cells are addressed in grid coordinates: row 0 and column 0 are the headers.
#pragma once

#include "grid/GridCells.h"

#include <QString>
#include <QTableView>

#include <functional>
#include <vector>

namespace ov {

class GridModel;

class CGridCtrl : public QTableView {
    Q_OBJECT
public:
    explicit CGridCtrl(QWidget* parent = nullptr);

    // Counts include the header row and column (at least 1 each); growing keeps the cells.
    void SetRowCount(int rows);
    void SetColumnCount(int cols);
    int GetRowCount() const;
    int GetColumnCount() const;

    QString GetItemText(int row, int col) const;
    void SetItemText(int row, int col, const QString& text);

    // Data cells backed by a column-major block of rows × cols numbers; the grid becomes rows + 1 by
    // cols + 1, and counts as changed so the next store reads every cell.
    void LoadNumbers(const double* values, int rows, int cols);
    // Every data cell's value read from its text, column-major over the data area.
    std::vector<double> CellValues() const;
    // Every data cell empty.
    void ClearCells();
    // Lays the cells out anew in one go (an owner that builds its own table); counts as unchanged
    // unless `change` marks the cells modified.
    void ResetCells(const std::function<void(GridCells&)>& change);

    // Bounding range of the selection in grid coordinates (invalid when nothing is selected).
    CellRange GetSelectedCellRange() const;
    bool IsCellSelected(int row, int col) const;
    // Whether every data cell of the column (or row) is selected.
    bool IsColumnSelected(int col) const;
    bool IsRowSelected(int row) const;
    void SelectCells(const CellRange& range);

    void DeleteRow(int row) { DeleteRows(row, 1); }
    void DeleteRows(int first, int count);
    void DeleteColumn(int col) { DeleteColumns(col, 1); }
    void DeleteColumns(int first, int count);

    // Clipboard text of the selection; paste starts at the top-left selected cell (or the current one).
    void Cut();
    void Copy();
    void Paste();

    // Writes the cells to a text file; false when it cannot be written.
    bool Save(const QString& path) const;

    bool IsEditing() const { return state() == QAbstractItemView::EditingState; }
    bool GetModified() const;
    void SetModified(bool modified);
    // Cells that are read-only take no typing, paste or cut.
    void SetEditable(bool editable);
    void Redraw();

    const GridCells& Cells() const;

Q_SIGNALS:
    // The user changed cell texts.
    void CellsEdited();
    // The right mouse button went down over the grid (global position), for the owner's pop-up menu.
    void RightButtonDown(const QPoint& globalPos);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Paints the corner button as a header section showing the text of cell (0, 0).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyFontMetrics();
    void ClearSelection();
    QModelIndex PasteStart() const;

    GridModel* model_ = nullptr;
};

}  // namespace ov
