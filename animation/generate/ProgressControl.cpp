// ProgressControl: the three C functions over the progress bar.
#include "animation/generate/ProgressControl.h"

#include <QProgressBar>

namespace ov {
namespace {

QProgressBar* BarOf(OvProgressControl* control)
{
    return control ? static_cast<QProgressBar*>(control->qt_progress_bar) : nullptr;
}

}  // namespace

ProgressControl::ProgressControl(QProgressBar* bar) : bar_(bar)
{
    control_.library = this;
    control_.set_range = &SetRange;
    control_.set_position = &SetPosition;
    control_.step = &StepIt;
    control_.qt_progress_bar = bar;
}

void ProgressControl::Reset(int low, int high)
{
    SetRange(&control_, low, high);
}

void ProgressControl::Step()
{
    StepIt(&control_);
}

void ProgressControl::SetRange(OvProgressControl* control, int32_t low, int32_t high)
{
    if (QProgressBar* bar = BarOf(control)) {
        bar->setRange(low, high < low ? low : high);
        bar->setValue(low);
    }
}

void ProgressControl::SetPosition(OvProgressControl* control, int32_t position)
{
    if (QProgressBar* bar = BarOf(control)) bar->setValue(position);
}

void ProgressControl::StepIt(OvProgressControl* control)
{
    QProgressBar* bar = BarOf(control);
    if (!bar) return;
    const int next = bar->value() + 1;
    bar->setValue(next > bar->maximum() ? bar->minimum() : next);
}

}  // namespace ov
