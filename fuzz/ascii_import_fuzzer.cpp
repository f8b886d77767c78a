// Fuzz target of the ASCII import parsers: the token conversion (bit-equal to strtod), the number
// reader over bytes (the same values however the bytes are cut into blocks, and the same as a plain
// byte loop with strtod), the preview line splitter and the title splitter.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "data/import/AsciiMatrix.h"
#include "data/import/AsciiTokenizer.h"
#include "data/import/PreviewLines.h"
#include "data/import/TitleLine.h"
#include "data/import/WindowScan.h"
#include "data/numbers/AtofPrefix.h"
#include "tests/data/PlainReading.h"

namespace {

bool SameBits(const std::vector<double>& a, const std::vector<double>& b)
{
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

// The leading run of token characters converts exactly as strtod does (the process runs in "C").
void CheckConversion(std::string_view text)
{
    std::size_t n = 0;
    while (n < text.size() && n < 64 && ov::IsTokenByte(static_cast<unsigned char>(text[n]))) ++n;
    const std::string token(text.substr(0, n));
    const double got = ov::AtofPrefix(token.data(), token.size());
    const double expected = std::strtod(token.c_str(), nullptr);
    if (std::memcmp(&got, &expected, sizeof got) != 0) std::abort();
}

void CheckReader(std::string_view text, uint64_t skip, int32_t forced)
{
    const auto matrix = ov::ReadAsciiMatrixFromBytes(text, static_cast<int64_t>(skip), forced);
    if (matrix && (matrix->cols < 1 || matrix->rows < 2)) std::abort();
    const std::size_t cut = text.empty() ? 0 : (skip * 7919) % (text.size() + 1);
    const std::vector<double> whole = ov::testing::TokenizerReading(text, skip, {});
    if (!SameBits(whole, ov::testing::TokenizerReading(text, skip, {cut})) ||
        !SameBits(whole, ov::testing::PlainReading(text, skip)))
        std::abort();
}

void CheckSplitters(std::string_view text)
{
    std::vector<std::string> lines;
    if (ov::SplitPreviewLines(text, ov::kPreviewLineLimit, lines) == text.empty()) std::abort();
    for (const std::string& line : lines) {
        for (const std::string& title : ov::SplitTitleLine(line)) {
            if (title.empty() || title.find_first_of(",;\t") != std::string::npos) std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    const uint64_t skip = data[0] % 4;
    // Both window-scan variants see the inputs (the baseline one also on processors with AVX2).
    ov::UseBaselineWindowScanForTesting((data[0] & 0x80) != 0);
    const int32_t forced = static_cast<int32_t>(data[1] % 6) - 1;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    CheckConversion(text);
    CheckReader(text, skip, forced);
    CheckSplitters(text);
    return 0;
}
