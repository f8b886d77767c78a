// The ornivex-reg tool run as a separate process against a scratch store: output, exit codes and
// .reg export/import, under a comma-decimal locale.
#include <gtest/gtest.h>

#include <fstream>

#include "SettingsTestSupport.h"

namespace ov::test {
namespace {

constexpr const char* kKey = "Software\\Ornivex\\MP\\AppSettings";

class RegToolTest : public FreshStoreTest {
protected:
    // Runs the tool on this test's store; the store of this process stays closed meanwhile.
    ProcessResult Tool(std::vector<std::string> args, const std::string& input = "")
    {
        RegistryStore::ResetForTesting(store_path_.string());
        args.insert(args.begin(), OV_REG_TOOL);
        return RunProcess(args, {"ORNIVEX_REGISTRY=" + store_path_.string(), "LC_ALL=de_DE.UTF-8"}, input);
    }
};

// A session as a user types it, under a comma-decimal locale; each failure gives its status and
// message and changes nothing.
TEST_F(RegToolTest, SetGetListExportImportDeleteAndFailures)
{
    EXPECT_EQ(Tool({"set", kKey, "UI_ERBKColor", "--dword", "15790320"}).exit_code, 0);
    EXPECT_EQ(Tool({"set", std::string("HKCU\\") + kKey, "Face", "--string", "Grüße \"-x\""}).exit_code, 0);
    EXPECT_EQ(Tool({"set", kKey, "Big", "--dword", "0xFFFFFFFF"}).exit_code, 0);
    EXPECT_EQ(Tool({"get", "software\\ornivex\\mp\\appsettings", "ui_erbkcolor"}).out,
              "0x00f0f0f0 (15790320)\n");
    EXPECT_EQ(Tool({"list", "Software\\Ornivex"}).out, "MP\\\n");
    EXPECT_EQ(Tool({"list", std::string("HKEY_CURRENT_USER\\") + kKey}).out,
              "Big\tREG_DWORD\t0xffffffff (4294967295)\n"
              "Face\tREG_SZ\tGrüße \"-x\"\n"
              "UI_ERBKColor\tREG_DWORD\t0x00f0f0f0 (15790320)\n");
    const std::string exported = Tool({"export", "Software\\Ornivex"}).out;
    const auto before = Store().DumpTree("");
    ASSERT_EQ(Tool({"delete", "Software"}).exit_code, 0);
    EXPECT_EQ(Tool({"list", "Software"}).exit_code, 1);
    ASSERT_EQ(Tool({"import", "-"}, exported).exit_code, 0);
    EXPECT_EQ(Store().DumpTree(""), before);

    const std::filesystem::path junk = FreshStorePath("junk");
    std::ofstream(junk, std::ios::binary) << "definitely not SQLite";
    const struct {
        std::vector<std::string> args;
        int exit_code;
        const char* message;  // expected in stderr
    } cases[] = {
        {{"set", "K", "v", "--dword", "12,5"}, 2, "not a 32-bit"},
        {{"set", "K", "v", "--dword", "4294967296"}, 2, "not a 32-bit"},
        {{"list", "A\\\\B"}, 2, "invalid key path"},
        {{"get", kKey, "Absent"}, 1, "no value Absent"},
        {{"import", "-"}, 1, "line 4:"},
        {{"--file", junk.string(), "set", "K", "v", "--dword", "1"}, 1, "cannot use the settings store"},
    };
    for (const auto& c : cases) {
        const ProcessResult result = Tool(c.args, "REGEDIT4\n\n[HKEY_CURRENT_USER\\X]\n\"a\"=dword:xyz\n");
        EXPECT_EQ(result.exit_code, c.exit_code) << c.message << ": " << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(Store().DumpTree(""), before);
    EXPECT_EQ(FileBytes(junk), "definitely not SQLite");
}

}  // namespace
}  // namespace ov::test
