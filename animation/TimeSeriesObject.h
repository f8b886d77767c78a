// TimeSeriesObject: the host's time-series object as the library creates, sizes, fills, names and
// releases it. Every block in it is malloc'ed, since the host frees what it is handed.
#pragma once

#include <ornivex/animation.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// Sizes a new series may take (the new-series prompt) and sizes a resize may take.
inline constexpr int kNewSeriesMinimum = 1;
inline constexpr int kNewSeriesMaximum = 2000;
inline constexpr int kResizeMinimum = 2;
inline constexpr int kResizeMaximum = 10000;

int ClampNewSeriesCount(int count);
int ClampResizeCount(int count);

struct TimeSeriesDeleter {
    void operator()(TimeSeries* series) const noexcept;
};
// A series not yet handed to the host.
using OwnedTimeSeries = std::unique_ptr<TimeSeries, TimeSeriesDeleter>;

// id 0, name "TS_1", no titles, 0 × 0 without values; null when memory runs out.
OwnedTimeSeries CreateTimeSeries();
// Frees the titles, the name, the values and the object; null is ignored.
void DestroyTimeSeries(TimeSeries* series) noexcept;

// Replaces the values by an uninitialised block of columns × rows doubles. False, and the series
// unchanged, for a negative size or when the block cannot be had.
bool SetTimeSeriesSize(TimeSeries& series, int columns, int rows);
// columns × rows with the overlap of the old and new sizes kept and 0.0 elsewhere. False, and the
// series unchanged, as above.
bool ResizeTimeSeries(TimeSeries& series, int columns, int rows);
// One more column of 0.0, the rows unchanged.
bool AddTimeSeriesColumn(TimeSeries& series);
// The values of a new series: column 0 the row index (0, 1, 2 …), every other column 0.0.
void FillNewSeriesValues(TimeSeries& series);

// False (the old name kept) when memory runs out.
bool SetTimeSeriesName(TimeSeries& series, std::u16string_view name);
std::u16string TimeSeriesName(const TimeSeries& series);

// One title per column: the given ones cut to the columns, "" for the columns past them. False (the
// old titles kept) when memory runs out.
bool SetColumnTitles(TimeSeries& series, const std::vector<std::u16string>& titles);
std::vector<std::u16string> ColumnTitles(const TimeSeries& series);

// "TimeSer_%d".
std::u16string NumberedSeriesName(int number);

// A new series of the given name and id, columns and rows clamped to the new-series range and filled
// as FillNewSeriesValues does; null when memory runs out.
OwnedTimeSeries MakeNewSeries(std::u16string_view name, int32_t id, int columns, int rows);

}  // namespace ov
