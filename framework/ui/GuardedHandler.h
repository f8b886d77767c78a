// GuardedHandler: runs slots and event handlers so that no exception ever reaches Qt's event loop.
// A failure ends as one message over the dialog, which stays open and usable.
#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

class QWidget;

namespace ov {

// Runs `body`. Anything it throws is caught and shown as one message over `owner`: the library's
// out-of-memory text, its file text with the path for filesystem and stream errors, else the error's
// own text. A failure while that message is up (a repaint under the box) is not shown again. Returns
// false when `body` failed.
bool RunGuarded(QWidget* owner, const std::function<void()>& body) noexcept;

namespace guarded_detail {

template <typename F, typename Args, std::size_t... I>
constexpr bool TakesLeading(std::index_sequence<I...>)
{
    return std::is_invocable_v<F&, std::tuple_element_t<I, Args>...>;
}

template <typename F, typename Args, std::size_t... I>
void CallLeading(F& slot, Args& args, std::index_sequence<I...>)
{
    // Each element is forwarded as it came: the tuple holds references, so nothing is moved twice.
    std::invoke(slot, std::forward<std::tuple_element_t<I, Args>>(std::get<I>(args))...);
}

// Calls `slot` with the longest leading run of the signal's arguments it takes, as Qt does.
template <std::size_t N, typename F, typename Args>
void CallWithLeading(F& slot, Args& args)
{
    if constexpr (TakesLeading<F, Args>(std::make_index_sequence<N>{}))
        CallLeading(slot, args, std::make_index_sequence<N>{});
    else if constexpr (N > 0)
        CallWithLeading<N - 1>(slot, args);
    else
        static_assert(N > 0, "the slot takes none of the signal's arguments");
}

// A member function of the owner as a plain callable that fails to match, rather than to compile, on
// arguments it does not take.
template <typename Owner, typename F>
auto AsCallable(Owner* owner, F slot)
{
    if constexpr (std::is_member_function_pointer_v<F>) {
        return [owner, slot](auto&&... args) -> decltype(std::invoke(slot, owner,
                                                                     std::forward<decltype(args)>(args)...)) {
            return std::invoke(slot, owner, std::forward<decltype(args)>(args)...);
        };
    } else {
        return slot;
    }
}

}  // namespace guarded_detail

// Wraps a slot for QObject::connect, e.g. connect(button, &QPushButton::clicked, this, Guarded(this,
// [this] { OnOk(); })) or Guarded(this, &CDlgX::OnOk). Like a plain slot, it may take the leading
// arguments of the signal or none.
template <typename Owner, typename F>
auto Guarded(Owner* owner, F slot)
{
    return [owner, call = guarded_detail::AsCallable(owner, std::move(slot))](auto&&... args) mutable {
        RunGuarded(owner, [&] {
            auto forwarded = std::forward_as_tuple(std::forward<decltype(args)>(args)...);
            guarded_detail::CallWithLeading<sizeof...(args)>(call, forwarded);
        });
    };
}

// Fault injection for tests: the next guarded handler throws `fault` before its body runs.
void InjectHandlerFault(std::exception_ptr fault);

}  // namespace ov
