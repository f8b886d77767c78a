// WindowPlacement: where a prompt window goes. The shrink that drops unused rows while keeping the
// vertical centre, the five placement modes, and the hold on the screen's work area. Plain integers,
// screen pixels.
#pragma once

#include <cstdint>
#include <optional>

namespace ov {

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    void Offset(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
    bool operator==(const ScreenRect&) const = default;
};

struct ShrinkResult {
    int shift = 0;      // vertical move of the buttons and the separator
    ScreenRect window;  // the window after losing the unused rows
};

// rowPitch is the distance from the first row to the second (negative when the second lies below);
// shownRows below six removes the difference, half from the bottom and half from the top.
ShrinkResult ShrinkForRows(ScreenRect window, int rowPitch, int shownRows);

// Modes 0-3 put a corner at (x, y): 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left; a negative
// mode acts as 0. Mode 4 and above centres the window on the anchor, when there is one. The result is
// then held inside a work area of the given width and height.
ScreenRect PlaceWindow(ScreenRect window, int8_t mode, int x, int y, std::optional<ScreenRect> anchor,
                       int workWidth, int workHeight);

}  // namespace ov
