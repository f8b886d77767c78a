// RegKeyHandle: typed reads and writes on one key of the settings store with the registry's size
// rules, and the UTF-8/UTF-16 conversions used between store strings and paths.
#include "framework/settings/RegKeyHandle.h"

#include "framework/settings/RegistryStore.h"

namespace ov {
namespace {

constexpr size_t kReadBufferBytes = 256;  // strings longer than this read as missing
constexpr size_t kMaxWrittenChars = 260;  // longer strings are cut before writing
constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Decodes one code point at `at` and moves past it; malformed input gives U+FFFD for one byte.
char32_t DecodeUtf8(std::string_view text, size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead < 0x80           ? 1
                          : (lead >> 5) == 0x6  ? 2
                          : (lead >> 4) == 0xE  ? 3
                          : (lead >> 3) == 0x1E ? 4
                                                : 0;
    if (length == 1) return text[at++] & 0x7F;
    if (length == 0 || at + length > text.size()) {
        ++at;
        return kReplacement;
    }
    char32_t code = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return kReplacement;
        }
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};  // shorter forms are overlong
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++at;
        return kReplacement;
    }
    at += length;
    return code;
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

RegKeyHandle::RegKeyHandle(std::string_view path)
{
    Open(path);
}

RegKeyHandle::~RegKeyHandle()
{
    Close();
}

bool RegKeyHandle::Open(std::string_view path)
{
    opened_ = RegistryStore::Instance().CreateKey(path);
    path_ = opened_ ? std::string(path) : std::string();
    return opened_;
}

void RegKeyHandle::Close()
{
    opened_ = false;
    path_.clear();
}

uint32_t RegKeyHandle::ReadDword(std::string_view name, uint32_t fallback, bool* stored) const
{
    if (stored != nullptr) *stored = false;
    if (!opened_) return fallback;
    const std::optional<RegValue> value = RegistryStore::Instance().ReadValue(path_, name);
    if (!value || value->type != kRegDword || value->data.size() != 4) return fallback;
    if (stored != nullptr) *stored = true;
    return DwordFromBytes(value->data);
}

bool RegKeyHandle::ReadFlag(std::string_view name, bool fallback) const
{
    bool stored = false;
    const uint32_t value = ReadDword(name, 0, &stored);
    return stored ? value != 0 : fallback;
}

std::u16string RegKeyHandle::ReadString(std::string_view name, std::u16string_view fallback) const
{
    if (!opened_) return std::u16string(fallback);
    const std::optional<RegValue> value = RegistryStore::Instance().ReadValue(path_, name);
    if (!value || value->type != kRegSz || value->data.size() > kReadBufferBytes) {
        return std::u16string(fallback);
    }
    return SzText(value->data);  // a stored value need not carry its terminator
}

void RegKeyHandle::WriteDword(std::string_view name, uint32_t value)
{
    if (opened_)
        RegistryStore::Instance().WriteValue(path_, {std::string(name), kRegDword, DwordBytes(value)});
}

bool RegKeyHandle::WriteString(std::string_view name, std::u16string_view text)
{
    if (!opened_) return false;
    if (text.size() > kMaxWrittenChars) {
        text = text.substr(0, kMaxWrittenChars);
        // Never keep half of a surrogate pair: it would not convert back to UTF-8.
        if (IsHighSurrogate(text.back())) text.remove_suffix(1);
    }
    return RegistryStore::Instance().WriteValue(path_, {std::string(name), kRegSz, SzBytes(text)});
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const char32_t code = DecodeUtf8(text, at);
        if (code < 0x10000) {
            out += static_cast<char16_t>(code);
        } else {
            out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            AppendUtf8(out, IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacement : unit);
        }
    }
    return out;
}

}  // namespace ov
