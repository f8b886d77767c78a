// AtofPrefix: the value of a number token as the C runtime's atof gives it in the "C" locale: the
// longest valid prefix is converted, a token without a leading number gives 0.
#pragma once
#include <cstddef>

namespace ov {

// Converts the longest valid number at the start of [first, last) into `value` (0 when there is
// none) and returns the end of that prefix (`first` when there is none). Bit-identical to strtod in
// the "C" locale for text made of 0-9 + - . e E, whatever locale the process runs under.
const char* ParseAtofPrefix(const char* first, const char* last, double& value);

// The value of a whole token; `token` need not be terminated.
inline double AtofPrefix(const char* token, std::size_t length)
{
    double value = 0.0;
    ParseAtofPrefix(token, token + length, value);
    return value;
}

// ParseAtofPrefix after the leading white space (space, \t, \n, \v, \f, \r) that strtod skips, for
// text a user typed or pasted; returns `first` when no number follows the white space. The ASCII
// reader's tokens never start with white space and go through ParseAtofPrefix itself.
const char* ParseAtofPrefixAfterSpace(const char* first, const char* last, double& value);

// The value of a typed or pasted text, as strtod reads it in the "C" locale.
inline double AtofPrefixAfterSpace(const char* text, std::size_t length)
{
    double value = 0.0;
    ParseAtofPrefixAfterSpace(text, text + length, value);
    return value;
}

}  // namespace ov
