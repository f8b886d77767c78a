// Whole-or-nothing file replacement, one group per fault: a full disk, a failure at each step, a crash
// at each step, and targets that are links, link loops or folders. The old file always survives whole.
#include "framework/files/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

#include "settings/SettingsTestSupport.h"

namespace ov::test {
namespace {

namespace fs = std::filesystem;

const std::string kOld = "the previous content\n";

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = ScratchFolder() / ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        target_ = folder_ / "history.his";
        std::ofstream(target_, std::ios::binary) << kOld;
    }
    void TearDown() override { SetAtomicWriteFaultForTesting(nullptr); }

    // Names in the folder: no temporary file may stay behind after a reported failure.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder_;
    fs::path target_;
};

std::string Bytes(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('a' + i % 23);
    return bytes;
}

TEST_F(AtomicFileTest, ReplacesTheContentAndKeepsThePermissionBits)
{
    fs::permissions(target_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string fresh = Bytes(200000);  // several chunks
    ASSERT_TRUE(WriteFileAtomically(target_, fresh));
    EXPECT_EQ(FileBytes(target_), fresh);
    EXPECT_EQ(fs::status(target_).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Entries(), std::vector<std::string>{"history.his"});

    const fs::path created = folder_ / "new.txt";
    ASSERT_TRUE(WriteFileAtomically(created, ""));
    EXPECT_TRUE(fs::is_regular_file(created));
    EXPECT_EQ(FileBytes(created), "");
}

TEST_F(AtomicFileTest, FullDiskKeepsTheOldFileWholeAndLeavesNoTemporaryFile)
{
    ScopedMount disk = ScopedMount::Tmpfs(folder_, 256 << 10);
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    std::ofstream(target_, std::ios::binary) << kOld;
    const FileWriteResult result = WriteFileAtomically(target_, Bytes(1 << 20));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, ENOSPC) << result.Message();
    EXPECT_EQ(FileBytes(target_), kOld);
    EXPECT_EQ(Entries(), std::vector<std::string>{"history.his"});
    // The space the failed write took is free again: a write that fits works.
    EXPECT_TRUE(WriteFileAtomically(target_, Bytes(100 << 10)));
    EXPECT_EQ(FileBytes(target_), Bytes(100 << 10));
}

TEST_F(AtomicFileTest, AFailureAtAnyStepIsReportedAndKeepsTheOldFile)
{
    for (const AtomicWriteStep failing : {AtomicWriteStep::kCreate, AtomicWriteStep::kWrite,
                                          AtomicWriteStep::kSync, AtomicWriteStep::kRename}) {
        SCOPED_TRACE(static_cast<int>(failing));
        int writes = 0;
        // A failing write step fails its second chunk: half the data is already out.
        SetAtomicWriteFaultForTesting([&](AtomicWriteStep step) {
            if (step == AtomicWriteStep::kWrite && ++writes < 2) return 0;
            return step == failing ? EIO : 0;
        });
        const FileWriteResult result = WriteFileAtomically(target_, Bytes(300000));
        EXPECT_EQ(result.error, EIO);
        EXPECT_FALSE(result.Message().empty());
        EXPECT_EQ(FileBytes(target_), kOld);
        EXPECT_EQ(Entries(), std::vector<std::string>{"history.his"});
    }
}

// The process dies at each step (a crash, a kill): the file holds the old bytes, never a part.
TEST_F(AtomicFileTest, ACrashAtAnyStepLeavesTheOldFileWhole)
{
    const std::string fresh = Bytes(300000);
    for (const AtomicWriteStep dying : {AtomicWriteStep::kCreate, AtomicWriteStep::kWrite,
                                        AtomicWriteStep::kSync, AtomicWriteStep::kRename}) {
        SCOPED_TRACE(static_cast<int>(dying));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int writes = 0;
            SetAtomicWriteFaultForTesting([&](AtomicWriteStep step) {
                if (step == dying && (step != AtomicWriteStep::kWrite || ++writes == 3)) _exit(7);
                return 0;
            });
            WriteFileAtomically(target_, fresh);
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 7) << "the writer did not die at the step";
        EXPECT_EQ(FileBytes(target_), kOld);
    }
    // Without a crash the same write lands whole.
    ASSERT_TRUE(WriteFileAtomically(target_, fresh));
    EXPECT_EQ(FileBytes(target_), fresh);
}

TEST_F(AtomicFileTest, ALinkIsFollowedALoopAndAFolderAreRefused)
{
    const fs::path link = folder_ / "link.his";
    fs::create_symlink(target_.filename(), link);
    ASSERT_TRUE(WriteFileAtomically(link, "through the link"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(FileBytes(target_), "through the link");

    const fs::path loop = folder_ / "loop";
    fs::create_symlink("loop", loop);
    EXPECT_EQ(WriteFileAtomically(loop, "x").error, ELOOP);
    EXPECT_TRUE(fs::is_symlink(loop));

    const fs::path folder = folder_ / "folder";
    fs::create_directories(folder / "inside");
    EXPECT_FALSE(WriteFileAtomically(folder, "x"));
    EXPECT_TRUE(fs::is_directory(folder / "inside"));

    EXPECT_EQ(WriteFileAtomically(folder_ / "missing" / "file", "x").error, ENOENT);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"folder", "history.his", "link.his", "loop"}));
}

}  // namespace
}  // namespace ov::test
