// GuardedHandler: runs slots and event handlers so that no exception ever reaches Qt's event loop.
// A failure ends as one message over the dialog, which stays open and usable.
#pragma once

#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

class QWidget;

namespace ov {

// Runs `body`. Anything it throws is caught and shown as one message over `owner`: the library's
// out-of-memory text, its file text with the path for filesystem and stream errors, else the error's
// own text. Returns false when `body` failed.
bool RunGuarded(QWidget* owner, const std::function<void()>& body) noexcept;

// Wraps a slot for QObject::connect, e.g. connect(button, &QPushButton::clicked, this, Guarded(this,
// [this] { OnOk(); })). The slot may take the signal's arguments or none.
template <typename F>
auto Guarded(QWidget* owner, F slot)
{
    return [owner, slot = std::move(slot)](auto&&... args) mutable {
        RunGuarded(owner, [&] {
            if constexpr (std::is_invocable_v<F&, decltype(args)...>)
                slot(std::forward<decltype(args)>(args)...);
            else
                slot();
        });
    };
}

// Fault injection for tests: the next guarded handler throws `fault` before its body runs.
void InjectHandlerFault(std::exception_ptr fault);

}  // namespace ov
