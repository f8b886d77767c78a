// Utf16Conversion: UTF-8 <-> UTF-16 for the places that move text between the store's UTF-16 strings,
// language files, paths and numbers formatted as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace ov {

// Malformed, overlong or out-of-range UTF-8 gives U+FFFD for each byte that cannot start a character.
std::u16string Utf8ToUtf16(std::string_view text);
// An unpaired surrogate gives U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace ov
