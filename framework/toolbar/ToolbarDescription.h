// ToolbarDescription: the buttons of a toolbar as its description file "icons/<name>.xml" lists them,
// and the entries of the overflow menu for the buttons that did not fit. No widgets here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

struct ToolbarButton {
    int32_t command = 0;
    int32_t kind = 1;  // kinds 2 and 5 are command buttons; the others separate groups
    int32_t enabled = 1;
    float size = 1.0f;  // relative width
    std::u16string title;
    std::u16string tooltip;
    bool hiddenInOverflow = false;
    std::string iconName;  // "icons/<name>.apx"; the disabled look is "<name>_gray"

    bool IsCommand() const { return kind == 2 || kind == 5; }
};

// Parses a description from memory; malformed text gives no buttons.
std::vector<ToolbarButton> ParseToolbarDescription(const void* data, std::size_t size,
                                                   std::u16string_view languageCode);

// Toolbar descriptions are a few KB; a longer file is not read.
inline constexpr std::size_t kMaxToolbarDescriptionBytes = 1 << 20;

// Reads <host folder>/icons/<name>.xml; a missing, malformed or unreadable file (a folder in its place,
// more than kMaxToolbarDescriptionBytes) gives no buttons.
std::vector<ToolbarButton> LoadToolbarDescription(std::string_view name, std::u16string_view languageCode);

// One line of the overflow menu: the hidden command button it stands for, or a separator.
struct OverflowEntry {
    bool separator = false;
    std::size_t button = 0;
};

// Hidden command buttons become items in order; other hidden buttons become separators, but only
// after at least one item and when more hidden buttons follow.
std::vector<OverflowEntry> BuildOverflowEntries(const std::vector<ToolbarButton>& buttons);

}  // namespace ov
