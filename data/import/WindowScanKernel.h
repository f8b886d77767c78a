// WindowScanKernel: the tokenizer's inner loop over whole 64-byte windows, with its two pieces
// TokenWindow.h (classification, line counting) and KnownLengthAtof.h (conversion). WindowScan.cpp
// includes it once per instruction set, each time in its own namespace OV_WINDOW_KERNEL and with
// OV_WINDOW_KERNEL_AVX2 saying whether AVX2 may be used, so no function is shared between the
// kernels. No include guard on purpose.

#include "data/import/KnownLengthAtof.h"
#include "data/import/TokenWindow.h"

namespace ov::OV_WINDOW_KERNEL {

// Hands the value of each token that starts at a bit of `starts` to `out`, in order.
template <typename Out>
[[gnu::always_inline]] inline void ConvertWindowTokens(const char* p, uint64_t starts, const TokenWindow& w,
                                                       Out out)
{
    const uint64_t non_digits = w.token & ~w.digit;
    for (; starts != 0; starts &= starts - 1) {
        const int i = __builtin_ctzll(starts);
        const int length = __builtin_ctzll(~(w.token >> i));
        const char* token = p + i;
        double value = 0.0;
        if (!Convert(token, length, (non_digits >> i) & ((uint64_t{1} << length) - 1), value))
            value = window_scan_detail::ConvertGeneral(token, length);
        out(value);
    }
}

// The tokens and lines of the 64 bytes at p, up to the start of a token the window cuts; returns the
// bytes used (0 when one token fills the window). The 16 bytes before p must be readable.
[[gnu::always_inline]] inline std::size_t ScanWindow(const char* p, COvValueStore& values, uint64_t& rows,
                                                     bool& line_has_value)
{
    const TokenWindow w = ClassifyWindow(p);
    // p never points into a token, so a token byte at bit 0 starts one.
    uint64_t starts = w.token & ~(w.token << 1);
    std::size_t used = TokenWindow::kBytes;
    if ((w.token >> 63) != 0) {
        // The last token may go on past the window: stop in front of it.
        used = static_cast<std::size_t>(63 - __builtin_clzll(starts));
        if (used == 0) return 0;
        starts &= (uint64_t{1} << used) - 1;
    }
    rows += CountValueLines(starts, w.line_feed, used, line_has_value);
    // A window holds at most 32 tokens; with that much room the values go straight into the store.
    std::size_t room = 0;
    double* const first = values.Room(room);
    if (room >= TokenWindow::kBytes / 2) {
        double* out = first;
        ConvertWindowTokens(p, starts, w, [&out](double value) { *out++ = value; });
        values.Commit(static_cast<std::size_t>(out - first));
    } else {
        ConvertWindowTokens(p, starts, w, [&values](double value) { values.Append(value); });
    }
    return used;
}

inline const char* ScanWindows(const char* p, const char* end, COvValueStore& values, uint64_t& rows,
                               bool& line_has_value)
{
    while (static_cast<std::size_t>(end - p) >= TokenWindow::kBytes) {
        const std::size_t used = ScanWindow(p, values, rows, line_has_value);
        if (used == 0) break;
        p += used;
    }
    return p;
}

}  // namespace ov::OV_WINDOW_KERNEL
