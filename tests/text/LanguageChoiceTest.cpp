// The language choice ("LanSel" conversion, the stored value, the code kept for the process) and
// the resource folders beside the host.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "TextTestSupport.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/HostFolder.h"
#include "framework/text/LanguageChoice.h"

namespace ov {
namespace {

// Keeps a test binary started by hand away from the user's own settings store.
class IsolatedStore : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (std::getenv("ORNIVEX_REGISTRY")) return;
        setenv("ORNIVEX_REGISTRY", (test::FreshFolder("language-store") / "registry.sqlite3").c_str(), 1);
    }
};
const auto* const kIsolatedStore = ::testing::AddGlobalTestEnvironment(new IsolatedStore);

TEST(LanSel, ParsesLikeTheHostRuntime)
{
    struct Row {
        const char16_t* text;
        int32_t number;
        const char16_t* code;
    };
    const Row rows[] = {{u"2", 2, u"cn"},       {u"\t\r\n\v\f 2", 2, u"cn"},
                        {u"2abc", 2, u"cn"},    {u"+2", 2, u"cn"},
                        {u"-2", -2, u"en"},     {u"02", 2, u"cn"},
                        {u"-10", -10, u"en"},   {u"1", 1, u"en"},
                        {u"12", 12, u"en"},     {u"3", 3, u"en"},
                        {u"", 0, u"en"},        {u"abc2", 0, u"en"},
                        {u"\u00A02", 0, u"en"}, {u"4294967298", std::numeric_limits<int32_t>::max(), u"en"}};
    for (const Row& row : rows) {
        int32_t number = ParseLanguageNumber(row.text);
        EXPECT_EQ(number, row.number) << int(row.number);
        EXPECT_EQ(LanguageCodeForNumber(number), std::u16string(row.code)) << int(row.number);
    }
}

// The stored value: a string parsed as above; a missing value means Chinese, a DWORD is not used.
// The code is read once and kept: the host's later change waits for the next start.
TEST(LanSel, ChoosesTheCodeFromTheStoredValueOnceAndKeepsIt)
{
    RegKeyHandle("Software\\OrnivexTest\\Dword").WriteDword(kLanguageValue, 1);
    EXPECT_EQ(ReadLanguageNumber("Software\\OrnivexTest\\Missing"), 2);
    EXPECT_EQ(ReadLanguageNumber("Software\\OrnivexTest\\Dword"), 2);
    SetCurrentLanguageCodeForTesting(u"");
    RegKeyHandle key(kLanguageKey);
    ASSERT_TRUE(key.WriteString(kLanguageValue, u" 1"));
    EXPECT_EQ(CurrentLanguageCode(), u"en");
    ASSERT_TRUE(key.WriteString(kLanguageValue, u"2abc"));
    EXPECT_EQ(CurrentLanguageCode(), u"en");
    SetCurrentLanguageCodeForTesting(u"");
    EXPECT_EQ(CurrentLanguageCode(), u"cn");
}

// The test binaries are built into the same bin/ folder the resources are copied to, so the
// executable's folder must find them even without the override.
TEST(HostFolder, ExecutableFolderHoldsTheResourcesWhenNotOverridden)
{
    test::ScopedEnv hostDir("ORNIVEX_HOST_DIR", "");
    EXPECT_TRUE(std::filesystem::is_regular_file(HostFolder() / "Languages" / "ALL_MSG.xml")) << HostFolder();
}

TEST(AppDataFolder, FollowsTheBaseDirectoryRules)
{
    test::ScopedEnv home("HOME", "/home/tester");
    for (const std::optional<std::string>& dataHome :
         {std::optional<std::string>(), std::optional<std::string>("rel")}) {
        test::ScopedEnv env("XDG_DATA_HOME", dataHome);
        EXPECT_EQ(AppDataFolder(), std::filesystem::path("/home/tester/.local/share/Ornivex_DLG"));
    }
    test::ScopedEnv env("XDG_DATA_HOME", "/data/x");
    EXPECT_EQ(AppDataFolder(), std::filesystem::path("/data/x/Ornivex_DLG"));
}

}  // namespace
}  // namespace ov
