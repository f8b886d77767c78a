// ModelProjection: the model's points in window coordinates for vector output: every point projected to
// (x, −y, depth), each item's mean depth, and the items of every level put in back-to-front order.
#pragma once

#include "view3d/ViewMatrices.h"

#include <ornivex/surface.h>

namespace ov {

// Projects every point of every item through the frame and sets the mean depths: the mean of an item's
// point depths, or for an item without points the mean of its children's (0 without children). Unless
// `sort` is false the items of each list are then ordered from the farthest to the nearest.
void ProjectModel(Host3DObject& object, const ViewFrame& frame, bool sort = true);
// Puts the items of a list (and of their children's lists) in order of descending mean depth.
void SortBackToFront(OvHostList& items);

}  // namespace ov
