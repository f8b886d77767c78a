// GridClipboardText: copy, paste and cut as text over the cell store.
#include "grid/GridClipboardText.h"

#include <algorithm>

namespace ov {

std::string CopyText(const GridCells& cells, const CellRange& range,
                     const std::function<bool(int row, int col)>& isSelected)
{
    std::string text;
    if (!range.IsValid()) return text;
    for (int r = range.minRow; r <= range.maxRow; ++r) {
        if (r > range.minRow) text += "\r\n";
        for (int c = range.minCol; c <= range.maxCol; ++c) {
            if (c > range.minCol) text += '\t';
            if (isSelected(r, c)) text += cells.Text(r, c);
        }
    }
    return text;
}

std::vector<std::vector<std::string>> SplitPasteText(std::string_view text)
{
    std::vector<std::vector<std::string>> rows;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        text = lf == std::string_view::npos ? std::string_view{} : text.substr(lf + 1);
        std::vector<std::string> fields;
        for (;;) {
            const std::size_t cut = line.find_first_of("\t,");
            std::string field(line.substr(0, cut));
            field.erase(std::remove(field.begin(), field.end(), '\r'), field.end());
            fields.push_back(std::move(field));
            if (cut == std::string_view::npos) break;
            line.remove_prefix(cut + 1);
        }
        rows.push_back(std::move(fields));
    }
    return rows;
}

CellRange PasteText(GridCells& cells, int row, int col, std::string_view text)
{
    if (!cells.IsInside(row, col) || cells.IsFixed(row, col)) return {};
    const auto rows = SplitPasteText(text);
    CellRange filled{row, col, row - 1, col - 1};
    for (std::size_t i = 0; i < rows.size() && row + static_cast<int>(i) < cells.RowCount(); ++i) {
        const int r = row + static_cast<int>(i);
        for (std::size_t j = 0; j < rows[i].size() && col + static_cast<int>(j) < cells.ColumnCount(); ++j) {
            const int c = col + static_cast<int>(j);
            cells.SetText(r, c, rows[i][j]);
            filled.maxRow = std::max(filled.maxRow, r);
            filled.maxCol = std::max(filled.maxCol, c);
        }
    }
    return filled;
}

bool ClearRange(GridCells& cells, const CellRange& range,
                const std::function<bool(int row, int col)>& isSelected)
{
    bool any = false;
    if (!range.IsValid()) return any;
    for (int r = std::max(range.minRow, 1); r <= range.maxRow; ++r) {
        for (int c = std::max(range.minCol, 1); c <= range.maxCol; ++c) {
            if (!isSelected(r, c)) continue;
            cells.SetText(r, c, {});
            any = true;
        }
    }
    return any;
}

}  // namespace ov
