// The pass table of the 3-D view and the walk of the model under a draw mode.
#include "view3d/DrawPasses.h"

#include "view3d/ModelItems.h"

#include <algorithm>

namespace ov {
namespace {

constexpr int kNone = -1;

// Per view preset: fill-pass mode and line-pass mode, with c added where the item colours show; a line
// pass marked optional runs only with a line width index above 0.
struct PresetPasses {
    int fill;
    bool fillTakesC;
    int line;
    bool lineTakesC;
    bool lineOptional;
};
constexpr std::array<PresetPasses, 10> kPresets = {{
    {0, true, 0, false, true},       // 0
    {0, false, 0, true, false},      // 1
    {0, true, 0, false, true},       // 2
    {0, false, 0, true, false},      // 3
    {0, true, 0, false, true},       // 4
    {kNone, false, 0, true, false},  // 5
    {kNone, false, 0, true, false},  // 6
    {0, false, 0, true, false},      // 7
    {2, true, kNone, false, false},  // 8
    {kNone, false, 2, true, false},  // 9
}};

void Walk(const ModelItem& item, int mode, const std::array<float, 3>& colour,
          const std::function<void(const Primitive&)>& draw)
{
    if (mode >= 2 || item.kind == OV_ITEM_GROUP) {
        const int childMode = mode >= 2 ? mode - 2 : mode;
        for (const ModelItem* child : ModelItemsOf(item.children)) Walk(*child, childMode, colour, draw);
        return;
    }
    if (item.count <= 0 || !item.points) return;
    Primitive p;
    p.colour = mode == 1 ? std::array<float, 3>{item.colour[0], item.colour[1], item.colour[2]} : colour;
    if (item.kind == OV_ITEM_QUAD && item.count >= 4) {
        p.quad = true;
        std::copy(item.points, item.points + 4, p.points.begin());
        draw(p);
    } else if (item.kind == OV_ITEM_LINES) {
        for (int k = 0; k + 1 < item.count; ++k) {
            p.points[0] = item.points[k];
            p.points[1] = item.points[k + 1];
            draw(p);
        }
    }
}

}  // namespace

std::array<float, 3> ColourOfArgb(ov_argb argb)
{
    return {static_cast<float>((argb >> 16) & 0xff) / 255.0f, static_cast<float>((argb >> 8) & 0xff) / 255.0f,
            static_cast<float>(argb & 0xff) / 255.0f};
}

std::vector<DrawPass> DrawPassesOf(const ChartRecord& record)
{
    const float lineWidth = static_cast<float>(std::max<uint32_t>(record.line_width_3d, 1));
    const DrawPass line{false, 0, ColourOfArgb(record.line_colour_3d), lineWidth};
    if (record.kind != kSurfaceChartKind) return {line};
    if (record.view_preset_3d >= kPresets.size()) return {};
    const PresetPasses& p = kPresets[record.view_preset_3d];
    const int c = record.colour_map_3d > 0 ? 1 : 0;
    std::vector<DrawPass> passes;
    if (p.fill != kNone)
        passes.push_back({true, p.fill + (p.fillTakesC ? c : 0), ColourOfArgb(record.fill_colour_3d), 1});
    if (p.line != kNone && !(p.lineOptional && record.line_width_3d == 0))
        passes.push_back({false, p.line + (p.lineTakesC ? c : 0), line.colour, lineWidth});
    return passes;
}

void WalkPass(const OvHostList& items, const DrawPass& pass,
              const std::function<void(const Primitive&)>& draw)
{
    for (const ModelItem* item : ModelItemsOf(items)) Walk(*item, pass.mode, pass.colour, draw);
}

}  // namespace ov
