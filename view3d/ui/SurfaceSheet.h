// SurfaceSheet: the ways in to the 3-D surface sheet and its 3-D tool page for the composition root.
#pragma once

#include "framework/dialogs/DialogCalls.h"

namespace ov {

// Runs the sheet modally on the call's record copy and the surface grid in `call.element` (edited in
// place): 1 for OK, 2 for Cancel.
int RunSurfaceSheet(ChartSheetCall& call);

// Makes the 3-D tool page the one that every 3-D view tab (this sheet's and the X-Y sheet's for 3-D
// charts) builds beside its view.
void InstallSurfaceToolPage();

}  // namespace ov
