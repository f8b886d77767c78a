// ProgressControl: the C progress control handed to the host with the render request, driving a
// QProgressBar.
#pragma once

#include <ornivex/animation.h>

class QProgressBar;

namespace ov {

class ProgressControl {
public:
    explicit ProgressControl(QProgressBar* bar);
    ProgressControl(const ProgressControl&) = delete;
    ProgressControl& operator=(const ProgressControl&) = delete;

    OvProgressControl* get() { return &control_; }
    // Range low ... high, position low; the step stays 1.
    void Reset(int low, int high);
    void Step();

private:
    static void SetRange(OvProgressControl* control, int32_t low, int32_t high);
    static void SetPosition(OvProgressControl* control, int32_t position);
    static void StepIt(OvProgressControl* control);

    QProgressBar* bar_;
    OvProgressControl control_{};
};

}  // namespace ov
