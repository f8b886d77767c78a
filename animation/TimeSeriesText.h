// TimeSeriesText: the series in the time-series dialog's grid and back, and the text file its save
// command writes: the data cells as the grid shows them ("%g"), separated by ",", one line per row,
// no heading line and no row numbers.
#pragma once

#include "animation/TimeSeriesObject.h"
#include "framework/files/AtomicFile.h"
#include "grid/GridCells.h"
#include "grid/GridTextFile.h"

#include <ostream>
#include <string>

namespace ov {

// The heading of column `column` (1-based): the series' title of that column, else its number.
std::u16string ColumnHeading(const TimeSeries& series, int column);

// The grid of a series: "%g" cells backed by its values, the heading row from ColumnHeading, counted
// as unchanged. A null series gives an empty grid.
void LoadSeriesCells(GridCells& cells, const TimeSeries* series);

// Stores the grid's values into the series: a grid of another size (rows or columns deleted) resizes
// the series to it first. Cells left as loaded keep their exact values. False, and the series
// unchanged, when memory runs out.
bool StoreSeriesCells(TimeSeries& series, const GridCells& cells);

GridTextOptions TimeSeriesTextOptions();
bool WriteTimeSeriesText(const GridCells& cells, std::ostream& out);
// Replaces the file as a whole; on failure the result holds the system's error and the old file, if
// any, stays.
FileWriteResult SaveTimeSeriesText(const GridCells& cells, const std::string& path);

}  // namespace ov
