// SurfaceSheet: the one way in to the 3-D surface sheet for the dispatcher.
#pragma once

#include "framework/dialogs/DialogCalls.h"

namespace ov {

// Runs the sheet modally on the call's record copy and the surface grid in `call.element` (edited in
// place): 1 for OK, 2 for Cancel.
int RunSurfaceSheet(ChartSheetCall& call);

}  // namespace ov
