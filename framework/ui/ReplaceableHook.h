// ReplaceableHook: one process-wide function that tests can swap for their own (message boxes, the
// document opener, file dialogs), with the previous one handed back so it can be restored.
#pragma once

#include <utility>

namespace ov {

template <typename Fn>
class ReplaceableHook {
public:
    // Installs fn and returns the previous function; an empty fn means "use the default".
    Fn Set(Fn fn)
    {
        Fn previous = std::move(fn_);
        fn_ = std::move(fn);
        return previous;
    }
    // A copy, so a hook may replace itself while it runs.
    Fn Get() const { return fn_; }

private:
    Fn fn_;
};

}  // namespace ov
