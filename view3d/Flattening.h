// Flattening: pressing an item of the model, with all its descendants, onto one face of the box
// (the projection choices of the 3-D tool page and of a kind-6 series).
#pragma once

#include <ornivex/surface.h>

namespace ov {

// Projection index p: 1 top (z max), 2 floor (z min), 3 y min, 4 y max, 5 x max, 6 x min, each
// through its axis map; other values change nothing. maps: x, y, z.
void FlattenItem(ModelItem& item, int p, const AxisMap (&maps)[3]);

}  // namespace ov
