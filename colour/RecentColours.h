// RecentColours: the sixteen most recently picked ARGB colours, most recent first. One list serves
// the whole library (the application object and every colour picker share it); it is kept in the
// settings store between runs as "latest_clr_0" .. "latest_clr_15".
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ov {

using RecentColourList = std::array<uint32_t, 16>;

// The list the library starts with: every cell opaque black.
constexpr uint32_t kEmptyRecentColour = 0xFF000000u;

// Puts colour first, removes its earlier occurrence and keeps the others in order, cut to sixteen.
void AddRecentColour(RecentColourList& list, uint32_t argb);

// The library-wide list, all cells opaque black until something is read or added.
RecentColourList& SharedRecentColours();

// The key that holds the stored list and the value name of cell i ("latest_clr_<i>").
inline constexpr std::string_view kRecentColourKey = "Software\\Ornivex\\MP\\GPPSet";
std::string RecentColourValueName(int index);

// Reads the sixteen stored values; missing or malformed ones give opaque black.
void LoadRecentColours(RecentColourList& list);
// Writes the sixteen values; skipped when the key cannot be opened.
void SaveRecentColours(const RecentColourList& list);

}  // namespace ov
