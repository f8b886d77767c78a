// HotkeyListGeometry: row height, hit testing and scrolling of the hotkey list.
#include "sysprops/HotkeyListGeometry.h"

#include <algorithm>

namespace ov {

HotkeyRows LayOutHotkeyRows(int dpiY, const std::vector<int>& iconHeights, int listHeight)
{
    int height = std::max(dpiY / 2, 1);
    for (int icon : iconHeights) height = std::max(height, icon);
    HotkeyRows rows;
    rows.visibleRows = std::max(listHeight, 0) / height;
    rows.height = rows.visibleRows > 0 ? static_cast<double>(listHeight) / rows.visibleRows : height;
    return rows;
}

std::optional<int> RowAt(int y, int listTop, int listHeight, const HotkeyRows& rows, int firstVisible,
                         int commandCount)
{
    if (y < listTop || y >= listTop + listHeight || rows.height <= 0) return std::nullopt;
    const int row = static_cast<int>((y - listTop) / rows.height) + firstVisible;
    if (row < 0 || row >= commandCount) return std::nullopt;
    return row;
}

int ClampFirstVisible(int firstVisible, int commandCount, int visibleRows)
{
    return std::clamp(firstVisible, 0, std::max(commandCount - visibleRows, 0));
}

}  // namespace ov
