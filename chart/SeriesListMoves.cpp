// SeriesListMoves: the block is cut out and inserted among the unselected entries.
#include "chart/SeriesListMoves.h"

namespace ov {

std::vector<int> MovedOrder(const std::vector<bool>& selected, SeriesMove move)
{
    const int count = static_cast<int>(selected.size());
    std::vector<int> block;
    std::vector<int> others;
    for (int i = 0; i < count; ++i) (selected[i] ? block : others).push_back(i);
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) order[i] = i;
    if (block.empty()) return order;

    const int size = static_cast<int>(block.size());
    int start = 0;
    switch (move) {
    case SeriesMove::kUp:
        if (block.front() == 0) return order;
        start = block.front() - 1;
        break;
    case SeriesMove::kTop: start = 0; break;
    case SeriesMove::kDown:
        if (block.back() == count - 1) return order;
        start = block.back() + 2 - size;
        break;
    case SeriesMove::kBottom: start = count - size; break;
    }
    order.assign(others.begin(), others.begin() + start);
    order.insert(order.end(), block.begin(), block.end());
    order.insert(order.end(), others.begin() + start, others.end());
    return order;
}

}  // namespace ov
