// Evenly spaced values from a start to an end, as the formula dialog feeds its variables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ov {

// count values from start to end by repeated addition of (end - start) / (count - 1), so the last
// value carries the rounding of the additions; one value is just the start; count < 1 gives none.
std::vector<double> EvenlySpaced(double start, double end, int32_t count);

}  // namespace ov
