// CellNumberText: how a number-backed cell shows its value and how cell text reads back as a number.
#pragma once

#include <string>
#include <string_view>

namespace ov {

// "%.10lf" with trailing zeros and then a trailing point removed ("2.5", "3", "-0.1", "0" for 1e-12),
// always with a '.' whatever the process locale.
std::string FormatCellNumber(double value);

// "%g": six significant digits, trailing zeros dropped, an exponent outside 1e-4 … 1e6 ("1e+06",
// "1.5e-05", "inf", "nan"), always with a '.' whatever the process locale.
std::string FormatGeneralCellNumber(double value);

// ParseCellNumber, and also the words FormatGeneralCellNumber writes for the values that are no finite
// number: "inf" and "nan" (any case, after white space and a sign, "infinity" too), so every text a
// "%g" cell shows reads back as the value it shows.
double ParseGeneralCellNumber(std::string_view text);

// The longest valid number at the start of the text after its leading white space, 0 when there is
// none (what strtod reads in the "C" locale).
double ParseCellNumber(std::string_view text);

// The value a number comes back as after passing through its shown text.
double RoundTripCellNumber(double value);

}  // namespace ov
