// PaletteMenu: the entries of the picker's palette menu and what a chosen command means. One entry
// per built-in palette ("<word> <n>", the current one ticked), the user palette after a separator
// when there is one, then a separator and the entry that loads a new user palette from a bitmap.
#pragma once

#include <string>
#include <vector>

namespace ov {

// Menu commands: palette i is kPaletteCommandBase + i.
constexpr int kPaletteCommandBase = 100;
constexpr int kLoadUserPaletteCommand = 99;

struct PaletteMenuTexts {
    std::u16string paletteWord;  // "Palette" in "Palette 3"
    std::u16string userPalette;
    std::u16string loadUserPalette;
};

struct PaletteMenuEntry {
    bool separator = false;
    bool ticked = false;
    int command = 0;
    std::u16string text;
};

std::vector<PaletteMenuEntry> BuildPaletteMenu(int builtInCount, bool hasUserPalette, int current,
                                               const PaletteMenuTexts& texts);

// The palette index a command selects, or -1 for any other command.
int PaletteIndexOfCommand(int command, int paletteCount);

}  // namespace ov
