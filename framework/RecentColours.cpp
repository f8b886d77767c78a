// The recent-colour list operation.
#include "host/RecentColours.h"

#include <algorithm>

namespace ov {

void AddRecentColour(RecentColourList& list, uint32_t argb)
{
    auto found = std::find(list.begin(), list.end(), argb);
    // Shift everything before the old occurrence (or the whole list, dropping the last) one place on.
    auto end = found == list.end() ? list.end() - 1 : found;
    std::move_backward(list.begin(), end, end + 1);
    list.front() = argb;
}

}  // namespace ov
