// The table-driven remembered settings: defaults where nothing usable is stored, each member type
// stored as its registry type and read back, and the clamp of stored numbers. (Values of the wrong
// type or size are the key handle's rules and are tested there.)
#include "framework/settings/RememberedSettings.h"

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"

#include <cstdint>
#include <string>

namespace ov::test {
namespace {

constexpr std::string_view kKey = "Software\\Ornivex\\MP\\RememberedTest";

struct Sample {
    int32_t number = -7;
    uint32_t colour = 0x00F0F0F0;
    bool flag = true;
    std::u16string text = u"default";
    int32_t percent = 50;   // 0-100
    uint32_t count = 3;     // 1-1000
    bool positive = false;  // true only for numbers above 0

    bool operator==(const Sample&) const = default;
};

constexpr RememberedValue<Sample> kSampleValues[] = {
    {"Number", &Sample::number},
    {"Colour", &Sample::colour},
    {"Flag", &Sample::flag},
    {"Text", &Sample::text},
    {"Percent", &Sample::percent, ValueRange{0, 100}},
    {"Count", &Sample::count, ValueRange{1, 1000}},
    {"Positive", &Sample::positive, ValueRange{0, 1}},
};

using RememberedSettingsTest = FreshStoreTest;

// Missing values read as the defaults (a default is not clamped); each member is stored as its
// registry type, unclamped, and read back clamped.
TEST_F(RememberedSettingsTest, DefaultsWhereMissingAndEachTypeStoredAsItsRegistryType)
{
    Sample defaults;
    defaults.text = u"other";
    defaults.percent = 400;
    EXPECT_EQ(ReadRemembered(kKey, kSampleValues, defaults), defaults);
    RegKeyHandle(kKey).WriteDword("Number", 5);  // one stored value changes only its own member
    defaults.number = 5;
    EXPECT_EQ(ReadRemembered(kKey, kSampleValues, defaults), defaults);

    const Sample written{-123456, 0xFFFFFFFEu, false, u"Grüße \U0001D11E", 150, 0, true};
    WriteRemembered(kKey, kSampleValues, written);
    std::string stored;
    const auto values = Store().ListValues(kKey);
    for (const RegValue& value : *values)
        stored +=
            value.name + ":" + std::to_string(value.type) + ":" + std::to_string(value.data.size()) + " ";
    EXPECT_EQ(stored, "Colour:4:4 Count:4:4 Flag:4:4 Number:4:4 Percent:4:4 Positive:4:4 Text:1:18 ");
    EXPECT_EQ(Store().ReadValue(kKey, "Percent")->data, RawDword(150)) << "writes are not clamped";
    EXPECT_EQ(Store().ReadValue(kKey, "Text")->data, RawSz(u"Grüße \U0001D11E"));

    Sample expected = written;
    expected.percent = 100;  // stored numbers are clamped when read
    expected.count = 1;
    EXPECT_EQ(ReadRemembered(kKey, kSampleValues), expected);
}

}  // namespace
}  // namespace ov::test
