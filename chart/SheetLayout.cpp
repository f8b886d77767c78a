// Sheet geometry and paging rules.
#include "chart/SheetLayout.h"

#include <algorithm>

namespace ov {

std::vector<ScreenRect> SheetTabRects(const ScreenRect& frame, int tabHeight, const TabStrip& strip)
{
    std::vector<ScreenRect> tabs;
    const int width = strip.widthDivisor > 0 ? frame.Width() / strip.widthDivisor : 0;
    int left = frame.left;
    for (int i = 0; i < strip.count; ++i) {
        const int w = i == strip.zeroWidthTab ? 0 : width;
        tabs.push_back({left, frame.top, left + w, frame.top + tabHeight});
        left += w;
    }
    return tabs;
}

int ClampTab(int tab, const TabStrip& strip)
{
    return std::clamp(tab, 0, std::max(strip.count - 1, 0));
}

int TabAfterWheel(int current, int delta, const TabStrip& strip)
{
    const int step = delta < 0 ? 1 : -1;
    int next = current + step;
    if (next == strip.zeroWidthTab) next += step;
    return ClampTab(next, strip);
}

TabStrip XYTabStrip(int kind)
{
    return {LastSheetTab(kind) + 1, 8, kind == 1 ? kTabAxis : -1};
}

std::array<ScreenRect, kSheetTabs> SheetTabRects(const ScreenRect& frame, int tabHeight, int kind)
{
    std::array<ScreenRect, kSheetTabs> tabs{};
    const std::vector<ScreenRect> strip = SheetTabRects(frame, tabHeight, XYTabStrip(kind));
    std::copy(strip.begin(), strip.end(), tabs.begin());
    return tabs;
}

SheetAreas SheetPageAreas(const ScreenRect& frame, int tabHeight, int listWidth, int kind)
{
    SheetAreas a;
    a.page = {frame.left + 1, frame.top + tabHeight + 1, frame.right - 1, frame.bottom - 1};
    a.seriesList = {a.page.left, a.page.top, a.page.left + listWidth, a.page.bottom};
    a.right = {a.seriesList.right, a.page.top, a.page.right, a.page.bottom};
    if (kind == 6) {
        const int viewWidth = a.page.Height() * 270 / 256;
        a.view = {a.page.left, a.page.top, a.page.left + viewWidth, a.page.bottom};
        a.tool = {a.view.right, a.page.top, a.page.right, a.page.bottom};
    }
    return a;
}

int LastSheetTab(int kind)
{
    return kind == 6 ? kTab3D : kTabChartStyle;
}

int ClampSheetTab(int tab, int kind)
{
    return ClampTab(tab, XYTabStrip(kind));
}

int SlotOfTab(int tab)
{
    return tab >= kTabData ? tab + 1 : tab;
}

bool SlotOnTab(int slot, int tab)
{
    if (slot == kSlotSeriesList) return tab == kTabData || tab == kTabChartStyle;
    return SlotOfTab(tab) == slot;
}

std::string_view StartTabValueName(int kind)
{
    if (kind == 4) return "InitPage5";
    if (kind == 6) return "InitPage6";
    return "InitPage1";
}

int TabAfterWheel(int current, int delta, int kind)
{
    return TabAfterWheel(current, delta, XYTabStrip(kind));
}

ScreenRect KeepOnMonitor(ScreenRect w, int virtualLeft, int virtualTop, const ScreenRect& work)
{
    if (w.left < virtualLeft) w.Offset(virtualLeft - w.left, 0);
    if (w.top < virtualTop) w.Offset(0, virtualTop - w.top);
    if (w.right > work.right + w.Width() / 2) w.Offset(work.right - w.right, 0);
    if (w.bottom > work.bottom + w.Height() / 2) w.Offset(0, work.bottom - w.bottom);
    if (w.left < work.left) w.Offset(work.left - w.left, 0);
    if (w.top < work.top) w.Offset(0, work.top - w.top);
    return w;
}

}  // namespace ov
