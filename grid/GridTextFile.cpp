// GridTextFile: the save command's writer. The column headers stay out of the file: their digits and
// letters e would read as numbers, and any text in the data lines shifts the values of later rows.
#include "grid/GridTextFile.h"

#include "framework/files/AtomicFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>
#include <vector>

namespace ov {
namespace {

void AppendValue(std::string& line, double value)
{
    if (std::isinf(value)) {
        line += value > 0 ? "1e999" : "-1e999";  // overflows to the infinity it stands for
        return;
    }
    char buffer[32];  // the shortest round-trip form of a double has at most 24 characters
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    line.append(buffer, ec == std::errc{} ? end : buffer);
}

}  // namespace

bool WriteGridText(const GridCells& cells, std::ostream& out, const GridTextOptions& options)
{
    const int rows = cells.RowCount() - 1;
    const int cols = cells.ColumnCount() - 1;
    const int end = options.dataRows < 0 ? rows : std::min(rows, options.dataRows);
    const std::vector<double> values = options.exactValues ? cells.Values() : std::vector<double>{};
    if (options.nameLine) out.put('\n');
    std::string line;
    for (int r = 0; r < end; ++r) {
        line.clear();
        for (int c = 0; c < cols; ++c) {
            if (c > 0) line += options.separator;
            if (options.exactValues)
                AppendValue(line, values[static_cast<std::size_t>(c) * rows + r]);
            else
                line += cells.Text(r + 1, c + 1);
        }
        line += '\n';
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
    out.flush();
    return static_cast<bool>(out);
}

bool SaveGridText(const GridCells& cells, const std::string& path, const GridTextOptions& options)
{
    std::ostringstream text;
    return WriteGridText(cells, text, options) && WriteFileAtomically(path, text.view());
}

}  // namespace ov
