// The settings store under faults, one group per fault: a read-only file, a full disk, a store locked
// by another process past the busy timeout, a file replaced by junk between two calls. Each time reads
// give their defaults, exactly one problem is reported, no stored value is lost, the file stays sound
// and the next write after the fault works.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "SettingsTestSupport.h"
#include "framework/settings/RegKeyHandle.h"

extern char** environ;

namespace ov::test {
namespace {

constexpr std::string_view kKept = "Software\\Ornivex\\Kept";
constexpr std::string_view kDialogKey = "Software\\Ornivex\\MP\\AppSettings";
constexpr int kKeptValues = 40;

std::vector<uint8_t> KeptData(int i)
{
    return RawDword(0xA5000000u + static_cast<uint32_t>(i));
}

// Records every problem the store reports.
class StoreFaultTest : public FreshStoreTest {
protected:
    void SetUp() override
    {
        FreshStoreTest::SetUp();
        previous_ =
            RegistryStore::SetProblemListener([this](const StoreProblem& p) { problems_.push_back(p); });
    }
    void TearDown() override
    {
        RegistryStore::SetProblemListener(std::move(previous_));
        RegistryStore::SetBusyTimeoutForTesting(5000);
        FreshStoreTest::TearDown();
    }

    void UseStore(const std::filesystem::path& path)
    {
        store_path_ = path;
        RegistryStore::ResetForTesting(path.string());
    }
    void FillStore()
    {
        for (int i = 0; i < kKeptValues; ++i)
            ASSERT_TRUE(Store().WriteValue(kKept, {"v" + std::to_string(i), kRegDword, KeptData(i)}));
    }
    // What a dialog does while the store is failing: open its key, read with defaults, save.
    void OpenDialogAndSave(bool stored_values_readable)
    {
        RegKeyHandle dialog(kDialogKey);
        EXPECT_EQ(dialog.ReadDword("UI_ERBKColor", 0xF0F0F0), 0xF0F0F0u);
        EXPECT_EQ(dialog.ReadString("Name", u"default"), u"default");
        dialog.WriteDword("UI_ERBKColor", 7);
        EXPECT_FALSE(dialog.WriteString("Name", u"typed"));
        EXPECT_FALSE(Store().WriteValue(kKept, {"v0", kRegDword, RawDword(1)}));
        EXPECT_FALSE(Store().DeleteValue(kKept, "v1"));
        RegKeyHandle kept(kKept);
        const uint32_t fallback = 12345;
        EXPECT_EQ(kept.ReadDword("v3", fallback),
                  stored_values_readable ? DwordFromBytes(KeptData(3)) : fallback);
    }
    void ExpectOneProblem(StoreProblemKind kind)
    {
        ASSERT_EQ(problems_.size(), 1u);
        EXPECT_EQ(problems_[0].kind, kind) << problems_[0].detail;
        EXPECT_EQ(problems_[0].path, store_path_.string());
        EXPECT_FALSE(problems_[0].detail.empty());
    }
    // The store serves again: a new write lands, every earlier value is there, the file is sound.
    void ExpectRecovered()
    {
        EXPECT_TRUE(Store().WriteValue(kDialogKey, {"UI_ERBKColor", kRegDword, RawDword(9)}));
        RegKeyHandle dialog(kDialogKey);
        EXPECT_EQ(dialog.ReadDword("UI_ERBKColor", 0), 9u);
        EXPECT_EQ(Store().IntegrityCheck(), "ok");
        const auto values = Store().ListValues(kKept);
        ASSERT_TRUE(values);
        ASSERT_EQ(values->size(), static_cast<size_t>(kKeptValues));
        for (int i = 0; i < kKeptValues; ++i) {
            const auto value = Store().ReadValue(kKept, "v" + std::to_string(i));
            ASSERT_TRUE(value) << i;
            EXPECT_EQ(value->data, KeptData(i)) << i;
        }
    }

