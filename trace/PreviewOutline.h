// PreviewOutline: the traced figures as the preview can show them. Béziers are cut into chords and
// every figure is thinned by Douglas–Peucker to within a tolerance (a fraction of a screen pixel at the
// preview's scale). Drawing only: the path handed to the host keeps every point.
#pragma once

#include "paths/PathObject.h"

#include <vector>

namespace ov {

struct PreviewPolyline {
    std::vector<OvPointF> points;
    bool closed = false;
};

// Every figure of the path as a polyline that stays within `tolerance` (path units) of the figure:
// chords within half of it of their Bézier, the thinning within the other half.
std::vector<PreviewPolyline> SimplifyForPreview(const PathObject& path, double tolerance);

}  // namespace ov
