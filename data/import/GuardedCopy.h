// GuardedCopy: reads bytes of a mapped file view (copy, search) and reports a fault instead of dying when the
// file was cut short by another process while mapped (the kernel then raises SIGBUS on the lost pages).
#pragma once
#include <cstddef>

namespace ov {

// Copies `size` bytes from `source` (typically a mapped view) to `target`. False when reading the
// source raised SIGBUS; `target` then holds an unspecified prefix. Safe to call from several threads.
bool GuardedCopy(void* target, const void* source, std::size_t size);

// Sets `offset` to the index of the first `byte` in `source`, or to `size` when there is none. False
// when reading the source raised SIGBUS.
bool GuardedFind(const char* source, std::size_t size, char byte, std::size_t& offset);

}  // namespace ov