    std::vector<StoreProblem> problems_;
    StoreProblemListener previous_;
};

TEST_F(StoreFaultTest, ReadOnlyFileServesReadsRefusesWritesOnceAndWritesAgainWhenWritable)
{
    FillStore();
    RegistryStore::ResetForTesting(store_path_.string());  // closed: the next call opens the file anew
    ScopedMount read_only;
    if (geteuid() == 0) {
        read_only = ScopedMount::ReadOnly(store_path_);
        if (!read_only.Mounted()) GTEST_SKIP() << "cannot make a file read-only for root here";
    } else {
        std::filesystem::permissions(store_path_, std::filesystem::perms::owner_read);
    }
    ASSERT_NE(access(store_path_.c_str(), W_OK), 0) << "the file is still writable";

    OpenDialogAndSave(true);
    OpenDialogAndSave(true);
    ExpectOneProblem(StoreProblemKind::kReadOnly);
    EXPECT_EQ(Store().IntegrityCheck(), "ok");

    read_only.Unmount();
    std::filesystem::permissions(store_path_,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ExpectRecovered();
    EXPECT_EQ(problems_.size(), 1u);
}

TEST_F(StoreFaultTest, FullDiskFailsWritesOnceKeepsEverythingAndWritesAgainWithSpace)
{
    const std::filesystem::path folder = ScratchFolder() / "small-disk";
    ScopedMount disk = ScopedMount::Tmpfs(folder, 1 << 20);
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    UseStore(folder / "registry.sqlite3");
    FillStore();
    // Fill every free block of the disk.
    const std::filesystem::path filler = folder / "filler";
    {
        std::ofstream out(filler, std::ios::binary);
        const std::string block(4096, 'x');
        while (out.write(block.data(), static_cast<std::streamsize>(block.size()))) {
        }
    }
    EXPECT_FALSE(Store().WriteValue(kKept, {"big", kRegBinary, std::vector<uint8_t>(64 << 10, 1)}));
    OpenDialogAndSave(true);
    OpenDialogAndSave(true);
    ExpectOneProblem(StoreProblemKind::kDiskFull);
    EXPECT_EQ(Store().IntegrityCheck(), "ok");

    std::filesystem::remove(filler);
    ExpectRecovered();
    EXPECT_EQ(problems_.size(), 1u);
}

// A second process that holds the store locked until its standard input closes.
class LockHolder {
public:
    explicit LockHolder(const std::filesystem::path& store)
    {
        int to_child[2];
        int from_child[2];
        if (pipe(to_child) != 0 || pipe(from_child) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, to_child[0], 0);
        posix_spawn_file_actions_adddup2(&actions, from_child[1], 1);
        posix_spawn_file_actions_addclose(&actions, to_child[1]);
        posix_spawn_file_actions_addclose(&actions, from_child[0]);
        std::string program = OV_STORE_WRITER;
        std::string hold = "--hold";
        std::string path = store.string();
        char* argv[] = {program.data(), hold.data(), path.data(), nullptr};
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv, environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(to_child[0]);
        close(from_child[1]);
        input_ = to_child[1];
        char said[8] = {};
        locked_ = pid_ > 0 && read(from_child[0], said, 7) == 7 && std::string(said) == "locked\n";
        close(from_child[0]);
    }
    ~LockHolder() { Release(); }
    bool Locked() const { return locked_; }
    // Closes the holder's input and waits for it: the lock is gone afterwards. True when it exited 0.
    bool Release()
    {
        if (input_ >= 0) close(input_);
        input_ = -1;
        int status = 0;
        const bool ended = pid_ > 0 && waitpid(pid_, &status, 0) == pid_;
        pid_ = -1;
        return ended && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

private:
    pid_t pid_ = -1;
    int input_ = -1;
    bool locked_ = false;
};

// Readers are not blocked by a writer (WAL): stored values still read, new keys read as defaults.
TEST_F(StoreFaultTest, LockHeldPastTheBusyTimeoutFailsWritesOnceAndReleasesCleanly)
{
    FillStore();
    RegistryStore::SetBusyTimeoutForTesting(100);
    LockHolder holder(store_path_);
    ASSERT_TRUE(holder.Locked());

    OpenDialogAndSave(true);
    OpenDialogAndSave(true);
    ExpectOneProblem(StoreProblemKind::kBusy);

    ASSERT_TRUE(holder.Release());
    ExpectRecovered();
    EXPECT_FALSE(Store().KeyExists("Held")) << "the holder's uncommitted key leaked";
    EXPECT_EQ(problems_.size(), 1u);
}

// A good copy of the store, taken through SQLite while the store is in use.
void BackUp(const std::filesystem::path& store, const std::filesystem::path& copy)
{
    std::filesystem::remove(copy);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(store.c_str(), &db), SQLITE_OK);
    const std::string sql = "VACUUM INTO '" + copy.string() + "'";
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

const std::string kJunk(3000, '\x5A');

// Junk renamed over the store (a new file) or written into it in place (the same file): reads give
// defaults, the junk stays as it is, and the good copy the user puts back serves again.
TEST_F(StoreFaultTest, FileReplacedByJunkGivesDefaultsOnceStaysJunkAndTheRestoredStoreWorks)
{
    for (const bool renamed : {true, false}) {
        SCOPED_TRACE(renamed);
        UseStore(FreshStorePath(renamed ? "renamed" : "in-place"));
        problems_.clear();
        FillStore();
        const std::filesystem::path backup = store_path_.string() + ".backup";
        BackUp(store_path_, backup);
        if (renamed) {
            const std::filesystem::path junk = store_path_.string() + ".junk";
            std::ofstream(junk, std::ios::binary) << kJunk;
            std::filesystem::rename(junk, store_path_);
        } else {
            std::ofstream in_place(store_path_, std::ios::binary | std::ios::in | std::ios::out);
            in_place.write(kJunk.data(), static_cast<std::streamsize>(kJunk.size()));
        }
        const std::string junk_bytes = FileBytes(store_path_);
        ASSERT_EQ(junk_bytes.substr(0, kJunk.size()), kJunk);

        OpenDialogAndSave(false);
        OpenDialogAndSave(false);
        ExpectOneProblem(StoreProblemKind::kUnusable);
        EXPECT_EQ(FileBytes(store_path_), junk_bytes);

        if (renamed) {
            std::filesystem::rename(backup, store_path_);
        } else {
            std::filesystem::copy_file(backup, store_path_,
                                       std::filesystem::copy_options::overwrite_existing);
        }
        ExpectRecovered();
        EXPECT_EQ(problems_.size(), 1u);
    }
}

// Asking about keys that do not exist is no fault: nothing is reported and writes go on.
TEST_F(StoreFaultTest, MissingKeysReadAsMissingWithoutAProblem)
{
    FillStore();
    EXPECT_FALSE(Store().KeyExists("Software\\Missing"));
    EXPECT_FALSE(Store().ListValues("Software\\Missing"));
    EXPECT_FALSE(Store().ListSubkeys("Software\\Missing"));
    EXPECT_FALSE(Store().ReadValue("Software\\Missing", "v"));
    EXPECT_TRUE(Store().Apply({{RegEdit::Kind::kDeleteKey, "Software\\Missing", {}},
                               {RegEdit::Kind::kDeleteValue, std::string(kKept), {"absent", kRegDword, {}}}}))
        << "deleting what is not there is no failure";
    EXPECT_TRUE(problems_.empty()) << problems_.front().detail;
    ExpectRecovered();
}

// Pages damaged behind an intact header (a failing disk): the store reads its defaults, refuses to
// write into the damage, reports it once and leaves the file as it is.
TEST_F(StoreFaultTest, DamagedPagesBehindAnIntactHeaderAreReportedOnceAndNeverWrittenInto)
{
    FillStore();
    RegistryStore::ResetForTesting("");  // closed: every page is in the main file
    const size_t size = FileBytes(store_path_).size();
    ASSERT_GT(size, 4096u);
    {
        std::fstream file(store_path_, std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(4096);
        const std::string junk(size - 4096, '\x5A');
        file.write(junk.data(), static_cast<std::streamsize>(junk.size()));
    }
    const std::string damaged = FileBytes(store_path_);
    RegistryStore::ResetForTesting(store_path_.string());
    EXPECT_FALSE(Store().CreateKey("Software\\Ornivex\\New"));
    OpenDialogAndSave(false);
    ExpectOneProblem(StoreProblemKind::kUnusable);
    RegistryStore::ResetForTesting("");
    EXPECT_EQ(FileBytes(store_path_), damaged);
}

TEST_F(StoreFaultTest, AListenerThatFailsDoesNotFailTheCall)
{
    int heard = 0;
    RegistryStore::SetProblemListener([&](const StoreProblem&) {
        ++heard;
        throw std::bad_alloc();
    });
    std::ofstream(store_path_, std::ios::binary) << kJunk;
    RegistryStore::ResetForTesting(store_path_.string());
    uint32_t read = 0;
    EXPECT_NO_THROW(read = RegKeyHandle(kDialogKey).ReadDword("UI_ERBKColor", 0xF0F0F0));
    EXPECT_EQ(read, 0xF0F0F0u);
    EXPECT_EQ(heard, 1);
}

// Once a call succeeds after a lock outlasted the timeout, calls wait for locks again: a lock that is
// released while a write waits no longer fails the write.
TEST_F(StoreFaultTest, AfterTheLockIsGoneWritesWaitForLocksAgain)
{
    FillStore();
    RegistryStore::SetBusyTimeoutForTesting(100);
    {
        LockHolder holder(store_path_);
        ASSERT_TRUE(holder.Locked());
        EXPECT_FALSE(Store().WriteValue(kKept, {"v0", kRegDword, RawDword(1)}));
        ASSERT_TRUE(holder.Release());
    }
    ASSERT_TRUE(Store().WriteValue(kDialogKey, {"after", kRegDword, RawDword(1)}));
    RegistryStore::SetBusyTimeoutForTesting(60000);
    LockHolder holder(store_path_);
    ASSERT_TRUE(holder.Locked());
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        holder.Release();
    });
    EXPECT_TRUE(Store().WriteValue(kDialogKey, {"waited", kRegDword, RawDword(2)}));
    release.join();
    ExpectOneProblem(StoreProblemKind::kBusy);
    ExpectRecovered();
}

}  // namespace
}  // namespace ov::test
