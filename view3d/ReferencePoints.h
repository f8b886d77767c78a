// ReferencePoints: the 27 points of the 3-D box (corners, edge and face centres, centre) that the view
// projects for the labels, and the three walls drawn behind the model in perspective.
#pragma once

#include "view3d/ViewMatrices.h"

#include <ornivex/surface.h>

#include <array>

namespace ov {

// Point k of the unit cube scaled by the three axis ratios.
Vec3 ReferencePoint(int k, const std::array<double, 3>& ratios);
// The 3-D axis ratios of axes 0, 1 and 2 of the record.
std::array<double, 3> AxisRatios(const ChartRecord& record);
// Projects the 27 points through the frame into the object as (x, −y, depth).
void ProjectReferencePoints(Host3DObject& object, const ViewFrame& frame,
                            const std::array<double, 3>& ratios);

using Wall = std::array<int, 4>;  // indexes of reference points
// The bottom corner (0 ... 3) farthest from the viewer: largest stored depth, the lower index on a tie.
int FarthestBottomCorner(const Host3DObject& object);
// The three faces of the box that meet at that corner.
const std::array<Wall, 3>& WallsAtCorner(int corner);

}  // namespace ov
