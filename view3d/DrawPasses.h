// DrawPasses: what the view draws of the model in each pass (filled or outlined, the draw mode that
// picks the items' own colours or their children, the pass colour and line width), and the walk of the
// model items under a draw mode that yields the primitives a pass draws.
#pragma once

#include <ornivex/surface.h>

#include <array>
#include <functional>
#include <vector>

namespace ov {

// The chart kind of the 3-D surface sheet; every other kind draws one line pass.
constexpr uint8_t kSurfaceChartKind = 5;

struct DrawPass {
    bool filled = false;  // fill pass (polygon offset on) or line pass
    int mode = 0;         // ≥ 2: only the children, drawn with mode − 2; 1: own colours; 0: pass colour
    std::array<float, 3> colour{};
    float lineWidth = 1;
};

// The passes of the record's view preset (none above 9).
std::vector<DrawPass> DrawPassesOf(const ChartRecord& record);
// Red, green and blue of an ARGB colour in 0 ... 1.
std::array<float, 3> ColourOfArgb(ov_argb argb);

// One thing to draw: a quadrilateral (4 points) or a line segment (2 points) in a colour.
struct Primitive {
    bool quad = false;
    std::array<OvPoint3F, 4> points{};
    std::array<float, 3> colour{};
};
// Walks the top-level items as a pass draws them and hands every primitive to `draw`.
void WalkPass(const OvHostList& items, const DrawPass& pass,
              const std::function<void(const Primitive&)>& draw);

}  // namespace ov
