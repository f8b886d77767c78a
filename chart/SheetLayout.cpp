// Sheet geometry and paging rules.
#include "chart/SheetLayout.h"

#include <algorithm>

namespace ov {

std::array<ScreenRect, kSheetTabs> SheetTabRects(const ScreenRect& frame, int tabHeight, int kind)
{
    std::array<ScreenRect, kSheetTabs> tabs{};
    const int width = frame.Width() / 8;
    int left = frame.left;
    for (int i = 0; i <= LastSheetTab(kind); ++i) {
        const int w = kind == 1 && i == kTabAxis ? 0 : width;
        tabs[static_cast<std::size_t>(i)] = {left, frame.top, left + w, frame.top + tabHeight};
        left += w;
    }
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
    return std::clamp(tab, 0, LastSheetTab(kind));
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
    int next = delta < 0 ? current + 1 : current - 1;
    if (kind == 1 && next == kTabAxis) next += delta < 0 ? 1 : -1;  // the hidden axis tab is skipped
    return ClampSheetTab(next, kind);
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
