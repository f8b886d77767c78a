// The palette menu's entries.
#include "colour/PaletteMenu.h"

namespace ov {

namespace {

std::u16string Numbered(const std::u16string& word, int number)
{
    std::u16string text = word + u" ";
    for (char c : std::to_string(number)) text.push_back(static_cast<char16_t>(c));
    return text;
}

}  // namespace

std::vector<PaletteMenuEntry> BuildPaletteMenu(int builtInCount, bool hasUserPalette, int current,
                                               const PaletteMenuTexts& texts)
{
    std::vector<PaletteMenuEntry> entries;
    entries.reserve(static_cast<std::size_t>(builtInCount) + 4);
    for (int i = 0; i < builtInCount; ++i)
        entries.push_back({false, i == current, kPaletteCommandBase + i, Numbered(texts.paletteWord, i + 1)});
    if (hasUserPalette) {
        entries.push_back({true});
        entries.push_back(
            {false, current == builtInCount, kPaletteCommandBase + builtInCount, texts.userPalette});
    }
    entries.push_back({true});
    entries.push_back({false, false, kLoadUserPaletteCommand, texts.loadUserPalette});
    return entries;
}

int PaletteIndexOfCommand(int command, int paletteCount)
{
    const int index = command - kPaletteCommandBase;
    return index >= 0 && index < paletteCount ? index : -1;
}

}  // namespace ov
