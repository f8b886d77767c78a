// GeneralPage: loading and storing the general page's part of the settings record.
#include "sysprops/GeneralPage.h"

namespace ov {
namespace {

NewObjectStyle StyleOfModeWord(uint32_t word)
{
    switch (word & 0xF) {
    case OV_STYLE_FOLLOW: return NewObjectStyle::kFollow;
    case OV_STYLE_FIXED: return NewObjectStyle::kFixed;
    default: return NewObjectStyle::kRandom;
    }
}

uint32_t WithBit(uint32_t flags, uint32_t bit, bool on)
{
    return on ? (flags | bit) : (flags & ~bit);
}

}  // namespace

GeneralPageValues LoadGeneralPage(const SystemSettings& record)
{
    GeneralPageValues page;
    page.style = StyleOfModeWord(record.style_mode);
    page.centerCross = (record.option_flags & OV_OPTION_NO_CENTER_CROSS) == 0;
    page.grid = (record.option_flags & OV_OPTION_GRID) != 0;
    page.fixedStyle = record.fixed_style;
    page.unitIndex = record.unit_index < 0 ? 0 : record.unit_index;
    page.number = record.second_value;
    page.background = record.background_colour;
    page.secondColour = record.second_colour;
    return page;
}

void StoreGeneralPage(const GeneralPageValues& page, SystemSettings& record)
{
    record.style_mode = static_cast<uint32_t>(page.style);
    record.option_flags = WithBit(record.option_flags, OV_OPTION_NO_CENTER_CROSS, !page.centerCross);
    record.option_flags = WithBit(record.option_flags, OV_OPTION_GRID, page.grid);
    record.fixed_style = page.fixedStyle;
    if (record.fixed_style.line_style == 0 && record.fixed_style.fill_style == 0)
        record.fixed_style.fill_style = 1;
    record.unit_index = page.unitIndex;
    record.second_value = page.number;
    record.background_colour = page.background;
    record.second_colour = page.secondColour;
}

}  // namespace ov
