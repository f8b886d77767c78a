// MagnetSeries: time series made from a magnet's positions, and which magnets the series list's menu
// offers for it.
#pragma once

#include "animation/TimeSeriesObject.h"

#include <ornivex/magnet.h>

#include <vector>

namespace ov {

class COvMag;

// The magnets the menu offers, in list order: not temporary and with at least two positions. Item i
// of the menu is element i. A null record offers none.
std::vector<const COvMag*> MagnetMenuEntries(const MagnetRecord* record);

// Two columns, one row per position: (x − origin x) ÷ scale and (origin y − y) ÷ scale (the page's y
// axis points down, the series' up), column-major. A scale that is not a positive number counts as 1.
std::vector<double> MagnetSeriesValues(const COvMag& magnet, const MagnetRecord& record);

// A series of the given name and id holding MagnetSeriesValues; null when memory runs out.
OwnedTimeSeries MakeMagnetSeries(const COvMag& magnet, const MagnetRecord& record, std::u16string_view name,
                                 int32_t id);

}  // namespace ov
