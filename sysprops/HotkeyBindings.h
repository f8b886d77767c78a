// HotkeyBindings: which keys of the host's hotkey table a command is bound to, the text that lists
// them ("Ctrl+A  Alt+F2") and clearing bindings. A command is named by its three words; a slot whose
// words all equal them holds that command.
#pragma once

#include <ornivex/sysprops.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ov {

struct CommandWords {
    uint32_t word1 = 0;
    uint32_t word2 = 0;
    uint16_t word3 = 0;
    bool operator==(const CommandWords&) const = default;
};

CommandWords WordsOf(const HotkeyCommand& command);

// The modifier prefix of a group ("" for group 0, "Ctrl+" for 1, ...); "" outside 0 to 6.
const char16_t* ModifierPrefix(int group);

// For each group in order, the group's prefix and the name of the first key bound to the command,
// joined by two spaces. keyNames[k] is the name of key k (missing names are empty). A command whose
// words are all zero names the unbound slots and so has no keys.
std::u16string KeyCombinationText(const HotkeyTable& table, const CommandWords& command,
                                  const std::vector<std::u16string>& keyNames);

// Unbinds every key of every group that holds the command.
void ClearCommandKeys(HotkeyTable& table, const CommandWords& command);

// Unbinds every key of every group; the host's leading bytes stay as they are.
void ClearAllKeys(HotkeyTable& table);

}  // namespace ov
