// ClipDrag: press, move and release of the left button in the Clipped Path view, telling a click
// (which picks) from a drag (which pans).
#pragma once

#include "paths/Vec2.h"

#include <optional>

namespace ov {

class ClipDrag {
public:
    enum State { kIdle = 0, kPressed = 1, kDragging = 2 };

    void Press(Vec2 at)
    {
        state_ = kPressed;
        last_ = at;
    }
    // The distance to pan by: none until the pointer has moved more than 5 pixels (|dx| + |dy|) from
    // where it was pressed, then every move.
    std::optional<Vec2> Move(Vec2 at);
    // True when the press ended as a click.
    bool Release();
    State Current() const { return state_; }

private:
    State state_ = kIdle;
    Vec2 last_;
};

}  // namespace ov
