// Store behaviour: subtree deletion stays inside its subtree, listings keep their spelling, and valid
// key paths. (Raw values of every type and all-or-nothing edits are the .reg round trip's part.)
#include "framework/settings/RegistryStore.h"

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"

namespace ov::test {
namespace {

using RegistryStoreTest = FreshStoreTest;

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
