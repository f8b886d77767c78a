// COvMag: replacing, appending and resizing a magnet's positions.
#include "magnets/COvMag.h"

#include <algorithm>

namespace ov {

bool COvMag::SetPositions(std::span<const float> xs, std::span<const float> ys)
{
    if (xs.size() != ys.size()) return false;
    std::vector<OvPointF> positions(xs.size());
    for (size_t i = 0; i < xs.size(); ++i) positions[i] = {xs[i], ys[i]};
    SetPositions(std::move(positions));
    return true;
}

void COvMag::SetPositions(std::vector<OvPointF> positions)
{
    positions_ = std::move(positions);
    SetFlags(OV_MAG_CHANGED, true);
}

void COvMag::Append(OvPointF position)
{
    positions_.push_back(position);
    SetFlags(OV_MAG_CHANGED, true);
}

void COvMag::Resize(int32_t count, OvPointF fill)
{
    positions_.resize(static_cast<size_t>(std::max(count, 0)), fill);
    SetFlags(OV_MAG_CHANGED, true);
}

}  // namespace ov
