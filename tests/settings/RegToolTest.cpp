// The ornivex-reg tool run as a separate process against a scratch store: output, exit codes,
// the --file option and .reg export/import, under a comma-decimal locale.
#include <gtest/gtest.h>

#include <fstream>

#include "SettingsTestSupport.h"
#include "framework/RegKeyHandle.h"

namespace ov::test {
namespace {

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

TEST_F(RegToolTest, SetGetListDeleteRoundTrip)
{
    EXPECT_EQ(
        Tool({"set", "Software\\Ornivex\\MP\\AppSettings", "UI_ERBKColor", "--dword", "15790320"}).exit_code,
        0);
    EXPECT_EQ(
        Tool({"set", "HKCU\\Software\\Ornivex\\MP\\AppSettings", "Face", "--string", "Grüße -x"}).exit_code,
        0);
    EXPECT_EQ(Tool({"set", "Software\\Ornivex\\MP\\AppSettings", "Big", "--dword", "0xFFFFFFFF"}).exit_code,
              0);

    const ProcessResult dword = Tool({"get", "software\\ornivex\\mp\\appsettings", "ui_erbkcolor"});
    EXPECT_EQ(dword.exit_code, 0) << dword.err;
    EXPECT_EQ(dword.out, "0x00f0f0f0 (15790320)\n");
    EXPECT_EQ(Tool({"get", "Software\\Ornivex\\MP\\AppSettings", "Big"}).out, "0xffffffff (4294967295)\n");
    EXPECT_EQ(Tool({"get", "Software\\Ornivex\\MP\\AppSettings", "Face"}).out, "Grüße -x\n");
    EXPECT_EQ(RegKeyHandle("Software\\Ornivex\\MP\\AppSettings").ReadDword("UI_ERBKColor", 0), 15790320u);

    EXPECT_EQ(Tool({"list", "Software\\Ornivex"}).out, "MP\\\n");
    EXPECT_EQ(Tool({"list", "HKEY_CURRENT_USER\\Software\\Ornivex\\MP\\AppSettings"}).out,
              "Big\tREG_DWORD\t0xffffffff (4294967295)\n"
              "Face\tREG_SZ\tGrüße -x\n"
              "UI_ERBKColor\tREG_DWORD\t0x00f0f0f0 (15790320)\n");

    EXPECT_EQ(Tool({"delete", "Software\\Ornivex\\MP\\AppSettings", "Face"}).exit_code, 0);
    EXPECT_EQ(Tool({"get", "Software\\Ornivex\\MP\\AppSettings", "Face"}).exit_code, 1);
    EXPECT_EQ(Tool({"delete", "Software\\Ornivex"}).exit_code, 0);
    EXPECT_EQ(Tool({"list", "Software"}).out, "");
}

TEST_F(RegToolTest, FileOptionOverridesTheEnvironment)
{
    const std::filesystem::path other = FreshStorePath("other");
    EXPECT_EQ(Tool({"--file", other.string(), "set", "K", "v", "--dword", "7"}).exit_code, 0);
    EXPECT_FALSE(Store().KeyExists("K"));
    RegistryStore::ResetForTesting(other.string());
    EXPECT_EQ(Store().ReadValue("K", "v")->data, RawDword(7));
}

TEST_F(RegToolTest, ExportAndImportThroughFilesAndStandardStreams)
{
    RegKeyHandle("Software\\Ornivex\\FFF").WriteDword("SV_Perm", 3);
    RegKeyHandle("Software\\Ornivex\\FFF").WriteString("Path", u"/a \"b\"\\c");
    const std::string file = (ScratchFolder() / "tool-export.reg").string();
    ASSERT_EQ(Tool({"export", "Software\\Ornivex", file}).exit_code, 0);
    const ProcessResult to_stdout = Tool({"export", "Software\\Ornivex"});
    std::ifstream in(file, std::ios::binary);
    const std::string exported((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(to_stdout.out, exported);
    EXPECT_NE(exported.find("\"SV_Perm\"=dword:00000003"), std::string::npos) << exported;

    const auto before = Store().DumpTree("");
    ASSERT_EQ(Tool({"delete", "Software"}).exit_code, 0);
    ASSERT_EQ(Tool({"import", file}).exit_code, 0);
    EXPECT_EQ(Store().DumpTree(""), before);
    ASSERT_EQ(Tool({"delete", "Software"}).exit_code, 0);
    ASSERT_EQ(Tool({"import", "-"}, exported).exit_code, 0);
    EXPECT_EQ(Store().DumpTree(""), before);
}

struct ExitCase {
    const char* label;
    std::vector<std::string> args;
    int exit_code;
    const char* message;  // expected in stderr (or stdout for --help)
};

class RegToolExitTest : public RegToolTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(RegToolExitTest, ReportsFailuresWithStatusAndMessage)
{
    RegKeyHandle("Software\\Ornivex").WriteDword("Present", 1);
    const std::string bad_reg = (ScratchFolder() / "tool-bad.reg").string();
    std::ofstream(bad_reg)
        << "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\X]\n\"a\"=dword:xyz\n";
    std::vector<std::string> args = GetParam().args;
    for (auto& arg : args) {
        if (arg == "@bad_reg") arg = bad_reg;
    }
    const ProcessResult result = Tool(args);
    EXPECT_EQ(result.exit_code, GetParam().exit_code) << result.err;
    EXPECT_NE((result.err + result.out).find(GetParam().message), std::string::npos) << result.err;
    EXPECT_TRUE(Store().ReadValue("Software\\Ornivex", "Present"));
    EXPECT_FALSE(Store().KeyExists("X"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegToolExitTest,
    ::testing::Values(ExitCase{"help", {"--help"}, 0, "usage:"}, ExitCase{"no_command", {}, 2, "no command"},
                      ExitCase{"unknown_command", {"frobnicate"}, 2, "unknown command"},
                      ExitCase{"unknown_option", {"--verbose", "list"}, 2, "unknown option"},
                      ExitCase{"file_without_operand", {"list", "--file"}, 2, "missing operand"},
                      ExitCase{"too_many_operands", {"get", "A", "B", "C"}, 2, "wrong number"},
                      ExitCase{"dword_not_a_number", {"set", "K", "v", "--dword", "12,5"}, 2, "not a 32-bit"},
                      ExitCase{
                          "dword_too_big", {"set", "K", "v", "--dword", "4294967296"}, 2, "not a 32-bit"},
                      ExitCase{"dword_negative", {"set", "K", "v", "--dword", "-1"}, 2, "not a 32-bit"},
                      ExitCase{"set_without_type", {"set", "K", "v", "x", "y"}, 2, "--dword N or --string"},
                      ExitCase{"invalid_key", {"list", "A\\\\B"}, 2, "invalid key path"},
                      ExitCase{"missing_key", {"list", "Nowhere"}, 1, "no such key"},
                      ExitCase{"missing_value", {"get", "Software\\Ornivex", "Absent"}, 1, "no value Absent"},
                      ExitCase{"delete_missing_key", {"delete", "Nowhere"}, 1, "no such key"},
                      ExitCase{"export_missing_key", {"export", "Nowhere"}, 1, "no such key"},
                      ExitCase{"import_missing_file", {"import", "/nonexistent/x.reg"}, 1, "cannot read"},
                      ExitCase{"import_malformed", {"import", "@bad_reg"}, 1, "line 4:"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(RegToolTest, StoreThatIsNotADatabaseFailsWithoutTouchingIt)
{
    const std::filesystem::path junk = FreshStorePath("junk");
    std::ofstream(junk, std::ios::binary) << "definitely not SQLite";
    const ProcessResult result =
        RunProcess({OV_REG_TOOL, "--file", junk.string(), "set", "K", "v", "--dword", "1"});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.err.find("cannot use the settings store"), std::string::npos) << result.err;
    std::ifstream in(junk, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()),
              "definitely not SQLite");
}

}  // namespace
}  // namespace ov::test
