// PathObject: the library's 2-D path, kept exactly as path data (float points and type bytes), so it
// crosses the host boundary without conversion. Figures continue until closed or a new one starts.
#pragma once

#include "paths/Vec2.h"

#include <ornivex/path.h>

#include <cstdint>
#include <span>
#include <vector>

namespace ov {

// Affine map x' = m11·x + m21·y + dx, y' = m12·x + m22·y + dy (row-vector convention).
struct PathMatrix {
    float m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;
};

// One figure as a half-open range of point indices.
struct FigureRange {
    size_t begin = 0;
    size_t end = 0;
};

class PathObject {
public:
    explicit PathObject(int32_t fillMode = OV_FILL_ALTERNATE) : fillMode_(fillMode) {}

    int32_t FillMode() const { return fillMode_; }
    void SetFillMode(int32_t mode)
    {
        fillMode_ = mode == OV_FILL_WINDING ? OV_FILL_WINDING : OV_FILL_ALTERNATE;
    }
    int32_t PointCount() const { return static_cast<int32_t>(points_.size()); }
    const std::vector<OvPointF>& Points() const { return points_; }
    const std::vector<uint8_t>& Types() const { return types_; }
    std::vector<FigureRange> Figures() const;

    void Reset();
    // Replaces the content with path data as given (types kept byte for byte).
    void SetData(std::span<const OvPointF> points, std::span<const uint8_t> types);
    void StartFigure() { figureOpen_ = false; }
    void CloseFigure();

    bool AddLines(std::span<const OvPointF> points);
    bool AddPolygon(std::span<const OvPointF> points);
    bool AddBeziers(std::span<const OvPointF> points);
    bool AddCurve(std::span<const OvPointF> points, float tension);
    bool AddClosedCurve(std::span<const OvPointF> points, float tension);
    bool AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    // Appends the other path's figures; connect joins its first figure to an open last figure.
    void Append(const PathObject& other, bool connect);

    void Reverse();
    void Transform(const PathMatrix& m);
    // Box of the drawn curves (not their control points), widened by half the pen width.
    Box WorldBounds(float penWidth = 0.0f) const;
    // True when (x, y) lies under the outline drawn with a pen of that width (at least 1).
    bool IsOutlineVisible(float x, float y, float penWidth) const;

private:
    // Starts a run: its first point continues the open figure (skipped when it repeats the last
    // point) or starts a new figure. Returns false when the first point was skipped.
    bool AppendFirst(OvPointF p);
    void Append(OvPointF p, uint8_t type) { points_.push_back(p), types_.push_back(type); }

    std::vector<OvPointF> points_;
    std::vector<uint8_t> types_;
    int32_t fillMode_;
    bool figureOpen_ = false;
};

}  // namespace ov
