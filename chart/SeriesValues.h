// SeriesValues: what the data table does to a series' value block: resizing with the values that
// still fit kept, storing the grid's values (resizing first when the grid's size differs), clearing,
// and making the new series offered by the series list.
#pragma once

#include <ornivex/chart.h>

#include <string>
#include <vector>

namespace ov {

// Columns by rows; the overlap of the old and new sizes keeps its values, the rest is 0. False (and
// the series untouched) when the block cannot be made.
bool ResizeSeriesKeepingValues(DataSeries& series, int columns, int rows);

// Stores a grid of `gridRows` × `gridCols` cells (header row and column included) whose data cells
// read `values` (column-major over the data area). A series of another size is first resized to
// (gridCols − 1) × (gridRows − 1) with its old values dropped.
bool StoreGridValues(DataSeries& series, int gridRows, int gridCols, const std::vector<double>& values);

// Every value 0.
void ClearSeriesValues(DataSeries& series);

// A new series named `name`, columns × rows, type and marker type 0, column 0 holding the row index
// and the other columns 0. Null when out of memory.
DataSeries* CreateNumberedSeries(const std::u16string& name, int columns, int rows);

// Replaces a series' name (host string); false when out of memory, the old name kept.
bool RenameSeries(DataSeries& series, const std::u16string& name);

}  // namespace ov
