// AsciiTokenizer: whole 64-byte windows go to the window scan (bit masks, conversion of tokens of
// known length); the first and last bytes of a block go through a table-driven byte loop. Only a
// token cut by a block end is kept, in its own small buffer.
#include "data/import/AsciiTokenizer.h"

#include <algorithm>
#include <cstring>

#include "data/numbers/AtofFastPath.h"
#include "data/numbers/AtofPrefix.h"

namespace ov {
namespace {

constexpr std::ptrdiff_t kWindowBytes = 64;

// 1 for token bytes, 2 for the line feed, 0 for everything else.
struct ByteClasses {
    uint8_t table[256] = {};
    constexpr ByteClasses()
    {
        for (int c = '0'; c <= '9'; ++c) table[c] = 1;
        for (const char c : {'+', '-', '.', 'e', 'E'}) table[static_cast<unsigned char>(c)] = 1;
        table[static_cast<unsigned char>('\n')] = 2;
    }
};
constexpr ByteClasses kClasses;

inline uint8_t ClassOf(char c)
{
    return kClasses.table[static_cast<unsigned char>(c)];
}

}  // namespace

bool IsTokenByte(unsigned char byte)
{
    return kClasses.table[byte] == 1;
}

void AsciiTokenizer::Feed(const char* data, std::size_t size)
{
    std::size_t used = Skip(data, size);
    if (pending_) used += ContinuePending(data + used, size - used);
    Scan(data + used, size - used);
}

std::size_t AsciiTokenizer::Skip(const char* data, std::size_t size)
{
    std::size_t used = 0;
    while (skip_lines_ > 0 && used < size) {
        const void* lf = std::memchr(data + used, '\n', size - used);
        if (lf == nullptr) return size;
        used = static_cast<std::size_t>(static_cast<const char*>(lf) - data) + 1;
        --skip_lines_;
    }
    return used;
}

std::size_t AsciiTokenizer::ContinuePending(const char* data, std::size_t size)
{
    std::size_t i = 0;
    while (i < size && ClassOf(data[i]) == 1) ++i;
    const std::size_t room = kMaxTokenChars - std::min(pending_length_, kMaxTokenChars);
    std::memcpy(pending_text_.data() + std::min(pending_length_, kMaxTokenChars), data, std::min(i, room));
    pending_length_ += i;
    if (i == size) return size;  // the token goes on into the next block
    pending_ = false;
    EmitValue(pending_text_.data(), std::min(pending_length_, kMaxTokenChars));
    return i;
}

void AsciiTokenizer::Scan(const char* data, std::size_t size)
{
    const char* const end = data + size;
    // The row state lives in locals for the loops and goes back to the members on every way out.
    uint64_t rows = rows_;
    bool line_has_value = line_has_value_;
    // The windows need 16 bytes behind p (the conversion reads a token's digits backwards from its
    // end) and 64 ahead; the first and last bytes go one by one.
    const char* p = ScanBytes(data, data + std::min<std::size_t>(size, 16), end, rows, line_has_value);
    while (!pending_ && end - p >= kWindowBytes) {
        p = window_scan_(p, end, values_, rows, line_has_value);
        // Only a token longer than a window is read byte by byte.
        if (end - p >= kWindowBytes) p = ScanToken(p, end, line_has_value);
    }
    if (!pending_) ScanBytes(p, end, end, rows, line_has_value);
    rows_ = rows;
    line_has_value_ = line_has_value;
}

const char* AsciiTokenizer::ScanBytes(const char* p, const char* stop, const char* end, uint64_t& rows,
                                      bool& line_has_value)
{
    while (p < stop && !pending_) {
        const uint8_t cls = ClassOf(*p);
        if (cls == 1) {
            p = ScanToken(p, end, line_has_value);
            continue;
        }
        if (cls == 2) {
            rows += line_has_value ? 1 : 0;
            line_has_value = false;
        }
        ++p;
    }
    return p;
}

const char* AsciiTokenizer::ScanToken(const char* start, const char* end, bool& line_has_value)
{
    // Convert in place, then pass over any rest of the run ("1.2.3", "1e5e3").
    double value = 0.0;
    const char* parsed = start;
    if (!atof_fast::FastPath(start, end, value, parsed)) parsed = ParseAtofPrefix(start, end, value);
    const char* p = std::max(parsed, start);
    while (p < end && ClassOf(*p) == 1) ++p;
    const auto length = static_cast<std::size_t>(p - start);
    if (p == end) {
        pending_ = true;
        pending_length_ = length;
        std::memcpy(pending_text_.data(), start, std::min(length, kMaxTokenChars));
        return p;
    }
    if (length > kMaxTokenChars) [[unlikely]]
        value = AtofPrefix(start, kMaxTokenChars);
    values_.Append(value);
    line_has_value = true;
    return p;
}

void AsciiTokenizer::EmitValue(const char* token, std::size_t length)
{
    values_.Append(AtofPrefix(token, length));
    line_has_value_ = true;
}

void AsciiTokenizer::Finish()
{
    if (pending_) {
        pending_ = false;
        EmitValue(pending_text_.data(), std::min(pending_length_, kMaxTokenChars));
    }
    rows_ += line_has_value_ ? 1 : 0;
    line_has_value_ = false;
}

}  // namespace ov
