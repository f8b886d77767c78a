// GridClipboardText: the plain text a grid puts on the clipboard and how pasted text fills its cells.
#pragma once

#include "grid/GridCells.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// Rows of the range separated by CR LF, cells by a tab; a cell of the range that is not selected
// gives an empty field.
std::string CopyText(const GridCells& cells, const CellRange& range,
                     const std::function<bool(int row, int col)>& isSelected);

// Rows split at line feeds (one final empty line dropped), cells at tabs or commas; carriage returns
// belong to the line breaks and are dropped wherever they stand.
std::vector<std::vector<std::string>> SplitPasteText(std::string_view text);

// Fills cells rightwards and downwards from (row, col); cells beyond the grid and header cells are
// left alone. Nothing happens when the start cell is read-only (a header or outside). Returns the
// range that received text.
CellRange PasteText(GridCells& cells, int row, int col, std::string_view text);

// Every data cell of the range made empty; returns whether any was.
bool ClearRange(GridCells& cells, const CellRange& range,
                const std::function<bool(int row, int col)>& isSelected);

}  // namespace ov
