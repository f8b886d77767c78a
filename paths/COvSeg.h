// COvSeg: one link of a segment chain (straight runs and cubic Bézier runs built from path data).
// A link owns the links behind it; the last link of a chain holds only the chain's end point.
#pragma once

#include "paths/PathObject.h"

#include <ornivex/path.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace ov {

// How a link is drawn, from its control points (its own points and the next link's first point).
enum SegKind : uint8_t {
    kSegLine = 1,      // straight line or polyline
    kSegBezier = 2,    // run of cubic Béziers (4, 7, 10 ... control points), else a polyline
    kSegArc = 3,       // arc of the circle through three control points, a polyline when collinear
    kSegCardinal = 4,  // cardinal spline through the control points
    kSegBezierAlt = 5  // as kSegBezier
};

// A pen as plain style: colour 0xAARRGGBB and width.
struct PenStyle {
    uint32_t argb = 0xFF000000;
    float width = 1.0f;
};

class COvSeg {
public:
    COvSeg() = default;
    ~COvSeg();
    COvSeg(const COvSeg&) = delete;
    COvSeg& operator=(const COvSeg&) = delete;

    // Fills this empty head from one figure (index 0 its start point) and appends the links.
    // False, with nothing built, for a figure of fewer than two usable points.
    bool FromPathData(const OvPointF* points, const uint8_t* types, int32_t count, bool closed);
    // A new link of the given kind right after this one, with this link's figureId.
    COvSeg* InsertAfter(uint8_t newKind);
    void ClearPoints(size_t keep);
    std::vector<OvPointF> ControlPoints() const;
    std::vector<OvPointF> AllPoints() const;
    COvSeg* Last();
    const COvSeg* Last() const;
    // Unlinks every link after this one whose control-point chord is shorter than tolerance.
    void RemoveShort(double tolerance);
    // Drops a one-point straight link just before this one that lies within tolerance of this
    // link's start, when that link has a predecessor.
    void JoinTiny(double tolerance);
    // Moves every point of the chain from here on, or only those after the given point of it.
    void Translate(float dx, float dy, const OvPointF* after = nullptr);
    void Scale(float cx, float cy, float fx, float fy);
    // Adds this link and those behind it to path as one new figure, and rebuilds drawPath and
    // hullPath of this link the same way (hullPath with every link as a polyline).
    void ToPath(PathObject& path);
    // When every link before the last is a Bézier and the control polygon is shorter than
    // maxLength and within tolerance of its chord: the first and last point of the chain.
    std::optional<std::pair<OvPointF, OvPointF>> IsNearlyStraight(double maxLength, double tolerance) const;
    // Points along the chain, divisions steps per straight link or smooth Bézier run, spaced
    // geometrically by bias (1 = evenly).
    std::vector<OvPointF> Divide(int divisions, double bias) const;

    std::array<PenStyle, 4> pens{{{0xFFFF0000, 2}, {0xFF008000, 2}, {0xFFFFFFFF, 6}, {0xFFFF0000, 2}}};
    uint8_t kind = kSegLine;
    std::vector<OvPointF> points;
    COvSeg* prev = nullptr;
    std::unique_ptr<COvSeg> next;
    int32_t figureId = 0;
    int32_t state = 0;
    int32_t tag = -1;
    PathObject drawPath;
    PathObject hullPath;

private:
    // Adds this one link, by kind, to the given path.
    void AddDrawn(PathObject& path) const;
};

// Geometric fractions 0 = f_0 < ... < f_divisions = 1 with step ratio bias.
std::vector<double> DivisionFractions(int divisions, double bias);

}  // namespace ov
