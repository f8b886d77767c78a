// Whole-or-nothing file replacement: a failure or a crash at each step and a full disk leave the old
// file whole and no temporary file behind; links are followed, link loops and folders refused.
#include "framework/files/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <set>

#include "settings/SettingsTestSupport.h"

namespace ov::test {
namespace {

namespace fs = std::filesystem;

const std::string kOld = "the previous content\n";
const std::string kFresh(300000, 'n');  // several chunks

// Names in the folder, sorted: no temporary file may stay behind.
std::string Entries(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
    std::string joined;
    for (const std::string& name : names) joined += name + " ";
    return joined;
}

// A write whose step `step` fails (EIO) or, with `crash`, ends the process; data fails at its second
// chunk, when part of it is already out. Returns the errno the write reported, or -1 for a crash.
int WriteFailingAt(const fs::path& target, AtomicWriteStep step, bool crash)
{
    const pid_t child = crash ? fork() : 0;
    if (child < 0) return -2;
    if (child > 0) {
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 7 ? -1 : status;
    }
    int writes = 0;
    SetAtomicWriteFaultForTesting([&](AtomicWriteStep now) {
        if (now != step || (now == AtomicWriteStep::kWrite && ++writes < 2)) return 0;
        if (crash) _exit(7);
        return EIO;
    });
    const int error = WriteFileAtomically(target, kFresh).error;
    SetAtomicWriteFaultForTesting(nullptr);
    if (crash) _exit(0);
    return error;
}

TEST(AtomicFile, FailureCrashOrFullDiskLeaveTheOldFileWholeAndASuccessReplacesIt)
{
    const fs::path folder = ScratchFolder() / "atomic";
    fs::remove_all(folder);
    ScopedMount disk = ScopedMount::Tmpfs(folder, 4 << 20);  // without root: an ordinary folder
    const fs::path target = folder / "history.his";
    std::ofstream(target, std::ios::binary) << kOld;
    if (disk.Mounted()) {
        const FileWriteResult full = WriteFileAtomically(target, std::string(8 << 20, 'f'));
        EXPECT_EQ(full.error, ENOSPC) << full.Message();
        EXPECT_EQ(FileBytes(target), kOld);
        EXPECT_EQ(Entries(folder), "history.his ");
    }
    for (const bool crash : {false, true}) {
        for (const AtomicWriteStep step : {AtomicWriteStep::kCreate, AtomicWriteStep::kWrite,
                                           AtomicWriteStep::kSync, AtomicWriteStep::kRename}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(step)) + (crash ? " crash" : " failure"));
            EXPECT_EQ(WriteFailingAt(target, step, crash), crash ? -1 : EIO);
            EXPECT_EQ(FileBytes(target), kOld);
            EXPECT_TRUE(crash || Entries(folder) == "history.his ") << Entries(folder);
        }
    }
    for (const auto& entry : fs::directory_iterator(folder))  // the crashed writers' temporary files
        if (entry.path().filename() != "history.his") fs::remove(entry.path());
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteFileAtomically(target, kFresh));
    EXPECT_EQ(FileBytes(target), kFresh);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteFileAtomically(folder / "new.txt", ""));
    EXPECT_EQ(Entries(folder), "history.his new.txt ");
}

TEST(AtomicFile, ALinkIsFollowedALoopAFolderAndAMissingFolderAreRefused)
{
    const fs::path folder = ScratchFolder() / "atomic-links";
    fs::remove_all(folder);
    fs::create_directories(folder / "folder" / "inside");
    std::ofstream(folder / "history.his") << kOld;
    fs::create_symlink("history.his", folder / "link.his");
    ASSERT_TRUE(WriteFileAtomically(folder / "link.his", "through the link"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.his"));
    EXPECT_EQ(FileBytes(folder / "history.his"), "through the link");
    fs::create_symlink("loop", folder / "loop");
    EXPECT_EQ(WriteFileAtomically(folder / "loop", "x").error, ELOOP);
    EXPECT_FALSE(WriteFileAtomically(folder / "folder", "x"));
    EXPECT_TRUE(fs::is_directory(folder / "folder" / "inside"));
    EXPECT_EQ(WriteFileAtomically(folder / "missing" / "file", "x").error, ENOENT);
    EXPECT_EQ(Entries(folder), "folder history.his link.his loop ");
}

}  // namespace
}  // namespace ov::test
