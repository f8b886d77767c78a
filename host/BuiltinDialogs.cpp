// The composition root: the registry the entry points use, with every dialog the library ships
// registered through its subsystem's one seam. The only file that knows them all; a slot left empty
// makes its entry point return 0 without opening anything.
#include "animation/TimeSeriesDialog.h"
#include "animation/generate/GenerateAnimation.h"
#include "chart/NumberAxisSheet.h"
#include "chart/PieChartSheet.h"
#include "chart/XYChartSheet.h"
#include "framework/prompt/SetStrings.h"
#include "host/DialogRegistry.h"
#include "magnets/MagnetsDialog.h"
#include "paths/PathDialogs.h"
#include "sysprops/SystemProperties.h"
#include "trace/FloodFillTool.h"
#include "view3d/ui/SurfaceSheet.h"

namespace ov {

void RegisterBuiltinDialogs(DialogRegistry& registry)
{
    registry.setStrings = [](SetStringsCall& call) { return RunSetStrings(call.setup, call.parent); };
    registry.xyChart = [](ChartSheetCall& call) { return RunXYChartSheet(call); };
    registry.pieChart = [](ChartSheetCall& call) { return RunPieChartSheet(call); };
    registry.numberAxis = [](ChartSheetCall& call) { return RunNumberAxisSheet(call); };
    registry.surface = [](ChartSheetCall& call) { return RunSurfaceSheet(call); };
    InstallSurfaceToolPage();
    registry.floodFill = [](FloodFillCall& call) {
        return RunFloodFillTool(call.parent, call.bitmapPath, call.seedX, call.seedY, call.outline);
    };
    registry.magnets = [](MagnetsCall& call) {
        return RunMagnetsDialog(call.parent, call.viewWindow, call.record);
    };
    registry.timeSeries = [](TimeSeriesCall& call) {
        return RunTimeSeriesDialog(
            call.parent, call.hostWindow, static_cast<SelectionRecord*>(call.selection), call.list,
            static_cast<MagnetRecord*>(call.magnetRecord), static_cast<int32_t*>(call.nextId));
    };
    registry.clipPath = [](PathsCall& call) { return RunClipPath(call); };
    registry.pointsAlongPaths = [](PathsCall& call) { return RunPointsAlongPaths(call); };
    registry.generateAnimation = [](AnimationCall& call) {
        RunGenerateAnimationDialog(call.parent, call.hostWindow);
        return 0;
    };
    registry.systemProps = [](SystemPropsCall& call) { return RunSystemProperties(call); };
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
