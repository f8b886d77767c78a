// SetStrings: the one way in to the Set Strings prompt for the dispatcher and other dialogs.
#pragma once

#include "framework/prompt/SetStringsSetup.h"

class QWidget;

namespace ov {

// Runs the prompt modally; on OK returns 1 with values replaced by the collected ones, else 2.
int RunSetStrings(SetStringsSetup& setup, QWidget* parent);

}  // namespace ov
