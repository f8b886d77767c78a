// Cubic–cubic intersection by subdivision, a cubic's self-intersection and the closest parameter
// of a cubic to a point.
#pragma once

#include "paths/Vec2.h"

#include <optional>
#include <vector>

namespace ov {

// Work limits of one cubic–cubic test.
inline constexpr long kMaxSubdivisionCalls = 1'000'000;
inline constexpr size_t kMaxRawHits = 128;
inline constexpr double kBoxTolerance = 0.0001;

// Crossing points of two cubics, duplicates within 0.0001 removed. Non-finite input gives none.
std::vector<Vec2> IntersectBeziers(const Cubic& c1, const Cubic& c2);

struct SelfCrossing {
    Vec2 point;
    double t = 0.0;
};

// The first crossing of the cubic with itself farther than sqrt(minDistanceSquared) from its middle.
std::optional<SelfCrossing> SelfIntersection(const Cubic& c, double minDistanceSquared);

// The parameter in [t0, t1] whose point is closest to target, refined by repeated sampling until
// the sample step falls below tolerance. At least 4 and at most 100,000 samples a pass.
double ClosestParameter(const Cubic& c, Vec2 target, double t0, double t1, int samples, double tolerance);

}  // namespace ov
