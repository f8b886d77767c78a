// The settings store under faults, one row per fault: a read-only file, a full disk, a store locked
// past the busy timeout, and a store file that is junk, another program's database, a folder or has
// damaged pages. Each time reads give their defaults, exactly one problem is reported (even by a
// listener that throws), the fault's file is left as it is, and once the fault is gone the next write
// works and no stored value is lost.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "SettingsTestSupport.h"
#include "framework/settings/RegKeyHandle.h"

namespace ov::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kKept = "Software\\Ornivex\\Kept";
constexpr std::string_view kDialogKey = "Software\\Ornivex\\MP\\AppSettings";
constexpr int kKeptValues = 40;

std::vector<uint8_t> KeptData(int i)
{
    return RawDword(0xA5000000u + static_cast<uint32_t>(i));
}

// A second connection that holds the store's write lock, uncommitted, until released.
class LockHolder {
public:
    explicit LockHolder(const fs::path& store)
    {
        sqlite3* raw = nullptr;
        sqlite3_open(store.c_str(), &raw);
        db_.reset(raw);
        locked_ =
            sqlite3_exec(raw, "BEGIN IMMEDIATE; INSERT INTO reg_keys(folded, path) VALUES('held', 'Held');",
                         nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    bool Locked() const { return locked_; }
    void Release() { db_.reset(); }  // closing rolls the transaction back

private:
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> db_{nullptr, sqlite3_close};
    bool locked_ = false;
};

class StoreFaultTest : public FreshStoreTest {
protected:
    void SetUp() override
    {
        FreshStoreTest::SetUp();
        previous_ = RegistryStore::SetProblemListener([this](const StoreProblem& p) {
            problems_.push_back(p);
            throw std::bad_alloc();  // a report that fails must not fail the call
        });
    }
    void TearDown() override
    {
        RegistryStore::SetProblemListener(std::move(previous_));
        RegistryStore::SetBusyTimeoutForTesting(5000);
        FreshStoreTest::TearDown();
    }
    void UseStore(const fs::path& path)
    {
        store_path_ = path;
        RegistryStore::ResetForTesting(path.string());
        problems_.clear();
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
        EXPECT_FALSE(Store().CreateKey("Software\\Ornivex\\New"));
        EXPECT_EQ(RegKeyHandle(kKept).ReadDword("v3", 12345),
                  stored_values_readable ? DwordFromBytes(KeptData(3)) : 12345u);
    }
    // The store serves again: a new write lands, every earlier value is there, the file is sound.
    void ExpectRecovered()
    {
        EXPECT_TRUE(Store().WriteValue(kDialogKey, {"UI_ERBKColor", kRegDword, RawDword(9)}));
        EXPECT_EQ(RegKeyHandle(kDialogKey).ReadDword("UI_ERBKColor", 0), 9u);
        EXPECT_EQ(Store().IntegrityCheck(), "ok");
        EXPECT_FALSE(Store().KeyExists("Held")) << "another writer's uncommitted key leaked";
        ASSERT_EQ(Store().ListValues(kKept)->size(), static_cast<size_t>(kKeptValues));
        for (int i = 0; i < kKeptValues; ++i)
            EXPECT_EQ(Store().ReadValue(kKept, "v" + std::to_string(i))->data, KeptData(i)) << i;
    }

    std::vector<StoreProblem> problems_;
    StoreProblemListener previous_;
};

// A good copy of the store, taken through SQLite while the store is in use.
void BackUp(const fs::path& store, const fs::path& copy)
{
    fs::remove(copy);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(store.c_str(), &db), SQLITE_OK);
    const std::string sql = "VACUUM INTO '" + copy.string() + "'";
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

struct Fault {
    const char* name;
    StoreProblemKind kind;
    bool reads_stored;              // stored values still read during the fault
    bool small_disk;                // the store lies on a 1 MiB tmpfs
    bool left_as_it_is;             // the faulty file's bytes stay untouched
    std::function<bool()> inflict;  // false: this machine cannot make the fault
    std::function<void()> repair;
};

TEST_F(StoreFaultTest, EachFaultGivesDefaultsReportsOnceKeepsTheFileAndRecovers)
{
    ScopedMount mount;
    std::optional<LockHolder> holder;
    const fs::path junk_file = ScratchFolder() / "junk";
    std::ofstream(junk_file, std::ios::binary) << std::string(3000, '\x5A');
    const auto backup = [&] { return fs::path(store_path_.string() + ".backup"); };
    const auto restore = [&] { fs::copy_file(backup(), store_path_, fs::copy_options::overwrite_existing); };
    // Another file made beside the store and renamed over it, as an editor or a sync tool would.
    const auto RenameOver = [&](const std::function<void(const fs::path&)>& make) {
        make(store_path_.string() + ".new");
        fs::rename(store_path_.string() + ".new", store_path_);
        return true;
    };
    const Fault faults[] = {
        {"read-only", StoreProblemKind::kReadOnly, true, false, false,
         [&] {
             RegistryStore::ResetForTesting(store_path_.string());  // closed: the next call opens anew
             if (geteuid() == 0) return (mount = ScopedMount::ReadOnly(store_path_)).Mounted();
             fs::permissions(store_path_, fs::perms::owner_read);
             return access(store_path_.c_str(), W_OK) != 0;
         },
         [&] {
             mount.Unmount();
             fs::permissions(store_path_, fs::perms::owner_read | fs::perms::owner_write);
         }},
        {"full disk", StoreProblemKind::kDiskFull, true, true, false,
         [&] {
             std::ofstream out(store_path_.parent_path() / "filler", std::ios::binary);
             const std::string block(4096, 'x');
             while (out.write(block.data(), static_cast<std::streamsize>(block.size()))) {
             }
             out.close();
             return !Store().WriteValue(kKept, {"big", kRegBinary, std::vector<uint8_t>(64 << 10, 1)});
         },
         [&] { fs::remove(store_path_.parent_path() / "filler"); }},
        {"locked", StoreProblemKind::kBusy, true, false, false,
         [&] {
             RegistryStore::SetBusyTimeoutForTesting(100);
             return holder.emplace(store_path_).Locked();
         },
         [&] {
             holder->Release();
             // After a call succeeds, writes wait for locks again: a lock released meanwhile is fine.
             ASSERT_TRUE(Store().WriteValue(kDialogKey, {"after", kRegDword, RawDword(1)}));
             RegistryStore::SetBusyTimeoutForTesting(60000);
             ASSERT_TRUE(holder.emplace(store_path_).Locked());
             std::thread release([&] {
                 std::this_thread::sleep_for(std::chrono::milliseconds(300));
                 holder->Release();
             });
             EXPECT_TRUE(Store().WriteValue(kDialogKey, {"waited", kRegDword, RawDword(2)}));
             release.join();
         }},
        {"junk renamed over", StoreProblemKind::kUnusable, false, false, true,
         [&] { return RenameOver([&](const fs::path& p) { fs::copy_file(junk_file, p); }); }, restore},
        {"junk written in place", StoreProblemKind::kUnusable, false, false, true,
         [&] {
             const std::string junk = FileBytes(junk_file);
             std::ofstream(store_path_, std::ios::binary | std::ios::in | std::ios::out)
                 .write(junk.data(), static_cast<std::streamsize>(junk.size()));
             return true;
         },
         restore},
        {"foreign database", StoreProblemKind::kUnusable, false, false, true,
         [&] {
             return RenameOver([](const fs::path& path) {
                 sqlite3* db = nullptr;
                 sqlite3_open(path.c_str(), &db);
                 sqlite3_exec(db, "CREATE TABLE notes(t TEXT);", nullptr, nullptr, nullptr);
                 sqlite3_close(db);
             });
         },
         restore},
        {"a folder", StoreProblemKind::kUnusable, false, false, false,
         [&] {
             fs::remove(store_path_);
             return fs::create_directories(store_path_ / "inside");
         },
         [&] {
             EXPECT_TRUE(fs::is_directory(store_path_ / "inside"));
             fs::remove_all(store_path_);
             restore();
         }},
        {"damaged pages behind the header", StoreProblemKind::kUnusable, false, false, true,
         [&] {
             RegistryStore::ResetForTesting("");  // closed: every page is in the main file
             const size_t size = FileBytes(store_path_).size();
             std::fstream file(store_path_, std::ios::binary | std::ios::in | std::ios::out);
             file.seekp(4096);
             file << std::string(size - 4096, '\x5A');
             RegistryStore::ResetForTesting(store_path_.string());
             return size > 4096;
         },
         restore},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        if (fault.small_disk) {
            mount = ScopedMount::Tmpfs(ScratchFolder() / "small-disk", 1 << 20);
            if (!mount.Mounted()) continue;  // needs root: no small disk here
            UseStore(ScratchFolder() / "small-disk" / "registry.sqlite3");
        } else {
            UseStore(FreshStorePath(fault.name));
        }
        // Keys that do not exist are no fault: nothing is reported.
        EXPECT_FALSE(Store().ListValues("Software\\Missing"));
        EXPECT_TRUE(Store().Apply({{RegEdit::Kind::kDeleteKey, "Software\\Missing", {}}}));
        for (int i = 0; i < kKeptValues; ++i)
            ASSERT_TRUE(Store().WriteValue(kKept, {"v" + std::to_string(i), kRegDword, KeptData(i)}));
        BackUp(store_path_, backup());
        if (!fault.inflict()) {
            std::printf("skipped: this machine cannot make the fault \"%s\"\n", fault.name);
            continue;
        }
        const std::string faulty = fault.left_as_it_is ? FileBytes(store_path_) : "";
        OpenDialogAndSave(fault.reads_stored);
        OpenDialogAndSave(fault.reads_stored);
        ASSERT_EQ(problems_.size(), 1u);
        EXPECT_EQ(problems_[0].kind, fault.kind) << problems_[0].detail;
        EXPECT_EQ(problems_[0].path, store_path_.string());
        if (fault.left_as_it_is) {
            EXPECT_EQ(FileBytes(store_path_), faulty);
        }
        fault.repair();
        ExpectRecovered();
        EXPECT_EQ(problems_.size(), 1u);
        mount.Unmount();
    }
}

}  // namespace
}  // namespace ov::test
