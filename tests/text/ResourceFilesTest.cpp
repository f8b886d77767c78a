// The resource folders beside the host: how they are located, and that the shipped language file and
// help document are complete and readable.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "TextTestSupport.h"
#include "framework/HostFolder.h"

namespace ov {
namespace {

// The test binaries are built into the same bin/ folder the resources are copied to, so the
// executable's folder must find them even without the override.
TEST(HostFolder, ExecutableFolderHoldsTheResourcesWhenNotOverridden)
{
    for (std::optional<std::string> unset : {std::optional<std::string>(""), std::optional<std::string>()}) {
        test::ScopedEnv hostDir("ORNIVEX_HOST_DIR", unset);
        EXPECT_TRUE(std::filesystem::is_regular_file(HostFolder() / "Languages" / "ALL_MSG.xml"))
            << HostFolder();
    }
}

struct DataFolderRow {
    std::optional<std::string> xdgDataHome;
    const char* expected;
};

class AppDataFolderTest : public ::testing::TestWithParam<DataFolderRow> {};

TEST_P(AppDataFolderTest, FollowsTheBaseDirectoryRules)
{
    test::ScopedEnv home("HOME", "/home/tester");
    test::ScopedEnv dataHome("XDG_DATA_HOME", GetParam().xdgDataHome);
    EXPECT_EQ(AppDataFolder(), std::filesystem::path(GetParam().expected));
}

const DataFolderRow kDataFolderRows[] = {
    {"/data/x", "/data/x/Ornivex_DLG"},
    {std::nullopt, "/home/tester/.local/share/Ornivex_DLG"},
    {"", "/home/tester/.local/share/Ornivex_DLG"},
    {"relative/dir", "/home/tester/.local/share/Ornivex_DLG"},
};
INSTANTIATE_TEST_SUITE_P(Table, AppDataFolderTest, ::testing::ValuesIn(kDataFolderRows));

TEST(ShippedLanguageFile, EveryEntryHasBothLanguagesAndTheHelpTextExists)
{
    std::filesystem::path path = HostFolder() / "Languages" / "ALL_MSG.xml";
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file(path.c_str())) << path;
    int entries = 0;
    for (pugi::xml_node section : document.document_element().children()) {
        for (pugi::xml_node entry : section.children()) {
            ++entries;
            EXPECT_STRNE(entry.attribute("en").value(), "") << section.name() << "/" << entry.name();
            EXPECT_STRNE(entry.attribute("cn").value(), "") << section.name() << "/" << entry.name();
        }
    }
    EXPECT_GT(entries, 0);
    EXPECT_TRUE(document.document_element().child("gMSG_4").child("S01"));
}

TEST(ShippedHelpDocument, IsACompletePdf)
{
    std::ifstream file(HostFolder() / "Help" / "Help.pdf", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes.compare(0, 5, "%PDF-"), 0);
    EXPECT_NE(bytes.find("%%EOF", bytes.size() - 32), std::string::npos);
    EXPECT_NE(bytes.find("/Type /Page"), std::string::npos);
}

}  // namespace
}  // namespace ov
