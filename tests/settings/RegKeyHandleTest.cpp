// Key handle behaviour: type and size rules of reads, the write cut, case-insensitive names and
// paths, keys without values, and the UTF-8/UTF-16 conversions.
#include "framework/RegKeyHandle.h"

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"

namespace ov::test {
namespace {

constexpr std::string_view kAppSettings = "Software\\Ornivex\\MP\\AppSettings";

struct DwordCase {
    const char* label;
    uint32_t type;
    std::vector<uint8_t> data;
    bool used;
    uint32_t expected;
};

class DwordReadTest : public FreshStoreTest, public ::testing::WithParamInterface<DwordCase> {};

TEST_P(DwordReadTest, UsesOnlyFourByteDwords)
{
    const DwordCase& c = GetParam();
    ASSERT_TRUE(Store().WriteValue(kAppSettings, {"UI_ERBKColor", c.type, c.data}));
    const RegKeyHandle key(kAppSettings);
    bool stored = true;
    EXPECT_EQ(key.ReadDword("UI_ERBKColor", 0xF0F0F0, &stored), c.expected);
    EXPECT_EQ(stored, c.used);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DwordReadTest,
    ::testing::Values(DwordCase{"dword", kRegDword, {0x78, 0x56, 0x34, 0x12}, true, 0x12345678},
                      DwordCase{"zero", kRegDword, {0, 0, 0, 0}, true, 0},
                      DwordCase{"string", kRegSz, RawSz(u"123"), false, 0xF0F0F0},
                      DwordCase{"string_of_four_bytes", kRegSz, {0x31, 0, 0, 0}, false, 0xF0F0F0},
                      DwordCase{"three_bytes", kRegDword, {1, 2, 3}, false, 0xF0F0F0},
                      DwordCase{"eight_bytes", kRegDword, {1, 2, 3, 4, 5, 6, 7, 8}, false, 0xF0F0F0},
                      DwordCase{"empty", kRegDword, {}, false, 0xF0F0F0},
                      DwordCase{"binary", kRegBinary, {1, 0, 0, 0}, false, 0xF0F0F0},
                      DwordCase{"big_endian", kRegDwordBigEndian, {0, 0, 0, 1}, false, 0xF0F0F0}),
    [](const auto& info) { return std::string(info.param.label); });

struct StringCase {
    const char* label;
    uint32_t type;
    std::vector<uint8_t> data;
    std::u16string expected;
};

class StringReadTest : public FreshStoreTest, public ::testing::WithParamInterface<StringCase> {};

TEST_P(StringReadTest, UsesOnlyStringsWithinTheReadBuffer)
{
    const StringCase& c = GetParam();
    ASSERT_TRUE(Store().WriteValue(kAppSettings, {"Text", c.type, c.data}));
    EXPECT_EQ(RegKeyHandle(kAppSettings).ReadString("Text", u"fallback"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StringReadTest,
    ::testing::Values(StringCase{"short", kRegSz, RawSz(u"abc"), u"abc"},
                      StringCase{"empty", kRegSz, RawSz(u""), u""},
                      StringCase{"chars_127_fill_256_bytes", kRegSz, RawSz(std::u16string(127, u'x')),
                                 std::u16string(127, u'x')},
                      StringCase{"chars_128_exceed_256_bytes", kRegSz, RawSz(std::u16string(128, u'x')),
                                 u"fallback"},
                      StringCase{"without_terminator", kRegSz, {'h', 0, 'i', 0}, u"hi"},
                      StringCase{"dword", kRegDword, RawDword(7), u"fallback"},
                      StringCase{"expand_sz", kRegExpandSz, RawSz(u"%HOME%"), u"fallback"},
                      StringCase{"binary", kRegBinary, RawSz(u"abc"), u"fallback"}),
    [](const auto& info) { return std::string(info.param.label); });

using RegKeyHandleTest = FreshStoreTest;

TEST_F(RegKeyHandleTest, FlagIsTrueForAnyNonZeroDwordAndDefaultOtherwise)
{
    RegKeyHandle key(kAppSettings);
    key.WriteDword("Zero", 0);
    key.WriteDword("Five", 5);
    ASSERT_TRUE(key.WriteString("Text", u"1"));
    EXPECT_FALSE(key.ReadFlag("Zero", true));
    EXPECT_TRUE(key.ReadFlag("Five", false));
    EXPECT_TRUE(key.ReadFlag("Text", true));
    EXPECT_FALSE(key.ReadFlag("Missing", false));
}

TEST_F(RegKeyHandleTest, WritesDwordsAsFourLittleEndianBytes)
{
    RegKeyHandle(kAppSettings).WriteDword("AppUISize", 0x01020304);
    const auto value = Store().ReadValue(kAppSettings, "AppUISize");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, kRegDword);
    EXPECT_EQ(value->data, (std::vector<uint8_t>{4, 3, 2, 1}));
}

TEST_F(RegKeyHandleTest, LongStringsAreCutTo260CharactersAndThenReadAsMissing)
{
    RegKeyHandle key(kAppSettings);
    std::u16string text;
    for (int i = 0; i < 300; ++i) text += static_cast<char16_t>(u'a' + i % 26);
    ASSERT_TRUE(key.WriteString("Long", text));
    const auto value = Store().ReadValue(kAppSettings, "Long");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, kRegSz);
    EXPECT_EQ(value->data, RawSz(text.substr(0, 260)));
    EXPECT_EQ(key.ReadString("Long", u"default"), u"default");
}

TEST_F(RegKeyHandleTest, CutNeverSplitsASurrogatePair)
{
    std::u16string text(259, u'x');
    text += u"\U0001D11E\U0001D11E";  // the 260th unit is the first half of a pair
    RegKeyHandle key(kAppSettings);
    ASSERT_TRUE(key.WriteString("Clef", text));
    EXPECT_EQ(Store().ReadValue(kAppSettings, "Clef")->data, RawSz(std::u16string(259, u'x')));
}

TEST_F(RegKeyHandleTest, NamesAndPathsIgnoreAsciiCase)
{
    RegKeyHandle(kAppSettings).WriteDword("AppUISize", 2);
    RegKeyHandle("SOFTWARE\\ornivex\\Mp\\APPSETTINGS").WriteDword("appuisize", 3);
    EXPECT_EQ(RegKeyHandle("software\\ORNIVEX\\mp\\appsettings").ReadDword("APPUISIZE", 1), 3u);
    const auto values = Store().ListValues(kAppSettings);
    ASSERT_TRUE(values);
    ASSERT_EQ(values->size(), 1u);
    EXPECT_EQ(values->front().name, "AppUISize");  // the first spelling stays
    EXPECT_EQ(Store().ListSubkeys("SOFTWARE\\ORNIVEX\\MP"), std::vector<std::string>{"AppSettings"});
}

TEST_F(RegKeyHandleTest, NonAsciiLettersAreComparedExactly)
{
    RegKeyHandle key("Software\\Ornivex\\Ä");
    key.WriteDword("Größe", 1);
    EXPECT_EQ(key.ReadDword("GRÖSSE", 9), 9u);
    EXPECT_EQ(key.ReadDword("GRößE", 9), 1u);
    EXPECT_FALSE(Store().KeyExists("Software\\Ornivex\\ä"));
}

TEST_F(RegKeyHandleTest, OpeningCreatesTheKeyAndItsParentsWithoutValues)
{
    const RegKeyHandle key("Software\\Ornivex\\MP\\FDInit");
    EXPECT_TRUE(key.IsOpen());
    for (const char* path :
         {"Software", "Software\\Ornivex", "Software\\Ornivex\\MP", "Software\\Ornivex\\MP\\FDInit"}) {
        EXPECT_TRUE(Store().KeyExists(path)) << path;
    }
    EXPECT_EQ(Store().ListValues("Software\\Ornivex\\MP\\FDInit"), std::vector<RegValue>{});
}

TEST_F(RegKeyHandleTest, DeletedKeyIsRecreatedEmptyOnTheNextOpen)
{
    RegKeyHandle("Software\\Ornivex\\MP\\FDInit").WriteString("LID_3", u"/tmp/");
    ASSERT_TRUE(Store().DeleteKeyTree("Software\\Ornivex\\MP\\FDInit"));
    EXPECT_FALSE(Store().KeyExists("Software\\Ornivex\\MP\\FDInit"));
    const RegKeyHandle key("Software\\Ornivex\\MP\\FDInit");
    EXPECT_TRUE(Store().KeyExists("Software\\Ornivex\\MP\\FDInit"));
    EXPECT_EQ(key.ReadString("LID_3", u"none"), u"none");
}

TEST_F(RegKeyHandleTest, UnopenedHandleReadsDefaultsAndWritesNothing)
{
    RegKeyHandle key("Software\\\\Empty name");
    EXPECT_FALSE(key.IsOpen());
    key.WriteDword("A", 1);
    EXPECT_FALSE(key.WriteString("B", u"x"));
    EXPECT_EQ(key.ReadDword("A", 42), 42u);
    EXPECT_EQ(key.ReadString("B", u"d"), u"d");
    EXPECT_EQ(Store().ListSubkeys(""), std::vector<std::string>{});

    RegKeyHandle closed(kAppSettings);
    closed.Close();
    EXPECT_FALSE(closed.WriteString("C", u"x"));
    EXPECT_FALSE(Store().ReadValue(kAppSettings, "C"));
}

struct Utf8Case {
    const char* label;
    std::string utf8;
    std::u16string utf16;
};

class Utf8DecodeTest : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8DecodeTest, MalformedBytesBecomeReplacementCharacters)
{
    EXPECT_EQ(Utf8ToUtf16(GetParam().utf8), GetParam().utf16);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Utf8DecodeTest,
    ::testing::Values(Utf8Case{"ascii", "a/b c", u"a/b c"}, Utf8Case{"latin", "Grüße", u"Grüße"},
                      Utf8Case{"astral", "\xF0\x9D\x84\x9E", u"\U0001D11E"},
                      Utf8Case{"overlong_slash", "\xC0\xAF", u"\xFFFD\xFFFD"},
                      Utf8Case{"overlong_three_byte", "\xE0\x80\xAF", u"\xFFFD\xFFFD\xFFFD"},
                      Utf8Case{"encoded_surrogate", "\xED\xA0\x80", u"\xFFFD\xFFFD\xFFFD"},
                      Utf8Case{"beyond_unicode", "\xF4\x90\x80\x80", u"\xFFFD\xFFFD\xFFFD\xFFFD"},
                      Utf8Case{"truncated_at_end", "ab\xE2\x82", u"ab\xFFFD\xFFFD"},
                      Utf8Case{"lone_continuation", "\x80z", u"\xFFFDz"},
                      Utf8Case{"invalid_lead", "\xFF\xFE", u"\xFFFD\xFFFD"},
                      Utf8Case{"embedded_nul", std::string("a\0b", 3), std::u16string(u"a\0b", 3)}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Utf16EncodeTest, UnpairedSurrogatesBecomeReplacementCharacters)
{
    EXPECT_EQ(Utf16ToUtf8(u"\U0001D11E"), "\xF0\x9D\x84\x9E");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD834, u'x'}), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDD1E}), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xD834}), "a\xEF\xBF\xBD");
    const std::string mixed = "x\u00E9\u20AC\U0001F600";
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(mixed)), mixed);
}

}  // namespace
}  // namespace ov::test
