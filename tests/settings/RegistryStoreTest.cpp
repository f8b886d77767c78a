// Store behaviour: subtree deletion stays inside its subtree and listings keep their spelling. (Raw
// values of every type, all-or-nothing edits and valid names are the .reg round trip's part.)
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
    EXPECT_TRUE(Store().KeyExists("ROOT\\b!"));
    EXPECT_EQ(Store().ListSubkeys("ROOT"), (std::vector<std::string>{"a", "B!", "B[", "B]x", "BC"}));
    EXPECT_EQ(Store().ListSubkeys(""), (std::vector<std::string>{"K", "Root"}));
    EXPECT_FALSE(Store().KeyExists("Root\\\\B!")) << "an invalid path names no key";
    EXPECT_FALSE(Store().DeleteKeyTree("Root\\B"));
    EXPECT_FALSE(Store().DeleteKeyTree(""));
    EXPECT_FALSE(Store().ListSubkeys("Root\\Missing"));
    EXPECT_FALSE(Store().ListValues("Root\\Missing"));
    EXPECT_EQ(Store().IntegrityCheck(), "ok");
}

}  // namespace
}  // namespace ov::test
