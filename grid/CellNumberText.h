// CellNumberText: how a number-backed cell shows its value and how cell text reads back as a number.
#pragma once

#include <string>
#include <string_view>

namespace ov {

// "%.10lf" with trailing zeros and then a trailing point removed ("2.5", "3", "-0.1", "0" for 1e-12),
// always with a '.' whatever the process locale.
std::string FormatCellNumber(double value);

// The longest valid number at the start of the text after its leading white space, 0 when there is
// none (what strtod reads in the "C" locale).
double ParseCellNumber(std::string_view text);

// The value a number comes back as after passing through its shown text.
double RoundTripCellNumber(double value);

}  // namespace ov
