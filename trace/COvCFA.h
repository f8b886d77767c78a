// COvCFA: the approximation node. It splits a run of outline points at the point farthest from the
// chord (measured against uniform motion along the arc) until every piece lies within the tolerance;
// the end points of the pieces are the key points.
#pragma once

#include <ornivex/path.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace ov {

class COvCFA {
    // The points of the whole run and the length of each step to a point from the one before; the
    // nodes of one tree share them and each covers a stretch.
    struct Run {
        std::vector<double> x;
        std::vector<double> y;
        std::vector<double> step;
    };
    struct Stretch {  // a child's part of its parent's run: only a node can name one
        std::shared_ptr<const Run> run;
        size_t first = 0;
        size_t count = 0;
    };

public:
    COvCFA(std::span<const OvPointF> points, double tolerance);
    COvCFA(Stretch stretch, double tolerance);
    virtual ~COvCFA() = default;
    COvCFA(const COvCFA&) = delete;
    COvCFA& operator=(const COvCFA&) = delete;

    bool IsLeaf() const { return !left_; }
    // Appends the key points: the first point, every split point once, the last point.
    void CollectKeyPoints(std::vector<OvPointF>& out) const;

private:
    void Split(double tolerance);

    std::shared_ptr<const Run> run_;
    size_t first_ = 0;
    int32_t count_ = 0;
    std::unique_ptr<COvCFA> left_;
    std::unique_ptr<COvCFA> right_;
};

// Key points of an outline for approximability 0-100 (tenths of a pixel): the points unchanged when
// the tolerance is below 0.1 pixel or there are fewer than five of them.
bool Approximates(size_t count, int approximability);
std::vector<OvPointF> ApproximateOutline(std::span<const OvPointF> points, int approximability);

}  // namespace ov
