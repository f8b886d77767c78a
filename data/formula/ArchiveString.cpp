// Archive strings and integers, read and written byte by byte (little-endian on every host).
#include "data/formula/ArchiveString.h"

namespace ov {
namespace {

void PutU16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t v)
{
    PutU16(out, static_cast<uint16_t>(v & 0xFFFF));
    PutU16(out, static_cast<uint16_t>(v >> 16));
}

}  // namespace

void WriteArchiveInt32(std::vector<uint8_t>& out, int32_t value)
{
    PutU32(out, static_cast<uint32_t>(value));
}

void WriteArchiveString(std::vector<uint8_t>& out, std::u16string_view text)
{
    out.push_back(0xFF);
    PutU16(out, 0xFFFE);
    const size_t n = text.size();
    if (n < 0xFF) {
        out.push_back(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        out.push_back(0xFF);
        PutU16(out, static_cast<uint16_t>(n));
    } else {
        out.push_back(0xFF);
        PutU16(out, 0xFFFF);
        PutU32(out, static_cast<uint32_t>(n));
    }
    for (char16_t c : text) PutU16(out, static_cast<uint16_t>(c));
}

std::optional<uint8_t> ArchiveReader::ReadU8()
{
    if (Remaining() < 1) return std::nullopt;
    return bytes_[pos_++];
}

std::optional<uint16_t> ArchiveReader::ReadU16()
{
    if (Remaining() < 2) return std::nullopt;
    const auto v = static_cast<uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

std::optional<uint32_t> ArchiveReader::ReadU32()
{
    const auto lo = ReadU16();
    if (!lo) return std::nullopt;
    const auto hi = ReadU16();
    if (!hi) return std::nullopt;
    return static_cast<uint32_t>(*lo) | (static_cast<uint32_t>(*hi) << 16);
}

std::optional<int32_t> ArchiveReader::ReadInt32()
{
    const auto v = ReadU32();
    if (!v) return std::nullopt;
    return static_cast<int32_t>(*v);
}

std::optional<std::u16string> ArchiveReader::ReadString()
{
    size_t charSize = 1;
    auto b = ReadU8();
    if (!b) return std::nullopt;
    uint64_t length = *b;
    if (*b == 0xFF) {
        auto w = ReadU16();
        if (!w) return std::nullopt;
        if (*w == 0xFFFE) {  // UTF-16 marker; the length follows
            charSize = 2;
            b = ReadU8();
            if (!b) return std::nullopt;
            length = *b;
            if (*b == 0xFF) w = ReadU16();
        }
        if (length == 0xFF) {
            if (!w) return std::nullopt;
            length = *w;
            if (*w == 0xFFFF) {
                const auto d = ReadU32();
                if (!d || *d == 0xFFFFFFFFu) return std::nullopt;  // 64-bit lengths never occur here
                length = *d;
            }
        }
    }
    if (length > Remaining() / charSize) return std::nullopt;
    std::u16string text(static_cast<size_t>(length), u'\0');
    for (char16_t& c : text) c = static_cast<char16_t>(charSize == 2 ? *ReadU16() : *ReadU8());
    return text;
}

}  // namespace ov
