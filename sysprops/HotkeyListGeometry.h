// HotkeyListGeometry: the rows of the hotkey page's command list: their height (at least half an
// inch, at least the tallest icon, stretched so whole rows fill the list), the row under a click and
// the range of the first visible row.
#pragma once

#include <optional>
#include <vector>

namespace ov {

struct HotkeyRows {
    double height = 0;    // pixels per row
    int visibleRows = 0;  // whole rows in the list area
};

// dpiY: the screen's vertical logical pixels per inch; iconHeights: the first icon-size value of each
// command; listHeight: the list area's height in pixels.
HotkeyRows LayOutHotkeyRows(int dpiY, const std::vector<int>& iconHeights, int listHeight);

// The command row under y (list area from listTop, listHeight high), counting from firstVisible;
// nothing outside the area or below the last command.
std::optional<int> RowAt(int y, int listTop, int listHeight, const HotkeyRows& rows, int firstVisible,
                         int commandCount);

// The first visible row kept within 0 ... commandCount - visibleRows.
int ClampFirstVisible(int firstVisible, int commandCount, int visibleRows);

}  // namespace ov
