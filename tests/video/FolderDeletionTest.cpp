// Deleting a frame folder: everything inside goes, nothing outside is touched. A sentinel file
// beside the tree must survive every case, including links inside the tree, the folder itself as a
// link, a link swapped in between two levels, "/" and the kept folders.
#include <gtest/gtest.h>

#include "animation/video/FolderDeletion.h"
#include "video/VideoTestSupport.h"

#include <filesystem>
#include <fstream>

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>

using namespace ov;
namespace fs = std::filesystem;

namespace {

class FolderDeletionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        base_ = ovtest::FreshFolder("deletion");
        outside_ = base_ / "outside";
        fs::create_directories(outside_ / "inner");
        Touch(outside_ / "sentinel");
        Touch(outside_ / "inner" / "sentinel");
        tree_ = base_ / "frames";
        fs::create_directories(tree_ / "a" / "b" / "c");
        fs::create_directories(tree_ / "d");
        for (const char* file : {"f0.png", "a/f1.png", "a/b/f2.png", "a/b/c/f3.png", "d/f4.png"})
            Touch(tree_ / file);
    }
    void TearDown() override { SetFolderDeletionHookForTesting({}); }

    static void Touch(const fs::path& file) { std::ofstream(file) << "x"; }

    void ExpectOutsideIntact() const
    {
        EXPECT_TRUE(fs::is_regular_file(outside_ / "sentinel"));
        EXPECT_TRUE(fs::is_regular_file(outside_ / "inner" / "sentinel"));
    }

    fs::path base_, outside_, tree_;
};

TEST_F(FolderDeletionTest, DeletesTheWholeTree)
{
    EXPECT_EQ(DeleteFolderTree(tree_.string(), {}), FolderDeletion::kDeleted);
    EXPECT_FALSE(fs::exists(tree_));
    ExpectOutsideIntact();
    EXPECT_EQ(DeleteFolderTree(tree_.string(), {}), FolderDeletion::kMissing);
}

TEST_F(FolderDeletionTest, LinksInsideAreRemovedAsLinks)
{
    fs::create_directory_symlink(outside_, tree_ / "a" / "to-outside");
    fs::create_symlink(outside_ / "sentinel", tree_ / "a" / "b" / "to-sentinel");
    fs::create_directory_symlink(outside_ / "inner", tree_ / "inner-link");
    EXPECT_EQ(DeleteFolderTree((tree_ / "").string(), {}), FolderDeletion::kDeleted);
    EXPECT_FALSE(fs::exists(tree_));
    ExpectOutsideIntact();
}

TEST_F(FolderDeletionTest, RefusesHostileAndKeptFolders)
{
    const fs::path link = base_ / "frames-link";
    fs::create_directory_symlink(outside_, link);
    const fs::path home = base_ / "home";
    const fs::path appData = base_ / "home" / "data" / "Ornivex_DLG";
    fs::create_directories(appData / "Temp");
    Touch(home / "sentinel");
    Touch(appData / "sentinel");
    const std::vector<std::string> kept = {home.string(), appData.string()};
    const fs::path homeLink = base_ / "home-link";
    fs::create_directory_symlink(home, homeLink);

    struct Case {
        std::string path;
        FolderDeletion expected;
    };
    const Case cases[] = {
        {link.string(), FolderDeletion::kRefusedLink},
        {link.string() + "/", FolderDeletion::kRefusedLink},
        {"/", FolderDeletion::kRefusedRoot},
        {"//", FolderDeletion::kRefusedRoot},
        {"/..", FolderDeletion::kRefusedName},
        {(outside_ / "..").string(), FolderDeletion::kRefusedName},
        {(outside_ / ".").string(), FolderDeletion::kRefusedName},
        {"", FolderDeletion::kRefusedName},
        {"frames", FolderDeletion::kRefusedName},
        {home.string(), FolderDeletion::kRefusedKept},
        {(base_ / "." / "home").string() + "//", FolderDeletion::kRefusedKept},
        {(homeLink / "data" / "Ornivex_DLG").string(), FolderDeletion::kRefusedKept},
        {appData.string(), FolderDeletion::kRefusedKept},
        {(outside_ / "sentinel").string(), FolderDeletion::kNotAFolder},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DeleteFolderTree(c.path, kept), c.expected) << "'" << c.path << "'";
        ExpectOutsideIntact();
    }
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_regular_file(home / "sentinel"));
    EXPECT_TRUE(fs::is_regular_file(appData / "sentinel"));
    // Below the kept folders, frame folders go as usual.
    EXPECT_EQ(DeleteFolderTree((appData / "Temp").string(), kept), FolderDeletion::kDeleted);
    EXPECT_TRUE(fs::is_directory(appData));
}

