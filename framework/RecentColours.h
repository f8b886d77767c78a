// RecentColours: the sixteen most recently picked ARGB colours, most recent first.
#pragma once

#include <array>
#include <cstdint>

namespace ov {

using RecentColourList = std::array<uint32_t, 16>;

// The list the library starts with: every cell opaque black.
constexpr uint32_t kEmptyRecentColour = 0xFF000000u;

// Puts colour first, removes its earlier occurrence and keeps the others in order, cut to sixteen.
void AddRecentColour(RecentColourList& list, uint32_t argb);

}  // namespace ov
