// FigureBuilder: one closed figure per kept outline, as polygon, closed curve or a blend of straight
// pieces between sharp corners and curves along smooth runs; and the merge of all figures.
#pragma once

#include "paths/PathObject.h"
#include "trace/FloodFillSettings.h"
#include "trace/OutlineExtraction.h"

#include <span>
#include <vector>

namespace ov {

// Corner threshold of the blending style in radians: π/4 at 0 up to about π at 100.
double CornerThreshold(int blending);

// Angle at every point of a closed run p0 … p(m−1) (the last repeating the first): 0 for a spike,
// π for a straight run, 0 where a neighbour coincides with the point. The last entry copies the first.
std::vector<double> CornerAngles(std::span<const OvPointF> points);

// Builds the figure of m points (the last repeating the first) into `figure`; false (nothing built)
// when m < 3. Outlines of fewer than four points always become a polygon.
bool BuildFigure(std::span<const OvPointF> points, int pathStyle, int blending, PathObject& figure);

// Figures of the outlines whose unsigned area is not below the threshold, in list order. Key points
// of every approximated outline are appended to `keyPoints` (cleared first).
std::vector<PathObject> BuildContourPaths(const Outlines& outlines, double threshold,
                                          const FloodFillSettings& settings,
                                          std::vector<OvPointF>& keyPoints);

// Resets the target and appends every figure in order.
void MergeFigures(const std::vector<PathObject>& figures, PathObject& target);

}  // namespace ov
