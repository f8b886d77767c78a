// The general and advanced pages over the settings record: what they show, what they store, and that
// a record loaded and stored untouched changes only where a rule says so. The style mode the user picks
// is the sheet test's.
#include "sysprops/AdvancedPage.h"
#include "sysprops/GeneralPage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

using namespace ov;

namespace {

// A record with every byte set from a pattern, so a stray write shows.
SystemSettings PatternRecord()
{
    SystemSettings record;
    auto* bytes = reinterpret_cast<unsigned char*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i) bytes[i] = static_cast<unsigned char>(i * 37 + 11);
    record.style_mode = 0x11;
    record.fixed_style.line_style = 3;
    record.outo_value2 = 2.5f;
    record.second_value = 0.75f;
    record.ar_value1 = 250;
    record.ar_value2 = 64;
    record.unit_index = 2;
    return record;
}

bool SameBytes(const SystemSettings& a, const SystemSettings& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

TEST(GeneralPage, NegativeUnitIsTheFirstAndAnEmptyFixedStyleGetsAFill)
{
    SystemSettings record = PatternRecord();
    record.option_flags = 0xFFFFFF9Fu;  // bits 5 and 6 clear: centre cross on, grid off
    record.unit_index = -4;
    GeneralPageValues page = LoadGeneralPage(record);
    EXPECT_TRUE(page.centerCross);
    EXPECT_FALSE(page.grid);
    EXPECT_EQ(page.unitIndex, 0);

    page.fixedStyle.line_style = 0;
    page.fixedStyle.fill_style = 0;
    StoreGeneralPage(page, record);
    EXPECT_EQ(record.fixed_style.fill_style, 1);
    page.fixedStyle.line_style = 2;  // a line alone keeps "no fill"
    StoreGeneralPage(page, record);
    EXPECT_EQ(record.fixed_style.fill_style, 0);
}

TEST(AdvancedPage, ArSignIsItsSwitchAndValuesAreClampedMagnitudes)
{
    struct Case {
        int32_t stored;
        bool on;
        int32_t shown;
    } cases[] = {{5, false, 10},     {10, true, 10},       {250, true, 250}, {-250, false, 250},
                 {5000, true, 1000}, {-5000, false, 1000}, {9, false, 10}};
    for (const Case& c : cases) {
        SystemSettings record = PatternRecord();
        record.ar_value1 = c.stored;
        const AdvancedPageValues page = LoadAdvancedPage(record);
        EXPECT_EQ(page.arOn, c.on) << c.stored;
        EXPECT_EQ(page.arValue1, c.shown) << c.stored;
    }
    SystemSettings record = PatternRecord();
    record.ar_value2 = -500;
    EXPECT_EQ(LoadAdvancedPage(record).arValue2, 128);

    record.ar_value1 = 5;
    AdvancedPageValues page = LoadAdvancedPage(record);
    StoreArSwitch(true, page.arValue1, record);
    EXPECT_EQ(record.ar_value1, 10);
    StoreArSwitch(false, page.arValue1, record);
    EXPECT_EQ(record.ar_value1, -10);
}

TEST(AdvancedPage, RangeChecksNameTheValuesOutsideAndTruncateOutoTwo)
{
    AdvancedPageValues page;
    page.outoValue1 = 10000;
    page.outoValue2 = 10.9f;  // truncated to 10: inside
    page.arValue1 = 10;
    page.arValue2 = 128;
    EXPECT_TRUE(ValuesOutOfRange(page).empty());
    page.outoValue1 = -1;
    page.outoValue2 = 11.0f;
    page.arValue1 = 1001;
    page.arValue2 = 1;
    EXPECT_EQ(ValuesOutOfRange(page), (std::vector<int>{0, 1, 2, 3}));
    page = AdvancedPageValues{};
    page.outoValue2 = -0.9f;  // truncated to 0
    EXPECT_TRUE(ValuesOutOfRange(page).empty());
    page.outoValue2 = std::nanf("");
    EXPECT_EQ(ValuesOutOfRange(page), std::vector<int>{1});
}

TEST(SettingsPages, LoadingAndStoringUntouchedChangesOnlyTheRuledFields)
{
    const SystemSettings original = PatternRecord();
    SystemSettings record = original;
    StoreGeneralPage(LoadGeneralPage(record), record);
    StoreAdvancedPage(LoadAdvancedPage(record), record);
    SystemSettings expected = original;
    expected.style_mode = OV_STYLE_FOLLOW;  // 0x11 written back whole
    EXPECT_TRUE(SameBytes(record, expected));
}
