// Deleting a frame folder: everything inside goes, nothing outside is touched. Sentinel files beside
// the tree survive every row: links inside the tree, the folder itself as a link, a link swapped in
// between two levels, "/", the kept folders, a mounted filesystem and an entry that cannot go.
#include <gtest/gtest.h>

#include "animation/video/FolderDeletion.h"
#include "video/VideoTestSupport.h"

#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

using namespace ov;
namespace fs = std::filesystem;

namespace {

void Touch(const fs::path& file)
{
    std::ofstream(file) << "x";
}

std::string Remaining(const fs::path& tree)
{
    if (!fs::exists(fs::symlink_status(tree))) return "gone";
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(tree))
        if (!entry.is_directory()) files.insert(entry.path().lexically_relative(tree).string());
    std::string left;
    for (const std::string& file : files) left += (left.empty() ? "" : ",") + file;
    return left;
}

// Every row starts from the same tree: base/frames with files three levels deep, links from inside it
// to the outside, a link to the outside beside it, a home folder with the application-data folder.
TEST(FolderDeletion, NothingOutsideTheFolderIsEverTouched)
{
    struct Case {
        const char* path;  // below the row's folder; "=" takes the rest as it is
        FolderDeletion expected;
        bool framesGo;
        const char* hookAt = nullptr;  // this level is moved away and a link to the outside ("a/b") or a
                                       // file ("d") put in its place between listing and opening it
        const char* moved = "gone";    // what is left of the level moved away
    };
    const Case cases[] = {
        {"frames/", FolderDeletion::kDeleted, true},
        {"frames", FolderDeletion::kDeleted, true, "a/b", "c/f3.png,f2.png,to-sentinel"},
        {"frames", FolderDeletion::kDeleted, true, "d", "f4.png"},
        {"link/", FolderDeletion::kRefusedLink, false},
        {"=//", FolderDeletion::kRefusedRoot, false},
        {"outside/..", FolderDeletion::kRefusedName, false},
        {"outside/.", FolderDeletion::kRefusedName, false},
        {"=frames", FolderDeletion::kRefusedName, false},
        {"=", FolderDeletion::kRefusedName, false},
        {"./home//", FolderDeletion::kRefusedKept, false},
        {"home-link/data/Ornivex_DLG", FolderDeletion::kRefusedKept, false},
        {"home/data/Ornivex_DLG/Temp", FolderDeletion::kDeleted, false},
        {"outside/sentinel", FolderDeletion::kNotAFolder, false},
        {"no-such/frames", FolderDeletion::kMissing, false},
    };
    const char* sentinels[] = {"outside/sentinel", "outside/inner/sentinel", "home/sentinel",
                               "home/data/Ornivex_DLG/sentinel"};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path) + (c.hookAt ? std::string(" swapping ") + c.hookAt : ""));
        const fs::path base = ovtest::FreshFolder("deletion");
        fs::create_directories(base / "outside" / "inner");
        fs::create_directories(base / "home" / "data" / "Ornivex_DLG" / "Temp");
        fs::create_directories(base / "frames" / "a" / "b" / "c");
        fs::create_directories(base / "frames" / "d");
        for (const char* file : sentinels) Touch(base / file);
        for (const char* file : {"f0.png", "a/f1.png", "a/b/f2.png", "a/b/c/f3.png", "d/f4.png"})
            Touch(base / "frames" / file);
        fs::create_directory_symlink(base / "outside", base / "frames" / "a" / "to-outside");
        fs::create_symlink(base / "outside" / "sentinel", base / "frames" / "a" / "b" / "to-sentinel");
        fs::create_directory_symlink(base / "outside", base / "link");
        fs::create_directory_symlink(base / "home", base / "home-link");
        const fs::path hooked = c.hookAt ? base / "frames" / c.hookAt : fs::path();
        SetFolderDeletionHookForTesting([&](const std::string& path) {
            if (fs::path(path) != hooked) return;
            fs::rename(path, base / "moved");
            if (c.hookAt == std::string("d")) {
                Touch(path);
            } else {
                fs::create_directory_symlink(base / "outside", path);
            }
        });
        const std::string folder = c.path[0] == '=' ? std::string(c.path + 1) : (base / c.path).string();
        const std::vector<std::string> kept = {(base / "home").string(),
                                               (base / "home" / "data" / "Ornivex_DLG").string()};
        EXPECT_EQ(DeleteFolderTree(folder, kept), c.expected) << "'" << folder << "'";
        SetFolderDeletionHookForTesting({});
        for (const char* file : sentinels) EXPECT_TRUE(fs::is_regular_file(base / file)) << file;
        EXPECT_EQ(Remaining(base / "frames"),
                  c.framesGo ? "gone" : "a/b/c/f3.png,a/b/f2.png,a/b/to-sentinel,a/f1.png,d/f4.png,f0.png");
        EXPECT_EQ(Remaining(base / "moved"), c.moved);  // what was swapped away was never reached
    }
}

// What cannot be removed is reported and everything else still goes: another filesystem mounted
// inside (as the superuser) or a folder without write permission (as anyone else).
TEST(FolderDeletion, WhatCannotGoIsReportedAndTheRestGoes)
{
    const fs::path tree = ovtest::FreshFolder("deletion-incomplete") / "frames";
    fs::create_directories(tree / "stays");
    Touch(tree / "f0.png");
    const bool root = geteuid() == 0;
    if (root && mount("ov-test", (tree / "stays").c_str(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "cannot mount here";
    Touch(tree / "stays" / "f.png");
    if (!root) fs::permissions(tree / "stays", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(DeleteFolderTree(tree.string(), {}), FolderDeletion::kIncomplete);
    if (!root) fs::permissions(tree / "stays", fs::perms::owner_all);
    EXPECT_EQ(Remaining(tree), "stays/f.png");
    if (root) umount2((tree / "stays").c_str(), MNT_DETACH);
}

}  // namespace
