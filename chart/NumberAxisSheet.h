// NumberAxisSheet: the one way in to the number axis sheet for the dispatcher.
#pragma once

#include "framework/dialogs/DialogCalls.h"

namespace ov {

// Runs the sheet modally on the call's record copy: 1 for OK, 2 for Cancel.
int RunNumberAxisSheet(ChartSheetCall& call);

}  // namespace ov
