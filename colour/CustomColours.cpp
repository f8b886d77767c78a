// Storage of the colour chooser's custom colours.
#include "colour/CustomColours.h"

#include "framework/settings/RegKeyHandle.h"
#include "framework/settings/RegistryStore.h"

#include <vector>

namespace ov {

namespace {
constexpr std::array<uint32_t, 6> kPresets = {0x0000F0, 0xF00000, 0xF000F0, 0x00A000, 0x2222B2, 0xB300B3};
}

std::string CustomColourValueName(int group, int index)
{
    return "G" + std::to_string(group) + "C" + std::to_string(index);
}

uint32_t DefaultCustomColour(int index)
{
    return index >= 0 && index < static_cast<int>(kPresets.size()) ? kPresets[static_cast<std::size_t>(index)]
                                                                   : 0;
}

CustomColourSet ReadCustomColours(int group)
{
    RegKeyHandle key(kCustomColourKey);
    CustomColourSet colours{};
    for (int i = 0; i < 16; ++i)
        colours[static_cast<std::size_t>(i)] =
            key.ReadDword(CustomColourValueName(group, i), DefaultCustomColour(i));
    return colours;
}

bool WriteCustomColours(int group, const CustomColourSet& colours)
{
    // One transaction: a failing store keeps the old sixteen, never a mix of old and new.
    std::vector<RegEdit> edits;
    for (int i = 0; i < 16; ++i) {
        RegValue value{CustomColourValueName(group, i), kRegDword,
                       DwordBytes(colours[static_cast<std::size_t>(i)])};
        edits.push_back({RegEdit::Kind::kSetValue, std::string(kCustomColourKey), std::move(value)});
    }
    return RegistryStore::Instance().Apply(edits);
}

}  // namespace ov
