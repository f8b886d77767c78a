// GuardedCopy: a process-wide SIGBUS handler, installed once, that jumps back into the copy running
// on the faulting thread; faults outside a guarded copy go on to the handler that was there before.
#include "data/import/GuardedCopy.h"

#include <csetjmp>
#include <csignal>
#include <cstring>
#include <mutex>

namespace ov {
namespace {

thread_local sigjmp_buf* t_guard = nullptr;
struct sigaction g_previous {};

void ForwardToPrevious(int signal, siginfo_t* info, void* context)
{
    if ((g_previous.sa_flags & SA_SIGINFO) != 0 && g_previous.sa_sigaction != nullptr) {
        g_previous.sa_sigaction(signal, info, context);
        return;
    }
    if (g_previous.sa_handler != SIG_DFL && g_previous.sa_handler != SIG_IGN &&
        g_previous.sa_handler != nullptr) {
        g_previous.sa_handler(signal);
        return;
    }
    // Default action: restore it and let the faulting access happen again on return.
    std::signal(signal, SIG_DFL);
}

void OnBusError(int signal, siginfo_t* info, void* context)
{
    sigjmp_buf* guard = t_guard;
    if (guard != nullptr) siglongjmp(*guard, 1);
    ForwardToPrevious(signal, info, context);
}

bool InstallHandler()
{
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    return sigaction(SIGBUS, &action, &g_previous) == 0;
}

// Runs `work` with the guard armed. Kept out of line and handed only plain pointers, so that no
// object with a destructor lives between the jump and its target.
[[gnu::noinline]] bool RunGuarded(void (*work)(void*), void* argument)
{
    static std::once_flag once;
    static bool installed = false;
    std::call_once(once, [] { installed = InstallHandler(); });
    sigjmp_buf guard;
    if (sigsetjmp(guard, 1) != 0) {
        t_guard = nullptr;
        return false;
    }
    t_guard = installed ? &guard : nullptr;  // without a handler the work still runs, unguarded
    work(argument);
    t_guard = nullptr;
    return true;
}

}  // namespace

bool GuardedCopy(void* target, const void* source, std::size_t size)
{
    struct Args {
        void* target;
        const void* source;
        std::size_t size;
    } args{target, source, size};
    return RunGuarded(
        [](void* a) {
            auto* c = static_cast<Args*>(a);
            std::memcpy(c->target, c->source, c->size);
        },
        &args);
}

bool GuardedFind(const char* source, std::size_t size, char byte, std::size_t& offset)
{
    struct Args {
        const char* source;
        std::size_t size;
        char byte;
        std::size_t offset;
    } args{source, size, byte, size};
    const bool ok = RunGuarded(
        [](void* a) {
            auto* f = static_cast<Args*>(a);
            const void* hit = std::memchr(f->source, f->byte, f->size);
            if (hit != nullptr)
                f->offset = static_cast<std::size_t>(static_cast<const char*>(hit) - f->source);
        },
        &args);
    offset = args.offset;
    return ok;
}

}  // namespace ov
