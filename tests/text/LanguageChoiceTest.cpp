// The language choice: "LanSel" conversion, reading it from the settings store, and the code kept
// for the process.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "TextTestSupport.h"
#include "framework/LanguageChoice.h"
#include "framework/RegKeyHandle.h"

namespace ov {
namespace {

// Keeps a test binary started by hand away from the user's own settings store.
class IsolatedStore : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (std::getenv("ORNIVEX_REGISTRY")) return;
        std::filesystem::path folder = test::FreshFolder("language-store");
        setenv("ORNIVEX_REGISTRY", (folder / "registry.sqlite3").c_str(), 1);
    }
};
const auto* const kIsolatedStore = ::testing::AddGlobalTestEnvironment(new IsolatedStore);

struct ParseRow {
    const char16_t* text;
    int32_t number;
    const char16_t* code;
};

class LanSelParsing : public ::testing::TestWithParam<ParseRow> {};

TEST_P(LanSelParsing, ConvertsLikeTheHostRuntime)
{
    const ParseRow& row = GetParam();
    int32_t number = ParseLanguageNumber(row.text);
    EXPECT_EQ(number, row.number);
    EXPECT_EQ(LanguageCodeForNumber(number), std::u16string(row.code));
}

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

const ParseRow kParseRows[] = {
    {u"2", 2, u"cn"},
    {u"  2", 2, u"cn"},
    {u"\t\r\n\v\f2", 2, u"cn"},
    {u"2abc", 2, u"cn"},
    {u"2 3", 2, u"cn"},
    {u"+2", 2, u"cn"},
    {u"02", 2, u"cn"},
    {u"-2", -2, u"en"},
    {u"1", 1, u"en"},
    {u"3", 3, u"en"},
    {u"22", 22, u"en"},
    {u"", 0, u"en"},
    {u"   ", 0, u"en"},
    {u"abc2", 0, u"en"},
    {u"- 2", 0, u"en"},
    {u"+-2", 0, u"en"},
    {u"0x2", 0, u"en"},
    {u"２", 0, u"en"},             // full-width digit
    {u"\u00A02", 0, u"en"},        // no-break space is not white space here
    {u"4294967298", kMax, u"en"},  // would wrap to 2 without saturation
    {u"99999999999999999999", kMax, u"en"},
    {u"-99999999999999999999", kMin, u"en"},
    {u"-2147483648", kMin, u"en"},
};
INSTANTIATE_TEST_SUITE_P(Table, LanSelParsing, ::testing::ValuesIn(kParseRows));

enum class Stored { String, Dword, Missing };

struct StoreRow {
    const char* key;
    Stored kind;
    const char16_t* text;
    uint32_t dword;
    const char16_t* code;
};

class LanSelStore : public ::testing::TestWithParam<StoreRow> {};

TEST_P(LanSelStore, ChoosesTheCodeFromTheStoredValue)
{
    const StoreRow& row = GetParam();
    std::string key = std::string("Software\\OrnivexTest\\") + row.key;
    {
        RegKeyHandle writer(key);
        ASSERT_TRUE(writer.IsOpen());
        if (row.kind == Stored::String) {
            ASSERT_TRUE(writer.WriteString(kLanguageValue, row.text));
        } else if (row.kind == Stored::Dword) {
            writer.WriteDword(kLanguageValue, row.dword);
        }
    }
    EXPECT_EQ(LanguageCodeForNumber(ReadLanguageNumber(key)), std::u16string(row.code)) << row.key;
}

const StoreRow kStoreRows[] = {
    {"Two", Stored::String, u"2", 0, u"cn"},           {"TwoSpaces", Stored::String, u"  2", 0, u"cn"},
    {"TwoLetters", Stored::String, u"2abc", 0, u"cn"}, {"PlusTwo", Stored::String, u"+2", 0, u"cn"},
    {"MinusTwo", Stored::String, u"-2", 0, u"en"},     {"One", Stored::String, u"1", 0, u"en"},
    {"Three", Stored::String, u"3", 0, u"en"},         {"Empty", Stored::String, u"", 0, u"en"},
    {"Missing", Stored::Missing, u"", 0, u"cn"},       {"DwordTwo", Stored::Dword, u"", 2, u"cn"},
    {"DwordOne", Stored::Dword, u"", 1, u"cn"},  // any non-string counts as "2"
};
INSTANTIATE_TEST_SUITE_P(Table, LanSelStore, ::testing::ValuesIn(kStoreRows));

TEST(CurrentLanguageCode, IsReadOnceAndKept)
{
    SetCurrentLanguageCodeForTesting(u"");
    RegKeyHandle key(kLanguageKey);
    ASSERT_TRUE(key.WriteString(kLanguageValue, u"1"));
    EXPECT_EQ(CurrentLanguageCode(), u"en");
    ASSERT_TRUE(key.WriteString(kLanguageValue, u"2"));
    EXPECT_EQ(CurrentLanguageCode(), u"en");  // the host's later change waits for the next start
    SetCurrentLanguageCodeForTesting(u"");
    EXPECT_EQ(CurrentLanguageCode(), u"cn");
    SetCurrentLanguageCodeForTesting(u"en");
    EXPECT_EQ(CurrentLanguageCode(), u"en");
}

}  // namespace
}  // namespace ov
