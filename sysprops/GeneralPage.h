// GeneralPage: what the general page of the system properties shows of the settings record and how
// it stores the user's choices back: new-object style mode, centre cross and grid switches, the
// fixed style, unit, colours and the number beside the second colour.
#pragma once

#include <ornivex/sysprops.h>

#include <cstdint>

namespace ov {

enum class NewObjectStyle { kRandom = OV_STYLE_RANDOM, kFollow = OV_STYLE_FOLLOW, kFixed = OV_STYLE_FIXED };

struct GeneralPageValues {
    NewObjectStyle style = NewObjectStyle::kRandom;
    bool centerCross = true;
    bool grid = false;
    LineFillStyle fixedStyle{};
    int32_t unitIndex = 0;  // index into the unit list
    float number = 0;
    uint32_t background = 0;    // COLORREF
    uint32_t secondColour = 0;  // COLORREF
};

// The page's values: the mode from the low 4 bits of the mode word (1 Follow, 2 Fixed, else
// Random), a negative unit index as the first entry.
GeneralPageValues LoadGeneralPage(const SystemSettings& record);

// Writes the page into the record. The mode is written as the whole word 0, 1 or 2; a fixed style
// without line and fill gets fill style 1; option bits the page does not own keep their values.
void StoreGeneralPage(const GeneralPageValues& page, SystemSettings& record);

}  // namespace ov
