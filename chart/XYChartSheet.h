// XYChartSheet: the one way in to the "Glyph Properties" sheet of X-Y-family charts for the dispatcher.
#pragma once

#include "framework/dialogs/DialogCalls.h"

namespace ov {

// Runs the sheet modally on the call's record copy: 1 for OK, 2 for Cancel.
int RunXYChartSheet(ChartSheetCall& call);

}  // namespace ov
