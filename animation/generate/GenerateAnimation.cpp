// GenerateAnimation: the dialog run of code 0x100.
#include "animation/generate/GenerateAnimation.h"

#include "animation/generate/CDlgGenAnimation.h"

namespace ov {

void RunGenerateAnimationDialog(QWidget* parent, OvHostWindow* hostWindow)
{
    CDlgGenAnimation dialog(parent, hostWindow);
    dialog.exec();
}

}  // namespace ov
