// COvCFA: recursive chord splitting and the walk that collects the key points.
#include "trace/COvCFA.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ov {

COvCFA::COvCFA(std::span<const OvPointF> points, double tolerance)
    : count_(static_cast<int32_t>(points.size()))
{
    auto run = std::make_shared<Run>();
    run->x.reserve(points.size());
    run->y.reserve(points.size());
    run->step.assign(points.size(), 0.0);
    for (size_t i = 0; i < points.size(); ++i) {
        run->x.push_back(points[i].x);
        run->y.push_back(points[i].y);
        if (i > 0) run->step[i] = std::hypot(run->x[i] - run->x[i - 1], run->y[i] - run->y[i - 1]);
    }
    run_ = std::move(run);
    if (count_ >= 5) Split(tolerance);
}

COvCFA::COvCFA(Stretch stretch, double tolerance)
    : run_(std::move(stretch.run)), first_(stretch.first), count_(static_cast<int32_t>(stretch.count))
{
    if (count_ >= 5) Split(tolerance);
}

// The arc length runs from 0 at the stretch's first point, summed in order, so a stretch splits the
// same way whichever tree it is part of.
void COvCFA::Split(double tolerance)
{
    const auto n = static_cast<size_t>(count_);
    const double* x = run_->x.data() + first_;
    const double* y = run_->y.data() + first_;
    const double* step = run_->step.data() + first_;
    double length = 0;
    for (size_t i = 1; i < n; ++i) length += step[i];
    if (!(length > 0)) return;  // all points coincide: nothing to split
    double largest = 0, arc = 0;
    size_t k = 0;
    for (size_t i = 0; i < n; ++i) {
        if (i > 0) arc += step[i];
        const double t = arc / length;
        const double dx = std::abs(x[i] - (x[0] + (x[n - 1] - x[0]) * t));
        const double dy = std::abs(y[i] - (y[0] + (y[n - 1] - y[0]) * t));
        const double deviation = std::max(dx, dy);
        if (deviation > largest) largest = deviation, k = i;
    }
    if (tolerance >= largest || k < 1 || k > n - 2) return;
    left_ = std::make_unique<COvCFA>(Stretch{run_, first_, k + 1}, tolerance);
    right_ = std::make_unique<COvCFA>(Stretch{run_, first_ + k, n - k}, tolerance);
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
    const size_t first = node->first_, last = first + static_cast<size_t>(node->count_ - 1);
    const Run& run = *node->run_;
    out.push_back({static_cast<float>(run.x[first]), static_cast<float>(run.y[first])});
    out.push_back({static_cast<float>(run.x[last]), static_cast<float>(run.y[last])});
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
