// PlainReading: the number reader's rules read the plain way, one byte at a time with strtod, as the
// reference that the tokenizer is held to by the tests and the fuzzer: after `skip` line feeds every
// run of token bytes is one value (strtod of its first 243 bytes) and a line feed ends a row when the
// line held a value. The row count is appended after the values.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "data/import/AsciiTokenizer.h"

namespace ov::testing {

inline std::vector<double> PlainReading(std::string_view text, uint64_t skip)
{
    std::size_t i = 0;
    for (; skip > 0 && i < text.size(); ++i) skip -= text[i] == '\n' ? 1 : 0;
    std::vector<double> values;
    double rows = 0;
    bool line_has_value = false;
    while (i < text.size()) {
        if (!IsTokenByte(static_cast<unsigned char>(text[i]))) {
            if (text[i] == '\n') {
                rows += line_has_value ? 1 : 0;
                line_has_value = false;
            }
            ++i;
            continue;
        }
        std::size_t n = 0;
        while (i + n < text.size() && IsTokenByte(static_cast<unsigned char>(text[i + n]))) ++n;
        const std::string token(text.substr(i, std::min(n, AsciiTokenizer::kMaxTokenChars)));
        values.push_back(std::strtod(token.c_str(), nullptr));
        line_has_value = true;
        i += n;
    }
    values.push_back(rows + (line_has_value ? 1 : 0));
    return values;
}

// The tokenizer's values and row count in the same form, the text fed in pieces cut at `cuts` (ascending).
inline std::vector<double> TokenizerReading(std::string_view text, uint64_t skip,
                                            const std::vector<std::size_t>& cuts)
{
    AsciiTokenizer tokenizer(skip);
    std::size_t from = 0;
    for (const std::size_t cut : cuts) {
        tokenizer.Feed(text.data() + from, cut - from);
        from = cut;
    }
    tokenizer.Feed(text.data() + from, text.size() - from);
    tokenizer.Finish();
    std::vector<double> values;
    tokenizer.Values().ForEach(UINT64_MAX, [&](double v) { values.push_back(v); });
    values.push_back(static_cast<double>(tokenizer.Rows()));
    return values;
}

}  // namespace ov::testing
