// Shrinking and placing prompt windows.
#include "framework/prompt/WindowPlacement.h"

namespace ov {

ShrinkResult ShrinkForRows(ScreenRect window, int rowPitch, int shownRows)
{
    ShrinkResult r{0, window};
    if (shownRows >= 6) return r;
    const int d = rowPitch * (6 - shownRows);
    r.shift = d;
    r.window.bottom += d / 2;
    r.window.top -= d - d / 2;
    return r;
}

namespace {

ScreenRect CornerAt(ScreenRect w, int8_t mode, int x, int y)
{
    const int width = w.Width(), height = w.Height();
    switch (mode) {
    case 1: return {x - width, y, x, y + height};
    case 2: return {x - width, y - height, x, y};
    case 3: return {x, y - height, x + width, y};
    default: return {x, y, x + width, y + height};
    }
}

ScreenRect CentreOn(ScreenRect w, const ScreenRect& anchor)
{
    const int cx = (anchor.left + anchor.right) / 2, cy = (anchor.top + anchor.bottom) / 2;
    w.Offset(cx - (w.left + w.right) / 2, cy - (w.top + w.bottom) / 2);
    return w;
}

ScreenRect HoldInWorkArea(ScreenRect w, int width, int height)
{
    if (w.left < 0) w.Offset(-w.left, 0);
    if (w.right > width) w.Offset(width - w.right, 0);
    if (w.top < 0) w.Offset(0, -w.top);
    if (w.bottom > height) w.Offset(0, height - w.bottom);
    return w;
}

}  // namespace

ScreenRect PlaceWindow(ScreenRect window, int8_t mode, int x, int y, std::optional<ScreenRect> anchor,
                       int workWidth, int workHeight)
{
    if (mode < 4)
        window = CornerAt(window, mode, x, y);
    else if (anchor)
        window = CentreOn(window, *anchor);
    return HoldInWorkArea(window, workWidth, workHeight);
}

}  // namespace ov
