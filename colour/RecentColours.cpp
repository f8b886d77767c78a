// The recent-colour list operation, the shared list and its storage.
#include "colour/RecentColours.h"

#include "framework/settings/RegKeyHandle.h"

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

RecentColourList& SharedRecentColours()
{
    static RecentColourList list = [] {
        RecentColourList initial{};
        initial.fill(kEmptyRecentColour);
        return initial;
    }();
    return list;
}

std::string RecentColourValueName(int index)
{
    return "latest_clr_" + std::to_string(index);
}

void LoadRecentColours(RecentColourList& list)
{
    RegKeyHandle key(kRecentColourKey);
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i] = key.ReadDword(RecentColourValueName(static_cast<int>(i)), kEmptyRecentColour);
}

void SaveRecentColours(const RecentColourList& list)
{
    RegKeyHandle key(kRecentColourKey);
    if (!key.IsOpen()) return;
    for (std::size_t i = 0; i < list.size(); ++i)
        key.WriteDword(RecentColourValueName(static_cast<int>(i)), list[i]);
}

}  // namespace ov
