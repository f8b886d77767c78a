// COvCFA: the approximation node. It splits a run of outline points at the point farthest from the
// chord (measured against uniform motion along the arc) until every piece lies within the tolerance;
// the end points of the pieces are the key points.
#pragma once

#include <ornivex/path.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace ov {

class COvCFA {
public:
    COvCFA(std::span<const OvPointF> points, double tolerance);
    virtual ~COvCFA() = default;
    COvCFA(const COvCFA&) = delete;
    COvCFA& operator=(const COvCFA&) = delete;

    bool IsLeaf() const { return !left_; }
    // Appends the key points: the first point, every split point once, the last point.
    void CollectKeyPoints(std::vector<OvPointF>& out) const;

private:
    void Split(double tolerance);

    std::vector<double> x_;
    std::vector<double> y_;
    std::vector<double> arc_;
    int32_t count_ = 0;
    std::unique_ptr<COvCFA> left_;
    std::unique_ptr<COvCFA> right_;
};

// Key points of an outline for approximability 0-100 (tenths of a pixel): the points unchanged when
// the tolerance is below 0.1 pixel or there are fewer than five of them.
bool Approximates(size_t count, int approximability);
std::vector<OvPointF> ApproximateOutline(std::span<const OvPointF> points, int approximability);

}  // namespace ov
