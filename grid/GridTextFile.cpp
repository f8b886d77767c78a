// GridTextFile: the save command's writer.
#include "grid/GridTextFile.h"

#include <sstream>

#include "framework/files/AtomicFile.h"

namespace ov {

bool WriteGridText(const GridCells& cells, std::ostream& out)
{
    std::string line;
    for (int r = 0; r < cells.RowCount(); ++r) {
        line.clear();
        for (int c = 1; c < cells.ColumnCount(); ++c) {
            if (c > 1) line += '\t';
            line += cells.Text(r, c);
        }
        line += '\n';
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
    out.flush();
    return static_cast<bool>(out);
}

bool SaveGridText(const GridCells& cells, const std::string& path)
{
    std::ostringstream text;
    return WriteGridText(cells, text) && WriteFileAtomically(path, text.view());
}

}  // namespace ov
