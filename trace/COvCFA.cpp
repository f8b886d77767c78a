// COvCFA: recursive chord splitting and the walk that collects the key points.
#include "trace/COvCFA.h"

#include <cmath>

namespace ov {

COvCFA::COvCFA(std::span<const OvPointF> points, double tolerance)
    : count_(static_cast<int32_t>(points.size()))
{
    x_.reserve(points.size());
    y_.reserve(points.size());
    for (const OvPointF& p : points) {
        x_.push_back(p.x);
        y_.push_back(p.y);
    }
    if (count_ >= 5) Split(tolerance);
}

void COvCFA::Split(double tolerance)
{
    const auto n = static_cast<size_t>(count_);
    arc_.assign(n, 0.0);
    for (size_t i = 1; i < n; ++i) arc_[i] = arc_[i - 1] + std::hypot(x_[i] - x_[i - 1], y_[i] - y_[i - 1]);
    const double length = arc_[n - 1] - arc_[0];
    if (!(length > 0)) return;  // all points coincide: nothing to split
    double largest = 0;
    size_t k = 0;
    for (size_t i = 0; i < n; ++i) {
        const double t = (arc_[i] - arc_[0]) / length;
        const double dx = std::abs(x_[i] - (x_[0] + (x_[n - 1] - x_[0]) * t));
        const double dy = std::abs(y_[i] - (y_[0] + (y_[n - 1] - y_[0]) * t));
        const double deviation = std::max(dx, dy);
        if (deviation > largest) largest = deviation, k = i;
    }
    if (tolerance >= largest || k < 1 || k > n - 2) return;
    std::vector<OvPointF> pts(n);
    for (size_t i = 0; i < n; ++i) pts[i] = {static_cast<float>(x_[i]), static_cast<float>(y_[i])};
    left_ = std::make_unique<COvCFA>(std::span(pts).first(k + 1), tolerance);
    right_ = std::make_unique<COvCFA>(std::span(pts).subspan(k), tolerance);
}

void COvCFA::CollectKeyPoints(std::vector<OvPointF>& out) const
{
    const COvCFA* node = this;
    while (!node->IsLeaf()) {
        node->left_->CollectKeyPoints(out);
        out.pop_back();  // the split point starts the right part
        node = node->right_.get();
    }
    if (node->count_ == 0) return;
    const auto last = static_cast<size_t>(node->count_ - 1);
    out.push_back({static_cast<float>(node->x_[0]), static_cast<float>(node->y_[0])});
    out.push_back({static_cast<float>(node->x_[last]), static_cast<float>(node->y_[last])});
}

bool Approximates(size_t count, int approximability)
{
    return approximability / 10.0 >= 0.1 && count >= 5;
}

std::vector<OvPointF> ApproximateOutline(std::span<const OvPointF> points, int approximability)
{
    if (!Approximates(points.size(), approximability)) return {points.begin(), points.end()};
    const COvCFA root(points, approximability / 10.0);
    std::vector<OvPointF> keys;
    root.CollectKeyPoints(keys);
    return keys;
}

}  // namespace ov
