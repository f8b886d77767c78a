// SystemProperties: the one way in to the system properties sheet for the dispatcher.
#pragma once

#include "framework/dialogs/DialogCalls.h"

namespace ov {

// Runs the sheet modally on the call's record copy; the hotkey page edits the host's table in place.
// 1 for OK, 2 for Cancel.
int RunSystemProperties(SystemPropsCall& call);

}  // namespace ov
