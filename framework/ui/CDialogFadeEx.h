// CDialogFadeEx: base of the pop-ups that appear beside the pointer without taking the focus and fade
// in over about 90 ms, stepping the window opacity through a fixed alpha table every 10 ms.
#pragma once

#include <QDialog>
#include <QTimer>

#include <array>
#include <cstdint>

namespace ov {

// Opacity (0 transparent .. 255 opaque) of each fade step.
inline constexpr std::array<uint8_t, 9> kFadeAlphaTable = {5, 20, 40, 65, 95, 120, 160, 205, 255};
inline constexpr int kFadeIntervalMs = 10;

class CDialogFadeEx : public QDialog {
    Q_OBJECT
public:
    // Created hidden at opacity 1 (of 255), as a frameless window that is shown without activation.
    explicit CDialogFadeEx(QWidget* parent);

    // Shows the pop-up at a screen rectangle at opacity 5 and (re)starts the fade from step 0.
    void FadeIn(const QRect& screenRect);

    // One timer tick: the next step's opacity, or full opacity and the timer stopped after the last.
    void AdvanceFade();

    int FadeStep() const { return fadeStep_; }
    int FadeAlpha() const { return alpha_; }
    bool IsFading() const { return timer_.isActive(); }

private:
    void SetAlpha(int alpha);

    QTimer timer_;
    int fadeStep_ = 0;
    int alpha_ = 1;
};

}  // namespace ov
