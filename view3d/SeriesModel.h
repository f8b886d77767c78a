// SeriesModel: the model of a 3-D chart (kind 6): the data ranges over its series and one polyline item
// per series, flattened by the series' own projection index.
#pragma once

#include "view3d/ModelItemStock.h"

#include <ornivex/surface.h>

namespace ov {

// Smallest and largest of one column over every series.
struct DataRange {
    double min = 0, max = 1;
};

// The X, Y and Z ranges (columns 0, 1, 2) over the series of the list; a column a series does not have
// counts as 0 ... 0 for that series; non-finite values are left out; without series each range is
// 0 ... 1.
void SeriesRanges(const OvHostList* series, DataRange (&ranges)[3]);
// Appends one line item per series (one point per row) to the object's items, linked to the series,
// made through `stock`, and flattens it by the series' projection index. False when memory ran out.
bool BuildSeriesItems(ModelItemStock& stock, Host3DObject& object);

}  // namespace ov
