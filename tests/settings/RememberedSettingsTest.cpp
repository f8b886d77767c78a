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

TEST_F(RememberedSettingsTest, MissingValuesReadAsTheDefaults)
{
    EXPECT_EQ(ReadRemembered(kKey, kSampleValues), Sample{});
    Sample defaults;
    defaults.number = 41;
    defaults.text = u"other";
    defaults.percent = 400;  // a default is not clamped
    EXPECT_EQ(ReadRemembered(kKey, kSampleValues, defaults), defaults);
    RegKeyHandle(kKey).WriteDword("Number", 5);  // one stored value changes only its own member
    defaults.number = 5;
    EXPECT_EQ(ReadRemembered(kKey, kSampleValues, defaults), defaults);
}

TEST_F(RememberedSettingsTest, EachTypeIsStoredAsItsRegistryTypeAndReadBack)
{
    const Sample written{-123456, 0xFFFFFFFEu, false, u"Grüße \U0001D11E", 150, 0, true};
    WriteRemembered(kKey, kSampleValues, written);
    const auto stored = [this](std::string_view name) { return Store().ReadValue(kKey, name); };
    EXPECT_EQ(stored("Number")->type, kRegDword);
    EXPECT_EQ(stored("Number")->data, RawDword(static_cast<uint32_t>(-123456)));
    EXPECT_EQ(stored("Colour")->data, RawDword(0xFFFFFFFEu));
    EXPECT_EQ(stored("Flag")->data, RawDword(0));
    EXPECT_EQ(stored("Positive")->data, RawDword(1));
    EXPECT_EQ(stored("Percent")->data, RawDword(150)) << "writes are not clamped";
    EXPECT_EQ(stored("Text")->type, kRegSz);
    EXPECT_EQ(stored("Text")->data, RawSz(u"Grüße \U0001D11E"));

    Sample expected = written;
    expected.percent = 100;  // stored numbers are clamped when read
    expected.count = 1;
    EXPECT_EQ(ReadRemembered(kKey, kSampleValues), expected);
    expected.flag = true;
    expected.positive = false;
    WriteRemembered(kKey, kSampleValues, expected);
    EXPECT_EQ(ReadRemembered(kKey, kSampleValues, Sample{0, 0, false, u"", 0, 1, true}), expected);
}

TEST_F(RememberedSettingsTest, StoredNumbersAreClampedByTheMembersSignedness)
{
    RegKeyHandle key(kKey);
    const struct {
        uint32_t stored;
        int32_t number, percent;
        uint32_t count;
        bool flag, positive;
    } cases[] = {
        {0xFFFFFFFFu, -1, 0, 1000, true, false},  // -1 signed, 4294967295 unsigned
        {0xFFFFFF9Cu, -100, 0, 1000, true, false},
        {0, 0, 0, 1, false, false},
        {7, 7, 7, 7, true, true},
        {100, 100, 100, 100, true, true},
        {101, 101, 100, 101, true, true},
        {0x7FFFFFFFu, 0x7FFFFFFF, 100, 1000, true, true},
    };
    for (const auto& c : cases) {
        for (const char* name : {"Number", "Percent", "Count", "Flag", "Positive"})
            key.WriteDword(name, c.stored);
        const Sample read = ReadRemembered(kKey, kSampleValues);
        EXPECT_EQ(read.number, c.number) << c.stored;
        EXPECT_EQ(read.percent, c.percent) << c.stored;
        EXPECT_EQ(read.count, c.count) << c.stored;
        EXPECT_EQ(read.flag, c.flag) << c.stored;
        EXPECT_EQ(read.positive, c.positive) << c.stored;
    }
}

}  // namespace
}  // namespace ov::test
