// Fuzz target of the grid's clipboard text: any bytes pasted into a small number-backed grid at a
// start cell taken from the input; the grid keeps its size, the pasted range copies back to the texts
// its cells hold, and reading values and writing the text file never fail.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "grid/GridCells.h"
#include "grid/GridClipboardText.h"
#include "grid/GridTextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const int row = size > 0 ? data[0] % 6 : 1;
    const int col = size > 1 ? data[1] % 5 : 1;
    const std::vector<double> numbers{1, 2.5, -0.1, 1e-12, 3, 4, 1e300, -7};
    ov::GridCells cells;
    cells.LoadNumbers(numbers.data(), 4, 2);
    const ov::CellRange filled = ov::PasteText(cells, row, col, text);
    if (cells.RowCount() != 5 || cells.ColumnCount() != 3) __builtin_trap();
    if (filled.IsValid()) {
        const std::string copied = ov::CopyText(cells, filled, [](int, int) { return true; });
        // A last row of empty cells reads back as the final line break, so missing fields are empty.
        const auto rows = ov::SplitPasteText(copied);
        const auto field = [&rows](std::size_t r, std::size_t c) {
            return r < rows.size() && c < rows[r].size() ? rows[r][c] : std::string();
        };
        for (int r = filled.minRow; r <= filled.maxRow; ++r)
            for (int c = filled.minCol; c <= filled.maxCol; ++c)
                if (field(r - filled.minRow, c - filled.minCol) != cells.Text(r, c)) __builtin_trap();
    }
    if (cells.Values().size() != 8) __builtin_trap();
    std::ostringstream out;
    ov::WriteGridText(cells, out);
    return 0;
}
