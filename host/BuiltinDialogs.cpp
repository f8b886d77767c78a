// The composition root: the registry the entry points use, with every dialog the library ships
// registered through its subsystem's one seam. The only file that knows them all; a slot left empty
// makes its entry point return 0 without opening anything.
#include "animation/generate/GenerateAnimation.h"
#include "chart/XYChartSheet.h"
#include "framework/prompt/SetStrings.h"
#include "host/DialogRegistry.h"
#include "magnets/MagnetsDialog.h"
#include "trace/FloodFillTool.h"

namespace ov {

void RegisterBuiltinDialogs(DialogRegistry& registry)
{
    registry.setStrings = [](SetStringsCall& call) { return RunSetStrings(call.setup, call.parent); };
    registry.xyChart = [](ChartSheetCall& call) { return RunXYChartSheet(call); };
    registry.floodFill = [](FloodFillCall& call) {
        return RunFloodFillTool(call.parent, call.bitmapPath, call.seedX, call.seedY, call.outline);
    };
    registry.magnets = [](MagnetsCall& call) {
        return RunMagnetsDialog(call.parent, call.viewWindow, call.record);
    };
    registry.generateAnimation = [](AnimationCall& call) {
        RunGenerateAnimationDialog(call.parent, call.hostWindow);
        return 0;
    };
}

DialogRegistry& Dialogs()
{
    static DialogRegistry registry = [] {
        DialogRegistry r;
        RegisterBuiltinDialogs(r);
        return r;
    }();
    return registry;
}

}  // namespace ov
