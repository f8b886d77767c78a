// The Tick/Grid page without widgets: load and store of the tick, grid and plot-area fields and the
// axis-shown flags behind "Hide X-Axis" and "Hide Y-Axis", the alignment toolbar of kinds 7 and 8,
// and which controls each chart kind shows.
#pragma once

#include <ornivex/chart.h>

namespace ov {

struct TickGridValues {
    int major = -1;  // list selections; -1 keeps the stored index
    int minor = -1;
    int grid = -1;
    int secondMinor = -1;  // kind 8 only
    bool hideX = false;
    bool hideY = false;
    LineFillStyle plot{};
};

TickGridValues LoadTickGrid(const ChartRecord& record);
void StoreTickGrid(const TickGridValues& values, ChartRecord& record);

// Kinds 7 and 8 choose the text alignment with the four buttons of "tb_TickGrid".
bool UsesAlignmentToolbar(int kind);
// Button 1 ... 4 stores alignment 0 ... 3 at once; other commands are ignored.
bool StoreTextAlignment(ChartRecord& record, int button);

struct TickGridVisibility {
    bool resetScale = false;  // "Reset Scale", "Hide X-Axis", "Hide Y-Axis"
    bool secondMinor = false;
    bool gridList = true;        // "Draw Grid :" and its list
    bool gridEnabled = false;    // the grid list takes input
    bool textAlignment = false;  // "Text Align :" and the toolbar
};
TickGridVisibility TickGridVisibilityFor(int kind);

}  // namespace ov
