// Store behaviour: files that are not a settings store stay untouched and give defaults, subtree
// deletion stays inside its subtree, listings, raw values, all-or-nothing edits and key paths.
#include "framework/settings/RegistryStore.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <fstream>

#include "SettingsTestSupport.h"
#include "framework/settings/RegKeyHandle.h"

namespace ov::test {
namespace {

using RegistryStoreTest = FreshStoreTest;

TEST_F(RegistryStoreTest, UnusableFileGivesDefaultsWarnsOnceAndStaysUntouched)
{
    for (const std::string kind : {"text", "foreign_database", "directory"}) {
        SCOPED_TRACE(kind);
        const std::filesystem::path path = FreshStorePath(kind);
        if (kind == "text") std::ofstream(path, std::ios::binary) << "not a database\n";
        if (kind == "directory") std::filesystem::create_directories(path);
        if (kind == "foreign_database") {
            sqlite3* db = nullptr;
            ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
            sqlite3_exec(db, "CREATE TABLE notes(t TEXT); INSERT INTO notes VALUES('x');", nullptr, nullptr,
                         nullptr);
            sqlite3_close(db);
        }
        const std::string before = kind == "directory" ? "" : FileBytes(path);
        RegistryStore::ResetForTesting(path.string());
        ::testing::internal::CaptureStderr();
        RegKeyHandle key("Software\\Ornivex\\MP\\AppSettings");
        key.WriteDword("UI_ERBKColor", 1);
        EXPECT_FALSE(key.WriteString("Name", u"x"));
        EXPECT_EQ(key.ReadDword("UI_ERBKColor", 0xF0F0F0), 0xF0F0F0u);
        EXPECT_FALSE(Store().IsUsable());
        EXPECT_FALSE(Store().Apply({{RegEdit::Kind::kCreateKey, "A", {}}}));
        const std::string warning = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
        EXPECT_NE(warning.find(path.string()), std::string::npos) << warning;
        RegistryStore::ResetForTesting("");  // close before looking at the file
        if (kind == "directory") {
            EXPECT_TRUE(std::filesystem::is_empty(path));
        } else {
            EXPECT_EQ(FileBytes(path), before);
        }
    }
}

// Deletion matches whole names only, whatever characters a pattern language would treat specially.
TEST_F(RegistryStoreTest, KeyTreeDeletionStaysInsideTheTreeAndListingsKeepSpelling)
{
    std::filesystem::remove_all(ScratchFolder() / "nested-store");  // folders are made on the first write
    RegistryStore::ResetForTesting((ScratchFolder() / "nested-store" / "a" / "registry.sqlite3").string());
    for (const char* path : {"Root\\B", "Root\\B\\C\\D"})
        ASSERT_TRUE(Store().WriteValue(path, {"v", kRegBinary, {1}}));
    for (const char* path : {"Root\\B!", "Root\\BC", "Root\\B[", "Root\\B]x", "root\\a", "K"}) {
        ASSERT_TRUE(Store().WriteValue(path, {"v", kRegDword, RawDword(2)}));
    }
    ASSERT_TRUE(Store().DeleteKeyTree("root\\b"));
    EXPECT_FALSE(Store().KeyExists("Root\\B\\C"));
    EXPECT_EQ(Store().ListSubkeys("ROOT"), (std::vector<std::string>{"a", "B!", "B[", "B]x", "BC"}));
    EXPECT_EQ(Store().ListSubkeys(""), (std::vector<std::string>{"K", "Root"}));
    EXPECT_FALSE(Store().KeyExists("Root\\\\B!")) << "an invalid path names no key";
    EXPECT_FALSE(Store().DeleteKeyTree("Root\\B"));
    EXPECT_FALSE(Store().DeleteKeyTree(""));
    EXPECT_FALSE(Store().ListSubkeys("Root\\Missing"));
    EXPECT_FALSE(Store().ListValues("Root\\Missing"));
    EXPECT_EQ(Store().IntegrityCheck(), "ok");
}

TEST_F(RegistryStoreTest, KeepsRawValuesOfEveryTypeByteForByte)
{
    const std::vector<RegValue> values = {
        {"", kRegSz, RawSz(u"default value")},
        {"binary", kRegBinary, {0, 0xFF, 0x10}},
        {"empty binary", kRegBinary, {}},
        {"odd type", 0x1234, {9}},
    };  // in the store's listing order
    for (const RegValue& value : values) ASSERT_TRUE(Store().WriteValue("Raw", value));
    EXPECT_EQ(Store().ListValues("Raw"), values);
    ASSERT_TRUE(Store().DeleteValue("RAW", "BINARY"));
    EXPECT_FALSE(Store().DeleteValue("Raw", "binary"));
    EXPECT_EQ(Store().ListValues("Raw")->size(), values.size() - 1);
}

TEST_F(RegistryStoreTest, AppliesEditsAllOrNothing)
{
    ASSERT_TRUE(Store().WriteValue("Keep", {"v", kRegDword, RawDword(1)}));
    const std::vector<RegEdit> edits = {
        {RegEdit::Kind::kDeleteKey, "Keep", {}},
        {RegEdit::Kind::kSetValue, "New", {"v", kRegDword, RawDword(2)}},
        {RegEdit::Kind::kSetValue, "Bad\\\\Path", {"v", kRegDword, RawDword(3)}},
    };
    EXPECT_FALSE(Store().Apply(edits));
    EXPECT_TRUE(Store().ReadValue("Keep", "v"));
    EXPECT_FALSE(Store().KeyExists("New"));
    EXPECT_TRUE(Store().Apply({edits[0], edits[1]}));
    EXPECT_FALSE(Store().KeyExists("Keep"));
    EXPECT_EQ(Store().ReadValue("new", "V")->data, RawDword(2));
}

TEST(KeyPathTest, AcceptsOnlyNonEmptyPrintableNamesAndValueNamesUpToTheLimit)
{
    for (const std::string& path : {std::string(), std::string("A b\\[x]\\-y-"), std::string(255, 'k')}) {
        EXPECT_TRUE(RegistryStore::IsValidKeyPath(path)) << path;
    }
    for (const std::string& path : {std::string(256, 'k'), std::string("a\\\\b"), std::string("\\a"),
                                    std::string("a\\"), std::string("a\tb"), std::string("a\0b", 3)}) {
        EXPECT_FALSE(RegistryStore::IsValidKeyPath(path)) << path;
    }
    EXPECT_TRUE(RegistryStore::IsValidValueName(std::string(16383, 'v')));
    EXPECT_FALSE(RegistryStore::IsValidValueName(std::string(16384, 'v')));
}

}  // namespace
}  // namespace ov::test
