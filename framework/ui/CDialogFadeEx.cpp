// The fading pop-up base.
#include "framework/ui/CDialogFadeEx.h"
#include "framework/ui/GuardedHandler.h"

namespace ov {

// A tool-tip window is the one kind that no platform (X11, Wayland, offscreen) activates on show,
// which is what a pop-up beside the pointer needs.
CDialogFadeEx::CDialogFadeEx(QWidget* parent)
    : QDialog(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    timer_.setInterval(kFadeIntervalMs);
    connect(&timer_, &QTimer::timeout, this, Guarded(this, &CDialogFadeEx::AdvanceFade));
    SetAlpha(1);  // all but invisible until the fade starts, so an early show does not flash
}

void CDialogFadeEx::FadeIn(const QRect& screenRect)
{
    fadeStep_ = 0;
    SetAlpha(kFadeAlphaTable[0]);
    show();
    setGeometry(screenRect);
    update();
    timer_.start();
}

void CDialogFadeEx::AdvanceFade()
{
    if (fadeStep_ >= static_cast<int>(kFadeAlphaTable.size()) - 1) {
        SetAlpha(255);
        timer_.stop();
        return;
    }
    ++fadeStep_;
    SetAlpha(kFadeAlphaTable[static_cast<std::size_t>(fadeStep_)]);
}

void CDialogFadeEx::SetAlpha(int alpha)
{
    alpha_ = alpha;
    setWindowOpacity(alpha / 255.0);
}

}  // namespace ov
