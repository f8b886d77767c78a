// GridCells: resizing, row and column removal and bulk reading of the cell store.
#include "grid/GridCells.h"

#include "grid/CellNumberText.h"

#include <algorithm>
#include <utility>

namespace ov {

template <typename Keep>
void GridCells::RekeyTexts(Keep&& keep)
{
    std::unordered_map<std::uint64_t, std::string> kept;
    for (auto& [key, text] : texts_) {
        int row = static_cast<int>(key >> 32);
        int col = static_cast<int>(key & 0xFFFFFFFFu);
        if (keep(row, col)) kept.emplace(Key(row, col), std::move(text));
    }
    texts_ = std::move(kept);
}

void GridCells::SetRowCount(int rows)
{
    rows = std::max(rows, 1);
    if (rows < rows_) RekeyTexts([rows](int row, int) { return row < rows; });
    // Number-backed cells beyond the new end stay hidden behind the count; trimming the block keeps
    // them from showing again when the grid grows back.
    if (rows - 1 < numberRows_) {
        std::vector<double> kept;
        kept.reserve(static_cast<std::size_t>(rows - 1) * numberCols_);
        for (int c = 0; c < numberCols_; ++c) {
            const auto first = numbers_.begin() + static_cast<std::ptrdiff_t>(c) * numberRows_;
            kept.insert(kept.end(), first, first + (rows - 1));
        }
        numbers_ = std::move(kept);
        numberRows_ = rows - 1;
    }
    rows_ = rows;
    modified_ = true;
}

void GridCells::SetColumnCount(int cols)
{
    cols = std::max(cols, 1);
    if (cols < cols_) RekeyTexts([cols](int, int col) { return col < cols; });
    if (cols - 1 < numberCols_) {
        numberCols_ = cols - 1;
        numbers_.resize(static_cast<std::size_t>(numberCols_) * numberRows_);
    }
    cols_ = cols;
    modified_ = true;
}

void GridCells::LoadNumbers(const double* values, int rows, int cols)
{
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    RekeyTexts([](int row, int col) { return row == 0 || col == 0; });
    numberRows_ = rows;
    numberCols_ = cols;
    numbers_.assign(values, values + static_cast<std::size_t>(rows) * cols);
    SetRowCount(rows + 1);
    SetColumnCount(cols + 1);
}

void GridCells::ClearData()
{
    RekeyTexts([](int row, int col) { return row == 0 || col == 0; });
    numbers_.clear();
    numberRows_ = 0;
    numberCols_ = 0;
    modified_ = true;
}

std::string GridCells::Text(int row, int col) const
{
    if (!IsInside(row, col)) return {};
    if (const auto it = texts_.find(Key(row, col)); it != texts_.end()) return it->second;
    if (col == 0 && row > 0) return std::to_string(row);
    if (!IsFixed(row, col) && HasNumber(row, col)) {
        const double value = Number(row, col);
        return numberStyle_ == CellNumberStyle::General ? FormatGeneralCellNumber(value)
                                                        : FormatCellNumber(value);
    }
    return {};
}

void GridCells::SetText(int row, int col, std::string text)
{
    if (!IsInside(row, col)) return;
    texts_[Key(row, col)] = std::move(text);
    modified_ = true;
}

std::vector<double> GridCells::Values() const
{
    const int dataRows = rows_ - 1;
    const int dataCols = cols_ - 1;
    std::vector<double> values(static_cast<std::size_t>(dataRows) * dataCols, 0.0);
    const bool exact = numberStyle_ == CellNumberStyle::General;
    for (int c = 0; c < std::min(dataCols, numberCols_); ++c) {
        for (int r = 0; r < std::min(dataRows, numberRows_); ++r) {
            const double value = Number(r + 1, c + 1);
            values[static_cast<std::size_t>(c) * dataRows + r] = exact ? value : RoundTripCellNumber(value);
        }
    }
    for (const auto& [key, text] : texts_) {
        const int row = static_cast<int>(key >> 32);
        const int col = static_cast<int>(key & 0xFFFFFFFFu);
        if (row == 0 || col == 0) continue;
        values[static_cast<std::size_t>(col - 1) * dataRows + (row - 1)] =
            exact ? ParseGeneralCellNumber(text) : ParseCellNumber(text);
    }
    return values;
}

void GridCells::DeleteRows(int first, int count)
{
    if (first < 1) return;
    count = std::min(count, rows_ - first);
    if (count <= 0) return;
    const int last = first + count - 1;
    RekeyTexts([first, last, count](int& r, int) {
        if (r >= first && r <= last) return false;
        if (r > last) r -= count;
        return true;
    });
    // Compact the column-major block in one pass: each column loses the removed run of rows.
    const int from = std::min(first - 1, numberRows_);
    const int to = std::min(last, numberRows_);
    if (from < to) {
        const int keptRows = numberRows_ - (to - from);
        std::vector<double> kept;
        kept.reserve(static_cast<std::size_t>(keptRows) * numberCols_);
        for (int c = 0; c < numberCols_; ++c) {
            const auto column = numbers_.begin() + static_cast<std::ptrdiff_t>(c) * numberRows_;
            kept.insert(kept.end(), column, column + from);
            kept.insert(kept.end(), column + to, column + numberRows_);
        }
        numbers_ = std::move(kept);
        numberRows_ = keptRows;
    }
    rows_ -= count;
    modified_ = true;
}

void GridCells::DeleteColumns(int first, int count)
{
    if (first < 1) return;
    count = std::min(count, cols_ - first);
    if (count <= 0) return;
    const int last = first + count - 1;
    RekeyTexts([first, last, count](int, int& c) {
        if (c >= first && c <= last) return false;
        if (c > last) c -= count;
        return true;
    });
    const int from = std::min(first - 1, numberCols_);
    const int to = std::min(last, numberCols_);
    if (from < to) {
        numbers_.erase(numbers_.begin() + static_cast<std::ptrdiff_t>(from) * numberRows_,
                       numbers_.begin() + static_cast<std::ptrdiff_t>(to) * numberRows_);
        numberCols_ -= to - from;
    }
    cols_ -= count;
    modified_ = true;
}

}  // namespace ov
