// DialogRegistry: one small factory per dialog the entry points can open. A factory builds its dialog
// from the record the dispatcher hands it (framework/dialogs/DialogCalls.h), runs it modally and
// returns 1 (OK) or 2 (Cancel). An empty slot makes the entry point return 0.
#pragma once

#include "framework/dialogs/DialogCalls.h"

#include <functional>

namespace ov {

template <typename Call>
using DialogFactory = std::function<int(Call&)>;

struct DialogRegistry {
    DialogFactory<ChartSheetCall> xyChart, pieChart, surface, numberAxis;
    DialogFactory<PathsCall> clipPath, pointsAlongPaths;
    DialogFactory<TimeSeriesCall> timeSeries;
    DialogFactory<AnimationCall> generateAnimation;
    DialogFactory<SystemPropsCall> systemProps;
    DialogFactory<SetStringsCall> setStrings;
    DialogFactory<FloodFillCall> floodFill;
    DialogFactory<MagnetsCall> magnets;
};

// The registry the entry points use; the library's own dialogs are registered on first use.
DialogRegistry& Dialogs();

// Registers the dialogs the library ships. Called once by the entry points.
void RegisterBuiltinDialogs(DialogRegistry& registry);

}  // namespace ov
