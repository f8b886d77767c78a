// GridTextFile: the text file the grid saves: the column headers on the first line, then one line per
// data row, cells separated by tabs and lines by LF, so the ASCII import reads it back from line 2.
// Other writers choose the separator, leave the header out or stop after some rows.
#pragma once

#include "grid/GridCells.h"

#include <ostream>
#include <string>

namespace ov {

struct GridTextOptions {
    char separator = '\t';
    bool header = true;  // the header row first
    int dataRows = -1;   // data rows written from the first on; -1: all
};

// Writes the cells to a stream; false when the stream fails.
bool WriteGridText(const GridCells& cells, std::ostream& out, const GridTextOptions& options = {});

// Writes the cells to a file, replacing it; false when it cannot be written.
bool SaveGridText(const GridCells& cells, const std::string& path, const GridTextOptions& options = {});

}  // namespace ov
