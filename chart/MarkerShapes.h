// Marker shapes of the marker list (indexes 0 ... 10) as plain geometry about the item centre, in
// pixels at scale 1: filled squares, circles and polygons, and the stroked plus and cross.
#pragma once

#include <utility>
#include <vector>

namespace ov {

constexpr int kMarkerCount = 11;

struct MarkerPoint {
    float x = 0, y = 0;
};

enum class MarkerKind { None, Square, Circle, Polygon, Strokes };

struct MarkerShape {
    MarkerKind kind = MarkerKind::None;
    float size = 0;                                            // square side or circle diameter
    std::vector<MarkerPoint> polygon;                          // closed, for Polygon
    std::vector<std::pair<MarkerPoint, MarkerPoint>> strokes;  // for Strokes
};

// Index 0 and unknown indexes give None (the none picture).
MarkerShape MarkerGeometry(int index);

}  // namespace ov
