// The dialogs the library ships, one registration per subsystem. A slot left empty makes its entry
// point return 0 without opening anything.
#include "host/DialogRegistry.h"
#include "trace/FloodFillTool.h"

#include "chart/CDlgXYPP.h"

namespace ov {

void RegisterBuiltinDialogs(DialogRegistry& registry)
{
    registry.setStrings = [](SetStringsCall& call) { return RunSetStrings(call.setup, call.parent); };
    registry.xyChart = [](ChartSheetCall& call) { return RunXYChartSheet(call); };
    registry.floodFill = [](FloodFillCall& call) {
        return RunFloodFillTool(call.parent, call.bitmapPath, call.seedX, call.seedY, call.outline);
    };
}

}  // namespace ov
