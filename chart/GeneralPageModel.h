// The General page without widgets: what its controls show of the record (load), what they write
// back (store), which controls each chart kind shows, the border list's section, the font prefix
// search and "Set As Default".
#pragma once

#include <ornivex/chart.h>

#include <string>
#include <string_view>
#include <vector>

namespace ov {

constexpr float kMinDefaultFontSize = 4.0f;
// Where "Set As Default" writes the plot font.
inline constexpr std::string_view kPlotFontKey = "Software\\Ornivex\\MP\\GPPSet";

struct GeneralValues {
    std::u16string caption;
    std::u16string fontFace;
    std::u16string fontSizeText;  // "%g" of the size
    bool boldTitle = false;
    bool largerTitle = false;
    int border = -1;  // list selection; -1 keeps the stored index
    LineFillStyle frame{};
};

GeneralValues LoadGeneral(const ChartRecord& record);
// Caption and face cut to their slots, title flags rebuilt from the two boxes (other bits cleared),
// size clamped to 2 ... 240 (text that does not parse counts as 0), border and frame style.
void StoreGeneral(const GeneralValues& values, ChartRecord& record);

struct GeneralVisibility {
    bool caption = true;       // "Caption :" and its edit
    bool border = true;        // "Border :" and its list
    bool frame = true;         // the frame line/fill editor
    bool titleBoxes = false;   // "Larger Font for Title", "Bold Font for Title"
    bool firstBorder = false;  // the border list is set to its first entry on opening
};
GeneralVisibility GeneralVisibilityFor(int kind);

// "gCB021" for kind 1, "gCB022" for kind 4, "gCB023" for kinds 5 and 6, else "gCB020".
std::string_view BorderListSection(int kind);

// The first family that starts with the face (case-insensitive), or -1; an empty face finds none.
int FindFontByPrefix(const std::vector<std::u16string>& families, std::u16string_view face);

// Writes "PlotFontFace" and "PlotFontSize" (the size clamped to 4 ... 240, as the bits of a float)
// under the key; nothing when the key cannot be opened. Returns whether the key was open.
bool SavePlotFontDefaults(std::string_view keyPath, std::u16string_view face, std::u16string_view sizeText);

}  // namespace ov
