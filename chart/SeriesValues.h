// SeriesValues: a series' value block (columns × rows doubles, column-major): resizing with or without
// the values that still fit, filling it from an imported matrix, element access, storing the data table's
// grid, clearing.
#pragma once

#include <ornivex/chart.h>

#include <vector>

namespace ov {

// Replaces the value block by a zeroed one of columns × rows doubles (the old contents are not
// kept). Negative or oversized requests leave an empty series and return false.
bool ResizeSeries(DataSeries& series, int columns, int rows);
// Element (column, row), or null outside the block.
double* SeriesValue(DataSeries& series, int column, int row);

// Replaces the value block by a copy of `values`, columns × rows doubles in column-major order (an
// imported matrix). False, and the series left empty, when the block cannot be made.
bool ReplaceSeriesValues(DataSeries& series, int columns, int rows, const double* values);

// Columns by rows; the overlap of the old and new sizes keeps its values, the rest is 0. False (and
// the series untouched) when the block cannot be made.
bool ResizeSeriesKeepingValues(DataSeries& series, int columns, int rows);

// Stores a grid of `gridRows` × `gridCols` cells (header row and column included) whose data cells
// read `values` (column-major over the data area). A series of another size is first resized to
// (gridCols − 1) × (gridRows − 1) with its old values dropped.
bool StoreGridValues(DataSeries& series, int gridRows, int gridCols, const std::vector<double>& values);

// Every value 0.
void ClearSeriesValues(DataSeries& series);

}  // namespace ov
