// Walking a path's drawn pieces: every line and Bézier as a cubic, or every figure as a polyline.
#pragma once

#include "paths/PathObject.h"

#include <functional>
#include <vector>

namespace ov {

// Calls fn with every drawn piece as a cubic (lines as straight cubics, lone points as points),
// including the closing line of closed figures. A Bézier step without its three points is a line.
void ForEachPiece(const PathObject& path, const std::function<void(const Cubic&)>& fn);
// Each figure as a polyline; Béziers are cut into 32 chords, closed figures end at their start.
std::vector<std::vector<Vec2>> Flatten(const PathObject& path);

}  // namespace ov
