// HotkeyBindings: lookups and edits over the slots of the hotkey table.
#include "sysprops/HotkeyBindings.h"

#include <array>

namespace ov {
namespace {

constexpr std::array<const char16_t*, OV_HOTKEY_GROUPS> kPrefixes = {
    u"", u"Ctrl+", u"Ctrl+Shift+", u"Ctrl+Shift+Alt+", u"Ctrl+Alt+", u"Alt+", u"Alt+Shift+",
};

CommandWords WordsOf(const HotkeySlot& slot)
{
    return {slot.command1, slot.command2, slot.command3};
}

bool IsUnbound(const CommandWords& words)
{
    return words == CommandWords{};
}

}  // namespace

CommandWords WordsOf(const HotkeyCommand& command)
{
    return {command.command1, command.command2, command.command3};
}

const char16_t* ModifierPrefix(int group)
{
    return group >= 0 && group < OV_HOTKEY_GROUPS ? kPrefixes[static_cast<std::size_t>(group)] : u"";
}

std::u16string KeyCombinationText(const HotkeyTable& table, const CommandWords& command,
                                  const std::vector<std::u16string>& keyNames)
{
    std::u16string text;
    if (IsUnbound(command)) return text;
    for (int group = 0; group < OV_HOTKEY_GROUPS; ++group) {
        for (int key = 0; key < OV_HOTKEY_KEYS; ++key) {
            if (!(WordsOf(table.slots[group][key]) == command)) continue;
            if (!text.empty()) text += u"  ";
            text += ModifierPrefix(group);
            if (static_cast<std::size_t>(key) < keyNames.size())
                text += keyNames[static_cast<std::size_t>(key)];
            break;  // the first key of each group only
        }
    }
    return text;
}

void ClearCommandKeys(HotkeyTable& table, const CommandWords& command)
{
    for (auto& group : table.slots)
        for (HotkeySlot& slot : group)
            if (WordsOf(slot) == command) slot = HotkeySlot{};
}

void ClearAllKeys(HotkeyTable& table)
{
    for (auto& group : table.slots)
        for (HotkeySlot& slot : group) slot = HotkeySlot{};
}

}  // namespace ov
