// Flattening of model items onto a face of the box.
#include "view3d/Flattening.h"

#include "view3d/AxisMaps.h"
#include "view3d/ModelItems.h"

namespace ov {
namespace {

float& Coordinate(OvPoint3F& p, int axis)
{
    return axis == 0 ? p.x : axis == 1 ? p.y : p.z;
}

void SetCoordinate(ModelItem& item, int axis, float value)
{
    for (int k = 0; k < item.count; ++k) Coordinate(item.points[k], axis) = value;
    for (ModelItem* child : ModelItemsOf(item.children)) SetCoordinate(*child, axis, value);
}

}  // namespace

void FlattenItem(ModelItem& item, int p, const AxisMap (&maps)[3])
{
    if (p < 1 || p > 6) return;
    const int axis = p <= 2 ? 2 : p <= 4 ? 1 : 0;
    const bool atMax = p == 1 || p == 4 || p == 5;
    const AxisMap& map = maps[axis];
    SetCoordinate(item, axis, static_cast<float>(atMax ? MappedMax(map) : MappedMin(map)));
}

}  // namespace ov
