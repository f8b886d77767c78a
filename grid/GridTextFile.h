// GridTextFile: the text file the grid saves, made to open back through the ASCII import with its
// default settings as the same table: an empty first line (the import's series-name line, so no name
// is taken from the file), then one line per data row holding the values the table stores, cells
// separated by tabs and lines by LF. Other writers (magnet positions, time series) choose the
// separator, leave the name line out, write the cell texts as shown or stop after some rows.
#pragma once

#include "grid/GridCells.h"

#include <ostream>
#include <string>

namespace ov {

// Writes the cells to a stream; false when the stream fails. Each value is the shortest text that the
// import reads back as the same double (infinities as "1e999" and "-1e999"; a NaN, which no number text
// of the import gives, as "nan").
struct GridTextOptions {
    char separator = '\t';
    bool nameLine = true;     // the empty first line
    bool exactValues = true;  // the stored values in their shortest exact form; false: the cell texts shown
    int dataRows = -1;        // data rows written from the first on; -1: all
};

bool WriteGridText(const GridCells& cells, std::ostream& out, const GridTextOptions& options = {});

// Writes the cells to a file, replacing it whole (a failed write leaves the old file); false when it
// cannot be written.
bool SaveGridText(const GridCells& cells, const std::string& path, const GridTextOptions& options = {});

}  // namespace ov
