// WindowScan: the tokenizer's loop over whole 64-byte windows, in the best variant this processor
// runs (AVX2, or the SSE2 baseline of x86-64; a portable loop elsewhere).
#pragma once
#include <cstdint>

#include "data/import/ValueStore.h"

namespace ov {

// Reads the tokens and lines of [p, end) window by window, from p (never inside a token, with 16
// readable bytes before it) while a whole window is left; stops at the start of a token that fills a
// window. Returns where it stopped. `rows` and `line_has_value` carry the line state.
using WindowScanFn = const char* (*)(const char* p, const char* end, COvValueStore& values, uint64_t& rows,
                                     bool& line_has_value);

// The variant for this processor, or the baseline while a test asks for it.
WindowScanFn ActiveWindowScan();

// Tests run the baseline on processors that have the faster variant too; false restores the choice.
void UseBaselineWindowScanForTesting(bool baseline);

namespace window_scan_detail {
// The general conversion, for token shapes the known-length one declines.
double ConvertGeneral(const char* token, int length);
}  // namespace window_scan_detail

}  // namespace ov
