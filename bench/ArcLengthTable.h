// ArcLengthTable: a cubic's arc length as a cumulative table of 4-point Gauss–Legendre steps, the way
// division measured cubics before; the benchmark's accuracy reference and one of its rows.
#pragma once

#include "paths/Vec2.h"

#include <vector>

namespace ov {

inline constexpr int kArcLengthEntries = 4096;

// Entry i is the length from t = 0 to t = i / (n - 1); entry 0 is 0 and the last is the whole length.
std::vector<double> ArcLengthTable(const Cubic& c, int n = kArcLengthEntries);
// Parameter at length s: 0 for s <= 0 (or NaN), 1 at or past the end, else linear between entries.
double ParameterAtLength(const std::vector<double>& table, double s);

}  // namespace ov
