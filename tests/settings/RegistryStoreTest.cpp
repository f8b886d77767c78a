// Store behaviour: files that are not a settings store stay untouched and give defaults, subtree
// deletion stays inside its subtree, listings, raw values and all-or-nothing edits.
#include "framework/RegistryStore.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "SettingsTestSupport.h"
#include "framework/RegKeyHandle.h"

namespace ov::test {
namespace {

std::string FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string RandomBytes(size_t size)
{
    std::mt19937 random(1234);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

// A valid SQLite database of some other program (a different file from the store under test).
void WriteForeignDatabase(const std::filesystem::path& path)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    const int rc = sqlite3_exec(db, "CREATE TABLE notes(text TEXT); INSERT INTO notes VALUES('mine');",
                                nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK);
}

enum class Junk { kRandomBytes, kShortText, kForeignDatabase, kDirectory };

std::string JunkName(Junk junk)
{
    static const char* const kNames[] = {"random_bytes", "short_text", "foreign_database", "directory"};
    return kNames[static_cast<int>(junk)];
}

class UnusableFileTest : public ::testing::TestWithParam<Junk> {
protected:
    void TearDown() override { RegistryStore::ResetForTesting(""); }
};

TEST_P(UnusableFileTest, GivesDefaultsSkipsWritesWarnsOnceAndLeavesTheFileAlone)
{
    const std::filesystem::path path = FreshStorePath();
    switch (GetParam()) {
    case Junk::kRandomBytes: WriteFile(path, RandomBytes(8192)); break;
    case Junk::kShortText: WriteFile(path, "not a database\n"); break;
    case Junk::kForeignDatabase: WriteForeignDatabase(path); break;
    case Junk::kDirectory: std::filesystem::create_directories(path); break;
    }
    const bool directory = std::filesystem::is_directory(path);
    const std::string before = directory ? "" : FileBytes(path);
    RegistryStore::ResetForTesting(path.string());

    ::testing::internal::CaptureStderr();
    RegKeyHandle key("Software\\Ornivex\\MP\\AppSettings");
    key.WriteDword("UI_ERBKColor", 1);
    EXPECT_FALSE(key.WriteString("Name", u"x"));
    EXPECT_EQ(key.ReadDword("UI_ERBKColor", 0xF0F0F0), 0xF0F0F0u);
    EXPECT_EQ(key.ReadString("Name", u"d"), u"d");
    EXPECT_FALSE(RegistryStore::Instance().IsUsable());
    EXPECT_FALSE(RegistryStore::Instance().Apply({{RegEdit::Kind::kCreateKey, "A", {}}}));
    const std::string warning = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
    EXPECT_NE(warning.find(path.string()), std::string::npos) << warning;
    RegistryStore::ResetForTesting("");  // close before looking at the file
    if (directory) {
        EXPECT_TRUE(std::filesystem::is_empty(path));
    } else {
        EXPECT_EQ(FileBytes(path), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableFileTest,
                         ::testing::Values(Junk::kRandomBytes, Junk::kShortText, Junk::kForeignDatabase,
                                           Junk::kDirectory),
                         [](const auto& info) { return JunkName(info.param); });

TEST(UnreadableFileTest, GivesDefaults)
{
    if (geteuid() == 0) GTEST_SKIP() << "root reads files whatever their permissions say";
    const std::filesystem::path path = FreshStorePath();
    RegistryStore::ResetForTesting(path.string());
    ASSERT_TRUE(RegistryStore::Instance().WriteValue("A", {"v", kRegDword, RawDword(5)}));
    RegistryStore::ResetForTesting("");
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    RegistryStore::ResetForTesting(path.string());
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(RegKeyHandle("A").ReadDword("v", 9), 9u);
    ::testing::internal::GetCapturedStderr();
    RegistryStore::ResetForTesting("");
    chmod(path.c_str(), 0600);
}

using RegistryStoreTest = FreshStoreTest;

TEST_F(RegistryStoreTest, CreatesTheFileAndMissingFoldersOnFirstWrite)
{
    const std::filesystem::path nested = ScratchFolder() / "nested-store" / "a" / "b" / "registry.sqlite3";
    std::filesystem::remove_all(ScratchFolder() / "nested-store");
    RegistryStore::ResetForTesting(nested.string());
    RegKeyHandle("Software\\Ornivex").WriteDword("x", 1);
    EXPECT_TRUE(std::filesystem::exists(nested));
    EXPECT_EQ(Store().IntegrityCheck(), "ok");
}

TEST_F(RegistryStoreTest, KeyTreeDeletionStaysInsideTheTree)
{
    const std::vector<std::string> doomed = {"Root\\B", "Root\\B\\C", "Root\\B\\C\\D"};
    const std::vector<std::string> kept = {"Root",     "Root\\B!",  "Root\\BC", "Root\\B[",
                                           "Root\\B]", "Root\\B]x", "Root\\A"};
    for (const auto& path : doomed) ASSERT_TRUE(Store().WriteValue(path, {"v", kRegDword, RawDword(1)}));
    for (const auto& path : kept) ASSERT_TRUE(Store().WriteValue(path, {"v", kRegDword, RawDword(2)}));
    ASSERT_TRUE(Store().DeleteKeyTree("root\\b"));
    for (const auto& path : doomed) {
        EXPECT_FALSE(Store().KeyExists(path)) << path;
        EXPECT_FALSE(Store().ReadValue(path, "v")) << path;
    }
    for (const auto& path : kept) EXPECT_TRUE(Store().ReadValue(path, "v")) << path;
    EXPECT_FALSE(Store().DeleteKeyTree("Root\\B"));
    EXPECT_FALSE(Store().DeleteKeyTree(""));
}

TEST_F(RegistryStoreTest, ListsDirectSubkeysInTheirOwnSpelling)
{
    for (const char* path : {"Top\\Zeta", "Top\\alpha\\Deep", "top\\Beta", "Top\\alpha\\Other"}) {
        ASSERT_TRUE(Store().CreateKey(path));
    }
    EXPECT_EQ(Store().ListSubkeys("TOP"), (std::vector<std::string>{"alpha", "Beta", "Zeta"}));
    EXPECT_EQ(Store().ListSubkeys(""), std::vector<std::string>{"Top"});
    EXPECT_FALSE(Store().ListSubkeys("Top\\Missing"));
    EXPECT_FALSE(Store().ListValues("Top\\Missing"));
}

TEST_F(RegistryStoreTest, KeepsRawValuesOfEveryTypeByteForByte)
{
    const std::vector<RegValue> values = {
        {"", kRegSz, RawSz(u"default value")},
        {"binary", kRegBinary, {0, 0xFF, 0x10}},
        {"empty binary", kRegBinary, {}},
        {"multi", kRegMultiSz, RawSz(std::u16string(u"a\0b\0", 4))},
        {"odd type", 0x1234, {9}},
        {"qword", kRegQword, {1, 2, 3, 4, 5, 6, 7, 8}},
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
    EXPECT_EQ(Store().IntegrityCheck(), "ok");
}

struct PathCase {
    const char* label;
    std::string path;
    bool valid;
};

class KeyPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(KeyPathTest, AcceptsOnlyNonEmptyPrintableNames)
{
    EXPECT_EQ(RegistryStore::IsValidKeyPath(GetParam().path), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, KeyPathTest,
    ::testing::Values(PathCase{"root", "", true}, PathCase{"plain", "Software\\Ornivex\\MP", true},
                      PathCase{"spaces_and_symbols", "A b\\[x]\\-y-", true},
                      PathCase{"longest_name", std::string(255, 'k'), true},
                      PathCase{"name_too_long", std::string(256, 'k'), false},
                      PathCase{"empty_middle", "a\\\\b", false}, PathCase{"leading_separator", "\\a", false},
                      PathCase{"trailing_separator", "a\\", false}, PathCase{"only_separator", "\\", false},
                      PathCase{"newline", "a\nb", false}, PathCase{"tab", "a\tb", false},
                      PathCase{"nul", std::string("a\0b", 3), false}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace ov::test
