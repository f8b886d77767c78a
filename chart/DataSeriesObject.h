// DataSeries objects as the library creates, names and frees them: the defaults of a new series, its
// type and coordinate-system nibbles, its name, and the series made from a drawing path or offered by
// the series list. Series memory is malloc'ed because the host frees what the library appends.
#pragma once

#include <ornivex/chart.h>

#include <string>

namespace ov {

// Coordinate systems of the high nibble: "X-Y", "X-Y#2", "X-Y#3".
enum CoordinateSystem : int { kSystemXY = 0, kSystemXY2 = 1, kSystemXY3 = 2 };
constexpr int kSeriesTypeCount = 6;

// Fills every field with the value a new series gets; the name pointer is left null.
void SetSeriesDefaults(DataSeries& series);
// A new series with the defaults and the name "DatSer_1"; null when out of memory.
DataSeries* CreateDataSeries();
// Frees the name, the value block, the owned blocks, the path records (OvPath) and the series.
void DestroyDataSeries(DataSeries* series);

int SeriesType(const DataSeries& series);
int SeriesSystem(const DataSeries& series);
void SetSeriesType(DataSeries& series, int type);
void SetSeriesSystem(DataSeries& series, int system);

// The system a series may take: 1 only when axis 2 is shown, 2 only when axis 3 is shown, else 0.
int AllowedCoordinateSystem(const ChartRecord& record, int requested);

// A series of two columns (x, y in data units) from a path in page coordinates; the name is the
// path's, the type nibble cleared and the marker type 0. Null for a path of fewer than two points,
// a zero scale or when out of memory.
DataSeries* SeriesFromPath(const DrawingPath& path, const DrawingContext& context);

// A new series named `name`, columns × rows, type and marker type 0, column 0 holding the row index
// and the other columns 0. Null when out of memory.
DataSeries* CreateNumberedSeries(const std::u16string& name, int columns, int rows);

// Replaces a series' name (host string); false when out of memory, the old name kept.
bool RenameSeries(DataSeries& series, const std::u16string& name);

}  // namespace ov
