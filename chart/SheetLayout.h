// Geometry and paging rules of the property sheets, free of widgets: tab strips of any count and
// width, the X-Y sheet's tabs per chart kind, page areas, which page slots a tab shows, the start-tab
// value name, and the placement that keeps a sheet on its monitor.
#pragma once

#include "framework/prompt/WindowPlacement.h"

#include <array>
#include <string_view>
#include <vector>

namespace ov {

// A sheet's tab strip: `count` tabs, each a `widthDivisor`-th of the frame width; `zeroWidthTab`
// (-1: none) is drawn with no width, the tabs after it close up and the wheel passes over it.
struct TabStrip {
    int count = 0;
    int widthDivisor = 8;
    int zeroWidthTab = -1;
};

// Tab rectangles along the top of the frame, `tabHeight` high, one per tab of the strip.
std::vector<ScreenRect> SheetTabRects(const ScreenRect& frame, int tabHeight, const TabStrip& strip);
// The tab clamped to 0 ... count - 1.
int ClampTab(int tab, const TabStrip& strip);
// The tab that a wheel step selects: negative delta (towards the user) the next, else the previous;
// the zero-width tab is passed over.
int TabAfterWheel(int current, int delta, const TabStrip& strip);
// The X-Y sheet's strip: six tabs (seven for kind 6), an eighth wide; kind 1 hides the axis tab.
TabStrip XYTabStrip(int kind);

constexpr int kSheetTabs = 7;
// Tabs: the four chart-level pages, the data tab (series list and data table), the chart-style tab
// (series list and chart-style page) and, for kind 6, the 3-D view tab.
enum SheetTab : int { kTabGeneral, kTabTickGrid, kTabLegend, kTabAxis, kTabData, kTabChartStyle, kTab3D };
constexpr int kSheetPageSlots = 8;
// Page slots: 0 general, 1 tick/grid, 2 legend, 3 axis, 4 series list, 5 data table, 6 chart style,
// 7 3-D view and tool page.
enum SheetSlot : int {
    kSlotGeneral,
    kSlotTickGrid,
    kSlotLegend,
    kSlotAxis,
    kSlotSeriesList,
    kSlotDataTable,
    kSlotChartStyle,
    kSlot3D
};

struct SheetAreas {
    ScreenRect page;        // the full page area
    ScreenRect seriesList;  // left column of tabs 4 and 5
    ScreenRect right;       // data table, chart style
    ScreenRect view;        // kind 6: the 3-D view, left part of the page
    ScreenRect tool;        // kind 6: the 3-D tool page, the rest
};

// Tab n spans an eighth of the frame width; kind 1 gives tab 3 zero width and closes up the rest.
// Tabs past the last one of the kind are empty rectangles.
std::array<ScreenRect, kSheetTabs> SheetTabRects(const ScreenRect& frame, int tabHeight, int kind);
SheetAreas SheetPageAreas(const ScreenRect& frame, int tabHeight, int listWidth, int kind);

int LastSheetTab(int kind);
int ClampSheetTab(int tab, int kind);
// The slot created for a tab: tab 4 creates 5, tab 5 creates 6, tab 6 creates 7, others their own.
int SlotOfTab(int tab);
// Whether a page slot is shown on a tab (the series list belongs to tabs 4 and 5).
bool SlotOnTab(int slot, int tab);
// "InitPage5" (kind 4), "InitPage6" (kind 6) or "InitPage1".
std::string_view StartTabValueName(int kind);
// The tab that a wheel step selects: negative delta (towards the user) the next, else the previous.
int TabAfterWheel(int current, int delta, int kind);

// Keeps a window on its monitor: not left of or above the virtual screen origin; moved fully inside
// the work area when more than half its width or height lies past the right or bottom; then not left
// of or above the work area. The size is kept.
ScreenRect KeepOnMonitor(ScreenRect window, int virtualLeft, int virtualTop, const ScreenRect& work);

}  // namespace ov
