// AdvancedPage: loading, storing and range checks of the advanced page.
#include "sysprops/AdvancedPage.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ov {
namespace {

constexpr uint32_t kAdvancedBits =
    OV_OPTION_ASF_1 | OV_OPTION_OUTO_1_OFF | OV_OPTION_OUTO_2_OFF | OV_OPTION_ASF_2;

int32_t Clamp(int64_t value, PageRange range)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, static_cast<int64_t>(range.low), static_cast<int64_t>(range.high)));
}

// A stored value shown without its sign.
int32_t Magnitude(int32_t value, PageRange range)
{
    return Clamp(std::llabs(static_cast<int64_t>(value)), range);
}

bool Inside(double value, PageRange range)
{
    return value >= range.low && value <= range.high;
}

}  // namespace

AdvancedPageValues LoadAdvancedPage(const SystemSettings& record)
{
    const uint32_t flags = record.option_flags;
    AdvancedPageValues page;
    page.asf1 = (flags & OV_OPTION_ASF_1) != 0;
    page.asf2 = (flags & OV_OPTION_ASF_2) != 0;
    page.outo1 = (flags & OV_OPTION_OUTO_1_OFF) == 0;
    page.outo2 = (flags & OV_OPTION_OUTO_2_OFF) == 0;
    page.outoValue1 = record.outo_value1;
    page.outoValue2 = record.outo_value2;
    page.arOn = record.ar_value1 >= 10;
    page.arValue1 = Magnitude(record.ar_value1, kArValue1Range);
    page.arValue2 = Magnitude(record.ar_value2, kArValue2Range);
    return page;
}

void StoreAdvancedPage(const AdvancedPageValues& page, SystemSettings& record)
{
    uint32_t flags = record.option_flags & ~kAdvancedBits;
    if (page.asf1) flags |= OV_OPTION_ASF_1;
    if (!page.outo1) flags |= OV_OPTION_OUTO_1_OFF;
    if (!page.outo2) flags |= OV_OPTION_OUTO_2_OFF;
    if (page.asf2) flags |= OV_OPTION_ASF_2;
    record.option_flags = flags;
    record.outo_value1 = page.outoValue1;
    record.outo_value2 = page.outoValue2;
    StoreArSwitch(page.arOn, page.arValue1, record);
    record.ar_value2 = Clamp(page.arValue2, kArValue2Range);
}

void StoreArSwitch(bool on, int32_t arValue1, SystemSettings& record)
{
    const int32_t magnitude = Clamp(arValue1, kArValue1Range);
    record.ar_value1 = on ? magnitude : -magnitude;
}

std::vector<int> ValuesOutOfRange(const AdvancedPageValues& page)
{
    std::vector<int> outside;
    if (!Inside(page.outoValue1, kOutoValue1Range)) outside.push_back(0);
    if (!Inside(std::trunc(page.outoValue2), kOutoValue2Range)) outside.push_back(1);
    if (!Inside(page.arValue1, kArValue1Range)) outside.push_back(2);
    if (!Inside(page.arValue2, kArValue2Range)) outside.push_back(3);
    return outside;
}

}  // namespace ov
