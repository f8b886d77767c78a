// The column references of a formula: c1, c2, ... as typed, each standing for a column of the
// caller's table at the same row.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

struct ColumnReference {
    std::string name;   // "c" and the digits exactly as typed ("c01" stays "c01")
    int64_t index = 0;  // zero-based column
};

// Scans left to right: a lower-case "c" followed by at least one digit whose decimal value k is
// above 0 names column k - 1, unless that column was named already. Upper-case "C" is not a
// reference. Huge numbers saturate, so they fail the column check instead of wrapping.
std::vector<ColumnReference> ScanColumnReferences(std::u16string_view formula);

}  // namespace ov
