// Remembered folders of file dialogs: the folder part of a confirmed path, per slot, with the read
// limit that makes long folders fall back to the system's choice.
#include "framework/RememberedFolder.h"

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "framework/RegKeyHandle.h"

namespace ov::test {
namespace {

struct FolderCase {
    const char* label;
    std::string path;
    std::string folder;
};

class FolderOfPathTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderOfPathTest, KeepsTextUpToTheLastSlash)
{
    EXPECT_EQ(FolderOfPath(GetParam().path), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(Paths, FolderOfPathTest,
                         ::testing::Values(FolderCase{"file", "/home/u/data.txt", "/home/u/"},
                                           FolderCase{"bare_name", "data.txt", ""},
                                           FolderCase{"empty", "", ""},
                                           FolderCase{"root_file", "/data.txt", "/"},
                                           FolderCase{"folder_itself", "/home/u/", "/home/u/"},
                                           FolderCase{"relative", "a/b/c.txt", "a/b/"},
                                           FolderCase{"backslash_is_a_letter", "/x/a\\b.txt", "/x/"}),
                         [](const auto& info) { return std::string(info.param.label); });

using RememberedFolderTest = FreshStoreTest;

TEST_F(RememberedFolderTest, EachSlotRemembersItsOwnFolder)
{
    EXPECT_EQ(ReadRememberedFolder(3), "");
    RememberFolderOf(3, "/home/user/hotkeys/keys.hkf");
    RememberFolderOf(4, "/srv/Grüße/data.csv");
    EXPECT_EQ(ReadRememberedFolder(3), "/home/user/hotkeys/");
    EXPECT_EQ(ReadRememberedFolder(4), "/srv/Grüße/");
    EXPECT_EQ(RegKeyHandle(kRememberedFolderKey).ReadString("LID_3", u"?"), u"/home/user/hotkeys/");
}

TEST_F(RememberedFolderTest, FolderOf150CharactersIsWrittenButReadsAsTheDefault)
{
    const std::string folder = "/" + std::string(148, 'd') + "/";
    ASSERT_EQ(folder.size(), 150u);
    RememberFolderOf(1, folder + "file.txt");
    const auto stored = Store().ReadValue(kRememberedFolderKey, "LID_1");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->data.size(), 151u * 2);
    EXPECT_EQ(ReadRememberedFolder(1), "");
}

TEST_F(RememberedFolderTest, DeletedKeyGivesTheDefaultAndIsRecreatedByTheRead)
{
    RememberFolderOf(2, "/tmp/x/y.txt");
    ASSERT_TRUE(Store().DeleteKeyTree("Software\\Ornivex\\MP\\FDInit"));
    EXPECT_EQ(ReadRememberedFolder(2), "");
    EXPECT_TRUE(Store().KeyExists(kRememberedFolderKey));
}

}  // namespace
}  // namespace ov::test
