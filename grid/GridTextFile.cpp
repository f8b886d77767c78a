// GridTextFile: the save command's writer.
#include "grid/GridTextFile.h"

#include <algorithm>
#include <fstream>

namespace ov {

bool WriteGridText(const GridCells& cells, std::ostream& out, const GridTextOptions& options)
{
    std::string line;
    const int end =
        options.dataRows < 0 ? cells.RowCount() : std::min(cells.RowCount(), options.dataRows + 1);
    for (int r = options.header ? 0 : 1; r < end; ++r) {
        line.clear();
        for (int c = 1; c < cells.ColumnCount(); ++c) {
            if (c > 1) line += options.separator;
            line += cells.Text(r, c);
        }
        line += '\n';
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
    out.flush();
    return static_cast<bool>(out);
}

bool SaveGridText(const GridCells& cells, const std::string& path, const GridTextOptions& options)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    return out.is_open() && WriteGridText(cells, out, options);
}

}  // namespace ov
