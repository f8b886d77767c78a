// The click-or-drag decision of the Clipped Path view.
#include "paths/ClipDrag.h"

#include <cmath>

namespace ov {

namespace {

constexpr double kDragStart = 5.0;

}  // namespace

std::optional<Vec2> ClipDrag::Move(Vec2 at)
{
    const Vec2 d = at - last_;
    if (state_ == kIdle) return std::nullopt;
    if (state_ == kPressed && !(std::fabs(d.x) + std::fabs(d.y) > kDragStart)) return std::nullopt;
    state_ = kDragging;
    last_ = at;
    return d;
}

bool ClipDrag::Release()
{
    const bool click = state_ == kPressed;
    state_ = kIdle;
    return click;
}

}  // namespace ov
