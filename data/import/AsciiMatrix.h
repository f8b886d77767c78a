// ReadAsciiMatrix: the number reader of the ASCII import. It maps a text file in views, cuts it into
// number tokens and returns the values as a column-major matrix (column c, row r at c * rows + r).
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "data/import/MappedValues.h"

namespace ov {

struct AsciiMatrix {
    int32_t cols = 0;
    int32_t rows = 0;
    MappedValues values;  // cols * rows doubles, column-major

    double At(int32_t col, int32_t row) const { return values[static_cast<std::size_t>(col) * rows + row]; }
};

// The reader's arguments from the dialog's settings: lines to skip are the data start line less 1
// (not below 0); the forced column count is -1 with automatic detection, else at least 1.
int64_t SkipLinesForStartLine(int32_t data_start_line);
int32_t ForcedColumnsFor(bool auto_check, int32_t columns);

// Reads the file; nothing when it cannot be opened or mapped, holds no value or no row, or gives
// fewer than 1 column or 2 rows. forced_cols <= 0 detects the columns from the line count.
std::optional<AsciiMatrix> ReadAsciiMatrix(const std::string& path, int64_t skip_lines, int32_t forced_cols);

// The same rules over bytes already in memory (tests, fuzzing, callers holding the text).
std::optional<AsciiMatrix> ReadAsciiMatrixFromBytes(std::string_view bytes, int64_t skip_lines,
                                                    int32_t forced_cols);

// Files of at least this many bytes (after the skipped lines) are read by several threads; 0
// restores the default. Tests lower it to check that the split gives the same matrix.
void SetParallelThresholdForTesting(uint64_t bytes);

}  // namespace ov
