// PieChartSheet: the one way in to the pie chart sheet for the dispatcher.
#pragma once

#include "framework/dialogs/DialogCalls.h"

namespace ov {

// Runs the sheet modally on the call's record copy, editing the slices of the host list in
// `call.context` in place: 1 for OK, 2 for Cancel.
int RunPieChartSheet(ChartSheetCall& call);

}  // namespace ov
