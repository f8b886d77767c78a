// TimeSeriesList: the host's list of time series: reading it in order, finding a series by id, the
// host's id counter, appending, deleting and moving series.
#pragma once

#include "animation/TimeSeriesObject.h"

#include <vector>

namespace ov {

// The list's elements in order; null elements are left out.
std::vector<TimeSeries*> SeriesOf(const OvHostList* list);

// Position of the series with that id, or -1.
int IndexOfId(const std::vector<TimeSeries*>& series, int32_t id);

// The counter's value, after which the counter moves on by one.
int32_t TakeNextId(int32_t& counter);

// Hands the series to the host at the end of its list. Null (the series kept by the caller) when
// memory runs out.
TimeSeries* AppendSeries(OvHostList& list, OwnedTimeSeries& series);

// Removes the element at a position and destroys it; false when out of range.
bool DeleteSeriesAt(OvHostList& list, int index);

// Moves the element at `from` to position `to` (both clamped into the list); false when nothing moved.
bool MoveSeries(OvHostList& list, int from, int to);

}  // namespace ov
