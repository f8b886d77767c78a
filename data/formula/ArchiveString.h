// Strings in the archive format of the history files: an optional UTF-16 marker, a length in one
// of three widths and the characters; plus the little-endian integers around them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ov {

// Appends 0xFF 0xFFFE (the UTF-16 marker), the length (one byte below 255; 0xFF and 16 bits below
// 0xFFFE; else 0xFF, 0xFFFF and 32 bits) and the characters in UTF-16LE.
void WriteArchiveString(std::vector<uint8_t>& out, std::u16string_view text);
void WriteArchiveInt32(std::vector<uint8_t>& out, int32_t value);

// Reads from a byte span, advancing a position; every read fails cleanly at the end of the data.
class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    std::optional<int32_t> ReadInt32();
    // Without the marker the characters are 8-bit and are widened one to one. A length that runs
    // past the end of the data fails before anything is allocated.
    std::optional<std::u16string> ReadString();
    size_t Remaining() const { return bytes_.size() - pos_; }

private:
    std::optional<uint8_t> ReadU8();
    std::optional<uint16_t> ReadU16();
    std::optional<uint32_t> ReadU32();

    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

}  // namespace ov