// Between listing a level and opening it, the sub-folder is replaced by a link to the outside: the
// link is removed, the outside is not entered.
TEST_F(FolderDeletionTest, ALinkSwappedInBetweenTwoLevelsIsNotFollowed)
{
    const fs::path moved = base_ / "moved";
    std::vector<std::string> seen;
    SetFolderDeletionHookForTesting([&](const std::string& path) {
        seen.push_back(path);
        if (fs::path(path) == tree_ / "a" / "b") {
            fs::rename(path, moved);
            fs::create_directory_symlink(outside_, path);
        }
    });
    EXPECT_EQ(DeleteFolderTree(tree_.string(), {}), FolderDeletion::kDeleted);
    EXPECT_FALSE(fs::exists(tree_));
    ExpectOutsideIntact();
    EXPECT_TRUE(fs::is_regular_file(moved / "f2.png"));  // what was swapped away was never reached
    EXPECT_NE(std::find(seen.begin(), seen.end(), (tree_ / "a" / "b").string()), seen.end());
}

// A level that turns into a plain file in between is removed as that file.
TEST_F(FolderDeletionTest, ALevelReplacedByAFileIsRemovedAsAFile)
{
    SetFolderDeletionHookForTesting([&](const std::string& path) {
        if (fs::path(path) == tree_ / "d") {
            fs::remove_all(path);
            Touch(path);
        }
    });
    EXPECT_EQ(DeleteFolderTree(tree_.string(), {}), FolderDeletion::kDeleted);
    EXPECT_FALSE(fs::exists(tree_));
}

// What cannot be removed is reported, and everything else still goes.
TEST_F(FolderDeletionTest, AnUnremovableEntryLeavesTheRestDeleted)
{
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    fs::permissions(tree_ / "a" / "b" / "c", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(DeleteFolderTree(tree_.string(), {}), FolderDeletion::kIncomplete);
    fs::permissions(tree_ / "a" / "b" / "c", fs::perms::owner_all);
    EXPECT_TRUE(fs::exists(tree_ / "a" / "b" / "c" / "f3.png"));
    EXPECT_FALSE(fs::exists(tree_ / "d"));
    EXPECT_FALSE(fs::exists(tree_ / "f0.png"));
}

// Another filesystem mounted inside the tree is not entered: what lies on it stays, the rest goes.
TEST_F(FolderDeletionTest, AMountedFilesystemInsideIsNotEntered)
{
    if (geteuid() != 0) GTEST_SKIP() << "mounting needs the superuser";
    const fs::path mountPoint = tree_ / "a" / "mounted";
    fs::create_directories(mountPoint);
    if (mount("ov-test", mountPoint.c_str(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "cannot mount here: " << std::strerror(errno);
    Touch(mountPoint / "kept");
    EXPECT_EQ(DeleteFolderTree(tree_.string(), {}), FolderDeletion::kIncomplete);
    EXPECT_TRUE(fs::exists(mountPoint / "kept"));
    EXPECT_FALSE(fs::exists(tree_ / "a" / "f1.png"));
    EXPECT_FALSE(fs::exists(tree_ / "d"));
    umount2(mountPoint.c_str(), MNT_DETACH);
    ExpectOutsideIntact();
}

TEST_F(FolderDeletionTest, AFolderUnderAMissingParentIsMissing)
{
    EXPECT_EQ(DeleteFolderTree((base_ / "no-such" / "frames").string(), {}), FolderDeletion::kMissing);
    ExpectOutsideIntact();
}

}  // namespace
