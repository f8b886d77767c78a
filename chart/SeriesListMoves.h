// SeriesListMoves: the new order of a list when its selected entries move up, to the top, down or to
// the bottom as one block that keeps their order.
#pragma once

#include <vector>

namespace ov {

enum class SeriesMove { kUp, kTop, kDown, kBottom };

// Old positions in their new order. Up puts the block one place above the first selected entry, down
// ends it one place below the last selected one; neither moves anything when that entry is already
// first (last). Without a selection the order stays.
std::vector<int> MovedOrder(const std::vector<bool>& selected, SeriesMove move);

}  // namespace ov
