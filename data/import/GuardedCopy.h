// GuardedCopy: reads bytes of a mapped file view (copy, search) and reports a fault instead of dying when the
// file was cut short by another process while mapped (the kernel then raises SIGBUS on the lost pages).
// The library's SIGBUS handler is in place only while a guarded read runs: the host's own comes back
// after it, so nothing of the library is left behind in the process's signal table.
#pragma once
#include <cstddef>

namespace ov {

// Keeps the library's SIGBUS handler installed for its lifetime. Holders on any thread share one
// installation; when the last goes, the disposition the process had before (a handler, SIG_DFL or
// SIG_IGN) is restored. A reader holds one around a whole file so its many blocks install it once.
class BusErrorGuardScope {
public:
    BusErrorGuardScope();
    ~BusErrorGuardScope();
    BusErrorGuardScope(const BusErrorGuardScope&) = delete;
    BusErrorGuardScope& operator=(const BusErrorGuardScope&) = delete;

    bool Installed() const { return installed_; }

private:
    bool installed_ = false;
};

// Copies `size` bytes from `source` (typically a mapped view) to `target`. False when reading the
// source raised SIGBUS; `target` then holds an unspecified prefix. Safe to call from several threads.
bool GuardedCopy(void* target, const void* source, std::size_t size);

// Sets `offset` to the index of the first `byte` in `source`, or to `size` when there is none. False
// when reading the source raised SIGBUS.
bool GuardedFind(const char* source, std::size_t size, char byte, std::size_t& offset);

}  // namespace ov
