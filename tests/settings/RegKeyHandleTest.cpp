// Key handle behaviour: type and size rules of reads, the write cut, case-insensitive names and
// paths.
#include "framework/settings/RegKeyHandle.h"

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"

namespace ov::test {
namespace {

constexpr std::string_view kAppSettings = "Software\\Ornivex\\MP\\AppSettings";

using RegKeyHandleTest = FreshStoreTest;

// A read uses a stored value only when its type and size fit; otherwise it gives the fallback.
TEST_F(RegKeyHandleTest, ReadsUseOnlyValuesOfTheirTypeAndSize)
{
    const struct {
        RegValue value;
        bool dword_used;
        std::u16string text;
    } cases[] = {
        {{"V", kRegDword, {0x78, 0x56, 0x34, 0x12}}, true, u"fallback"},
        {{"V", kRegDword, {1, 2, 3}}, false, u"fallback"},
        {{"V", kRegDword, {1, 2, 3, 4, 5}}, false, u"fallback"},
        {{"V", kRegBinary, {1, 0, 0, 0}}, false, u"fallback"},
        {{"V", kRegSz, {0x31, 0, 0, 0}}, false, u"1"},
        {{"V", kRegSz, RawSz(std::u16string(127, u'x'))}, false, std::u16string(127, u'x')},
        {{"V", kRegSz, RawSz(std::u16string(128, u'x'))}, false, u"fallback"},
        {{"V", kRegSz, {'h', 0, 'i', 0}}, false, u"hi"},
        {{"V", kRegExpandSz, RawSz(u"%HOME%")}, false, u"fallback"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Store().WriteValue(kAppSettings, c.value));
        bool stored = !c.dword_used;
        EXPECT_EQ(RegKeyHandle(kAppSettings).ReadDword("V", 0xF0F0F0, &stored),
                  c.dword_used ? 0x12345678u : 0xF0F0F0u)
            << "type " << c.value.type << " size " << c.value.data.size();
        EXPECT_EQ(stored, c.dword_used);
        EXPECT_EQ(RegKeyHandle(kAppSettings).ReadString("V", u"fallback"), c.text)
            << "type " << c.value.type << " size " << c.value.data.size();
    }
}

TEST_F(RegKeyHandleTest, LongStringsAreCutTo260CharactersWithoutSplittingPairs)
{
    RegKeyHandle key(kAppSettings);
    std::u16string text;
    for (int i = 0; i < 300; ++i) text += static_cast<char16_t>(u'a' + i % 26);
    ASSERT_TRUE(key.WriteString("Long", text));
    EXPECT_EQ(Store().ReadValue(kAppSettings, "Long")->data, RawSz(text.substr(0, 260)));
    EXPECT_EQ(key.ReadString("Long", u"default"), u"default");

    ASSERT_TRUE(key.WriteString("Clef", std::u16string(259, u'x') + u"\U00010000"));
    EXPECT_EQ(Store().ReadValue(kAppSettings, "Clef")->data, RawSz(std::u16string(259, u'x')));
}

TEST_F(RegKeyHandleTest, NamesAndPathsIgnoreOnlyAsciiCase)
{
    RegKeyHandle(kAppSettings).WriteDword("AppUISize", 2);
    RegKeyHandle("SOFTWARE\\ornivex\\Mp\\APPSETTINGS").WriteDword("appuisize", 3);
    EXPECT_EQ(RegKeyHandle("software\\ORNIVEX\\mp\\appsettings").ReadDword("APPUISIZE", 1), 3u);
    const auto values = Store().ListValues(kAppSettings);
    ASSERT_EQ(values->size(), 1u);
    EXPECT_EQ(values->front().name, "AppUISize");  // the first spelling stays
    EXPECT_EQ(Store().ListSubkeys("SOFTWARE\\ORNIVEX\\MP"), std::vector<std::string>{"AppSettings"});

    RegKeyHandle key("Software\\Ornivex\\Ä");
    key.WriteDword("Größe", 1);
    EXPECT_EQ(key.ReadDword("GRÖSSE", 9), 9u);
    EXPECT_EQ(key.ReadDword("GRößE", 9), 1u);
    EXPECT_FALSE(Store().KeyExists("Software\\Ornivex\\ä"));
}

}  // namespace
}  // namespace ov::test
