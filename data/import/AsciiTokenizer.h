// AsciiTokenizer: cuts a stream of bytes, fed in blocks, into number tokens and counts the lines that
// held at least one value. Its state carries across blocks, so any cut of the input gives the same
// values and rows as the whole.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "data/import/ValueStore.h"
#include "data/import/WindowScan.h"

namespace ov {

class AsciiTokenizer {
public:
    // Longest run of number characters that is converted; the rest of a longer run is ignored.
    static constexpr std::size_t kMaxTokenChars = 243;

    // `skip_lines` line feeds are passed over before the first byte is read.
    explicit AsciiTokenizer(uint64_t skip_lines = 0) : skip_lines_(skip_lines) {}

    void Feed(const char* data, std::size_t size);
    // Converts a pending token and counts a last line without line feed.
    void Finish();

    uint64_t Rows() const { return rows_; }
    const COvValueStore& Values() const { return values_; }
    COvValueStore& Values() { return values_; }

private:
    std::size_t Skip(const char* data, std::size_t size);
    std::size_t ContinuePending(const char* data, std::size_t size);
    void Scan(const char* data, std::size_t size);
    // Byte by byte from p until `stop` is passed outside a token; a token may run on up to `end`.
    const char* ScanBytes(const char* p, const char* stop, const char* end, uint64_t& rows,
                          bool& line_has_value);
    // Converts the token at `start` and passes over the rest of its run; sets `pending_` when the run
    // reaches `end`.
    const char* ScanToken(const char* start, const char* end, bool& line_has_value);
    void EmitValue(const char* token, std::size_t length);

    WindowScanFn window_scan_ = ActiveWindowScan();
    COvValueStore values_;
    uint64_t rows_ = 0;
    uint64_t skip_lines_ = 0;
    bool line_has_value_ = false;
    // A token cut by the end of a block: its first characters, and its full length so far.
    std::array<char, kMaxTokenChars + 1> pending_text_{};
    std::size_t pending_length_ = 0;
    bool pending_ = false;
};

// Whether a byte belongs to a number token: 0-9 + - . e E.
bool IsTokenByte(unsigned char byte);

}  // namespace ov
