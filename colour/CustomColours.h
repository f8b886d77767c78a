// CustomColours: the sixteen custom colours of the colour chooser, one set per group, stored as
// "G<group>C<i>" under "Software\Ornivex\MP\CDInit" in COLORREF form (0x00BBGGRR).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ov {

using CustomColourSet = std::array<uint32_t, 16>;

inline constexpr std::string_view kCustomColourKey = "Software\\Ornivex\\MP\\CDInit";

std::string CustomColourValueName(int group, int index);
// The colour a missing or malformed value gives: six preset colours, then black.
uint32_t DefaultCustomColour(int index);

CustomColourSet ReadCustomColours(int group);
// Writes all sixteen in one transaction, or none of them; false when the store refused.
bool WriteCustomColours(int group, const CustomColourSet& colours);

// COLORREF <-> opaque ARGB.
constexpr uint32_t ColorRefToArgb(uint32_t colorRef)
{
    return 0xFF000000u | ((colorRef & 0xFFu) << 16) | (colorRef & 0xFF00u) | ((colorRef >> 16) & 0xFFu);
}
constexpr uint32_t ArgbToColorRef(uint32_t argb)
{
    return ((argb & 0xFFu) << 16) | (argb & 0xFF00u) | ((argb >> 16) & 0xFFu);
}

}  // namespace ov
