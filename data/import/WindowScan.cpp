// WindowScan: builds the window-scan kernel twice, for the SSE2 baseline and (on x86-64) for AVX2,
// and picks one by what the processor reports. The AVX2 kernel is compiled under a target pragma, so
// only its own functions use AVX2; everything it calls from elsewhere stays baseline code.
#include "data/import/WindowScan.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "data/numbers/AtofFastPath.h"
#include "data/numbers/AtofPrefix.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace ov {
namespace window_scan_detail {

double ConvertGeneral(const char* token, int length)
{
    double value = 0.0;
    const char* parsed = token;
    if (!atof_fast::FastPath(token, token + length, value, parsed))
        ParseAtofPrefix(token, token + length, value);
    return value;
}

}  // namespace window_scan_detail
}  // namespace ov

#define OV_WINDOW_KERNEL baseline_kernel
#define OV_WINDOW_KERNEL_AVX2 0
#include "data/import/WindowScanKernel.h"
#undef OV_WINDOW_KERNEL
#undef OV_WINDOW_KERNEL_AVX2

#if defined(__x86_64__)
#define OV_HAVE_AVX2_KERNEL 1
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2,popcnt"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,popcnt")
#endif
#define OV_WINDOW_KERNEL avx2_kernel
#define OV_WINDOW_KERNEL_AVX2 1
#include "data/import/WindowScanKernel.h"
#undef OV_WINDOW_KERNEL
#undef OV_WINDOW_KERNEL_AVX2
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
#endif

namespace ov {
namespace {

std::atomic<bool> g_baseline_for_testing{false};

WindowScanFn BestWindowScan()
{
#if defined(OV_HAVE_AVX2_KERNEL)
    static const bool avx2 = [] {
        __builtin_cpu_init();  // in case this runs before the library's constructors
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
    }();
    if (avx2) return &avx2_kernel::ScanWindows;
#endif
    return &baseline_kernel::ScanWindows;
}

}  // namespace

WindowScanFn ActiveWindowScan()
{
    return g_baseline_for_testing ? &baseline_kernel::ScanWindows : BestWindowScan();
}

void UseBaselineWindowScanForTesting(bool baseline)
{
    g_baseline_for_testing = baseline;
}

}  // namespace ov
