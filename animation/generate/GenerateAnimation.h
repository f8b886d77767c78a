// GenerateAnimation: what the entry point needs of the Generate Animation dialog.
#pragma once

#include <ornivex/hostwindow.h>

class QWidget;

namespace ov {

// Runs CDlgGenAnimation modally; `hostWindow` renders the frames. The dialog has no result.
void RunGenerateAnimationDialog(QWidget* parent, OvHostWindow* hostWindow);

}  // namespace ov
