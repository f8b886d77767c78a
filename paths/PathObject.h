// PathObject: the library's 2-D path, kept exactly as path data (float points and type bytes), so it
// crosses the host boundary without conversion. Figures continue until closed or a new one starts.
#pragma once

#include <ornivex/path.h>

#include <cstdint>
#include <span>
#include <vector>

namespace ov {

class PathObject {
public:
    explicit PathObject(int32_t fillMode = OV_FILL_ALTERNATE) : fillMode_(fillMode) {}

    int32_t FillMode() const { return fillMode_; }
    int32_t PointCount() const { return static_cast<int32_t>(points_.size()); }
    const std::vector<OvPointF>& Points() const { return points_; }
    const std::vector<uint8_t>& Types() const { return types_; }

    void Reset();
    void StartFigure() { figureOpen_ = false; }
    void CloseFigure();

    bool AddLines(std::span<const OvPointF> points);
    bool AddPolygon(std::span<const OvPointF> points);
    bool AddBeziers(std::span<const OvPointF> points);
    bool AddCurve(std::span<const OvPointF> points, float tension);
    bool AddClosedCurve(std::span<const OvPointF> points, float tension);

private:
    // Type of the first point of an added run: a line from the open figure, or a new start.
    uint8_t FirstType() const;
    void Append(OvPointF p, uint8_t type) { points_.push_back(p), types_.push_back(type); }

    std::vector<OvPointF> points_;
    std::vector<uint8_t> types_;
    int32_t fillMode_;
    bool figureOpen_ = false;
};

// Bézier control points of a cardinal spline through pts; closed wraps around the ends.
std::vector<OvPointF> CardinalToBeziers(std::span<const OvPointF> pts, float tension, bool closed);

}  // namespace ov
