// GuardedCopy: a SIGBUS handler, installed only while guarded reads run, that jumps back into the read
// running on the faulting thread; faults outside a guarded read go on to the host's own disposition,
// which is put back when the last guarded read ends.
#include "data/import/GuardedCopy.h"

#include <csetjmp>
#include <csignal>
#include <cstring>
#include <mutex>

namespace ov {
namespace {

thread_local sigjmp_buf* t_guard = nullptr;

// Written only under g_mutex while no guarded read runs; read by the handler while one does.
std::mutex g_mutex;
int g_holders = 0;
bool g_installed = false;  // set by the first holder
struct sigaction g_previous {};

void SetDisposition(int signal, void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    (void)sigaction(signal, &action, nullptr);  // nothing better to do in a handler if it fails
}

// What the host's own disposition would have done with the signal.
void ForwardToPrevious(int signal, siginfo_t* info, void* context)
{
    if ((g_previous.sa_flags & SA_SIGINFO) != 0) {
        if (g_previous.sa_sigaction != nullptr) g_previous.sa_sigaction(signal, info, context);
        return;
    }
    if (g_previous.sa_handler != SIG_DFL && g_previous.sa_handler != SIG_IGN) {
        g_previous.sa_handler(signal);
        return;
    }
    // A fault raised by the kernel cannot be ignored: like without a handler, the default action ends
    // the process when the faulting access runs again on return.
    const bool fault = info != nullptr && info->si_code > 0;
    if (g_previous.sa_handler == SIG_IGN && !fault) return;
    SetDisposition(signal, SIG_DFL);
    if (!fault) (void)std::raise(signal);
}

void OnBusError(int signal, siginfo_t* info, void* context)
{
    sigjmp_buf* guard = t_guard;
    if (guard != nullptr) siglongjmp(*guard, 1);
    ForwardToPrevious(signal, info, context);
}

bool IsOurs(const struct sigaction& action)
{
    return (action.sa_flags & SA_SIGINFO) != 0 && action.sa_sigaction == OnBusError;
}

bool InstallHandler()
{
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    return sigaction(SIGBUS, &action, &g_previous) == 0;
}

void RestorePrevious()
{
    struct sigaction current {};
    // A host that set its own handler while a read ran keeps it; otherwise its earlier one comes back.
    if (sigaction(SIGBUS, nullptr, &current) == 0 && IsOurs(current))
        (void)sigaction(SIGBUS, &g_previous, nullptr);
}

// Runs `work` with the guard armed. Kept out of line and handed only plain pointers, so that no
// object with a destructor lives between the jump and its target.
[[gnu::noinline]] bool RunArmed(bool installed, void (*work)(void*), void* argument)
{
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

bool RunGuardedRead(void (*work)(void*), void* argument)
{
    const BusErrorGuardScope scope;
    return RunArmed(scope.Installed(), work, argument);
}

}  // namespace

BusErrorGuardScope::BusErrorGuardScope()
{
    const std::lock_guard lock(g_mutex);
    if (g_holders++ == 0) g_installed = InstallHandler();
    installed_ = g_installed;
}

BusErrorGuardScope::~BusErrorGuardScope()
{
    const std::lock_guard lock(g_mutex);
    if (--g_holders == 0 && g_installed) RestorePrevious();
}

bool GuardedCopy(void* target, const void* source, std::size_t size)
{
    struct Args {
        void* target;
        const void* source;
        std::size_t size;
    } args{target, source, size};
    return RunGuardedRead(
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
    const bool ok = RunGuardedRead(
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
