// GridCells: the cells of a grid with one fixed header row and one fixed header column, kept without
// an object per cell: data cells are backed by a block of numbers shown on demand, and only cells given
// text (typed, pasted, set) hold a string.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace ov {

// A rectangle of cells in grid coordinates (row 0 and column 0 are the headers); empty when min > max.
struct CellRange {
    int minRow = -1;
    int minCol = -1;
    int maxRow = -2;
    int maxCol = -2;
    bool IsValid() const { return minRow >= 0 && minCol >= 0 && minRow <= maxRow && minCol <= maxCol; }
    bool Contains(int row, int col) const
    {
        return row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    int RowCount() const { return IsValid() ? maxRow - minRow + 1 : 0; }
    int ColumnCount() const { return IsValid() ? maxCol - minCol + 1 : 0; }
};

// How number-backed cells show their value. TenDecimals: FormatCellNumber, and a store reads each
// value back through that text. General: FormatGeneralCellNumber ("%g"); six digits would cut the
// values down, so a store keeps each number-backed value exactly and reads only cells given text, with
// ParseGeneralCellNumber (the "inf" and "nan" it shows read back).
enum class CellNumberStyle { TenDecimals, General };

class GridCells {
public:
    // Counts include the header row and column; both are at least 1.
    int RowCount() const { return rows_; }
    int ColumnCount() const { return cols_; }
    bool IsFixed(int row, int col) const { return row == 0 || col == 0; }
    bool IsInside(int row, int col) const { return row >= 0 && col >= 0 && row < rows_ && col < cols_; }

    // Resizing keeps the cells that stay inside; new cells are empty, new rows are numbered.
    void SetRowCount(int rows);
    void SetColumnCount(int cols);

    // Backs the data cells with `rows` × `cols` numbers taken column-major (column c, row r at
    // c × rows + r) and resizes the grid to rows + 1 by cols + 1; typed texts are dropped.
    void LoadNumbers(const double* values, int rows, int cols);
    // Every data cell empty, headers kept.
    void ClearData();

    CellNumberStyle NumberStyle() const { return numberStyle_; }
    void SetNumberStyle(CellNumberStyle style) { numberStyle_ = style; }

    // A row header without text of its own shows the row number.
    std::string Text(int row, int col) const;
    void SetText(int row, int col, std::string text);

    // The values of all data cells read from their texts, column-major over the data area: exactly
    // what reading each cell's text would give, without making the texts of number-backed cells.
    std::vector<double> Values() const;

    // Removes `count` data rows or columns from `first` on (headers stay); later ones move up or left.
    void DeleteRows(int first, int count);
    void DeleteColumns(int first, int count);

    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

private:
    static std::uint64_t Key(int row, int col)
    {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32) |
               static_cast<std::uint32_t>(col);
    }
    bool HasNumber(int row, int col) const { return row - 1 < numberRows_ && col - 1 < numberCols_; }
    double Number(int row, int col) const
    {
        return numbers_[static_cast<std::size_t>(col - 1) * numberRows_ + (row - 1)];
    }
    template <typename Keep>
    void RekeyTexts(Keep&& keep);

    int rows_ = 1;
    int cols_ = 1;
    std::vector<double> numbers_;  // numberRows_ × numberCols_, column-major
    int numberRows_ = 0;
    int numberCols_ = 0;
    std::unordered_map<std::uint64_t, std::string> texts_;
    bool modified_ = false;
    CellNumberStyle numberStyle_ = CellNumberStyle::TenDecimals;
};

}  // namespace ov
