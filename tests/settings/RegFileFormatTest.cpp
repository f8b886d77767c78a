// .reg files: export and import reproduce a store exactly, both text encodings import alike, and
// malformed documents are refused with their line number without changing anything.
#include "framework/RegFileFormat.h"

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "framework/RegKeyHandle.h"

namespace ov::test {
namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00\n\n";

std::string Utf16LeWithBom(std::string_view utf8)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : Utf8ToUtf16(utf8)) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

void Fill(RegistryStore& store)
{
    const std::vector<std::pair<std::string, RegValue>> values = {
        {"Software\\Ornivex\\MP\\AppSettings", {"UI_ERBKColor", kRegDword, RawDword(0xF0F0F0)}},
        {"Software\\Ornivex\\MP\\AppSettings", {"", kRegSz, RawSz(u"default")}},
        {"Software\\Ornivex\\MP\\FDInit", {"LID_3", kRegSz, RawSz(u"C:\\Temp\\\"quoted\"\\")}},
        {"Software\\Ornivex\\MP\\FDInit", {"na\"me\\", kRegSz, RawSz(u"tab\there, Grüße \U0001D11E")}},
        {"Software\\Ornivex\\Bin", {"long", kRegBinary, std::vector<uint8_t>(100, 0xAB)}},
        {"Software\\Ornivex\\Bin", {"empty", kRegBinary, {}}},
        {"Software\\Ornivex\\Bin", {"multi", kRegMultiSz, RawSz(std::u16string(u"a\0b\0", 4))}},
        {"Software\\Ornivex\\Bin", {"short dword", kRegDword, {1, 2, 3}}},
        {"Software\\Ornivex\\Bin", {"unterminated", kRegSz, {'h', 0, 'i', 0}}},
        {"Software\\Ornivex\\Bin", {"newline", kRegSz, RawSz(u"two\nlines")}},
        {"Software\\Ornivex\\Bin", {"lone surrogate", kRegSz, RawSz(std::u16string{0xD834})}},
        {"Software\\Ornivex\\Bin", {"odd size", kRegSz, {'x'}}},
        {"Software\\Ornivex\\Bin", {std::string(90, 'n'), 0x20, {1, 2}}},
        {"", {"at the root", kRegDword, RawDword(1)}},
    };
    for (const auto& [key, value] : values) ASSERT_TRUE(store.WriteValue(key, value)) << value.name;
    ASSERT_TRUE(store.CreateKey("Software\\Ornivex\\Empty\\Deeper"));
    ASSERT_TRUE(store.CreateKey("Software\\Ornivex\\[Brackets]"));
}

using RegFileFormatTest = FreshStoreTest;

TEST_F(RegFileFormatTest, ExportThenImportReproducesTheStore)
{
    Fill(Store());
    std::string text;
    ASSERT_TRUE(ExportRegFile(Store(), "", text).ok);
    const auto original = Store().DumpTree("");

    RegistryStore::ResetForTesting(FreshStorePath("copy").string());
    const RegFileResult imported = ImportRegFile(Store(), text);
    ASSERT_TRUE(imported.ok) << imported.message << "\n" << text;
    EXPECT_EQ(Store().DumpTree(""), original) << text;
}

TEST_F(RegFileFormatTest, ExportsTheFamiliarNotation)
{
    ASSERT_TRUE(Store().WriteValue("Software\\Ornivex", {"Color", kRegDword, RawDword(0xF0F0F0)}));
    ASSERT_TRUE(Store().WriteValue("Software\\Ornivex", {"", kRegSz, RawSz(u"a\\b \"c\"")}));
    ASSERT_TRUE(Store().WriteValue("Software\\Ornivex", {"Bytes", kRegBinary, {1, 0xAB}}));
    ASSERT_TRUE(Store().WriteValue("Software\\Ornivex", {"Multi", kRegMultiSz, {0x61, 0, 0, 0, 0, 0}}));
    std::string text;
    ASSERT_TRUE(ExportRegFile(Store(), "software\\ornivex", text).ok);
    EXPECT_EQ(text, std::string(kHeader) +
                        "[HKEY_CURRENT_USER\\Software\\Ornivex]\n"
                        "@=\"a\\\\b \\\"c\\\"\"\n"
                        "\"Bytes\"=hex:01,ab\n"
                        "\"Color\"=dword:00f0f0f0\n"
                        "\"Multi\"=hex(7):61,00,00,00,00,00\n\n");
    EXPECT_FALSE(ExportRegFile(Store(), "Software\\Missing", text).ok);
}

TEST_F(RegFileFormatTest, Utf16AndUtf8DocumentsImportAlike)
{
    const std::string text = std::string(kHeader) +
                             "[HKEY_CURRENT_USER\\Software\\Ornivex\\Language]\r\n"
                             "\"LanSel\"=\"2\"\r\n\"Name\"=\"Ünïcode \U0001D11E\"\r\n";
    ASSERT_TRUE(ImportRegFile(Store(), Utf16LeWithBom(text)).ok);
    const auto from_utf16 = Store().DumpTree("");
    ASSERT_TRUE(Store().DeleteKeyTree("Software"));
    ASSERT_TRUE(ImportRegFile(Store(), "\xEF\xBB\xBF" + text).ok);
    EXPECT_EQ(Store().DumpTree(""), from_utf16);
    EXPECT_EQ(Store().ReadValue("software\\ornivex\\language", "name")->data, RawSz(u"Ünïcode \U0001D11E"));
}

TEST_F(RegFileFormatTest, ImportDeletesKeysAndValuesAndReadsContinuedHex)
{
    ASSERT_TRUE(Store().WriteValue("Software\\Old\\Sub", {"x", kRegDword, RawDword(1)}));
    ASSERT_TRUE(Store().WriteValue("Software\\Keep", {"gone", kRegDword, RawDword(1)}));
    const std::string text =
        "REGEDIT4\r\n\r\n[-HKEY_CURRENT_USER\\Software\\Old]\r\n"
        "[hkey_current_user\\Software\\Keep]\r\n\"gone\"=-\r\n"
        "  \"blob\" = hex:01,02,\\\r\n   03,\\\r\n  04\r\n"
        "\"n\"=dword:A\r\n; a comment\r\n\"t\"=hex(2):25,00,00,00\r\n";
    const RegFileResult result = ImportRegFile(Store(), text);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_FALSE(Store().KeyExists("Software\\Old"));
    EXPECT_FALSE(Store().ReadValue("Software\\Keep", "gone"));
    EXPECT_EQ(Store().ReadValue("Software\\Keep", "blob")->data, (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(Store().ReadValue("Software\\Keep", "n")->data, RawDword(10));
    EXPECT_EQ(Store().ReadValue("Software\\Keep", "t")->type, kRegExpandSz);
}

struct HostileCase {
    const char* label;
    std::string body;  // follows a valid first section, so a partial import would show
    int line;          // 0: a whole-document problem without a line
};

class HostileRegFileTest : public FreshStoreTest, public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostileRegFileTest, IsRefusedWithItsLineAndChangesNothing)
{
    ASSERT_TRUE(Store().WriteValue("Software\\Ornivex", {"before", kRegDword, RawDword(7)}));
    const auto before = Store().DumpTree("");
    const std::string document = GetParam().line == 0 ? GetParam().body
                                                      : std::string(kHeader) +
                                                            "[-HKEY_CURRENT_USER\\Software\\Ornivex]\n"
                                                            "[HKEY_CURRENT_USER\\Software\\New]\n"
                                                            "\"ok\"=dword:00000001\n" +
                                                            GetParam().body;
    const RegFileResult result = ImportRegFile(Store(), document);
    EXPECT_FALSE(result.ok);
    if (GetParam().line > 0) {
        EXPECT_NE(result.message.find("line " + std::to_string(GetParam().line) + ":"), std::string::npos)
            << result.message;
    }
    EXPECT_FALSE(result.message.empty());
    EXPECT_EQ(Store().DumpTree(""), before);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, HostileRegFileTest,
    ::testing::Values(HostileCase{"empty_document", "", 0}, HostileCase{"only_blank_lines", "\n \n\t\n", 0},
                      HostileCase{"missing_header", "[HKEY_CURRENT_USER\\A]\n\"a\"=dword:1\n", 0},
                      HostileCase{"utf16_big_endian", "\xFE\xFF\0W", 0},
                      HostileCase{"utf16_odd_length", "\xFF\xFEW\0i", 0},
                      HostileCase{"other_hive", "[HKEY_LOCAL_MACHINE\\Software]\n", 6},
                      HostileCase{"hive_prefix_only", "[HKEY_CURRENT_USERX\\A]\n", 6},
                      HostileCase{"unclosed_section", "[HKEY_CURRENT_USER\\A\n", 6},
                      HostileCase{"empty_key_name", "[HKEY_CURRENT_USER\\A\\\\B]\n", 6},
                      HostileCase{"whole_hive_deletion", "[-HKEY_CURRENT_USER]\n", 6},
                      HostileCase{"value_in_deleted_key", "[-HKEY_CURRENT_USER\\A]\n\"a\"=dword:1\n", 7},
                      HostileCase{"unquoted_name", "name=dword:1\n", 6},
                      HostileCase{"missing_equals", "\"a\" dword:1\n", 6},
                      HostileCase{"unterminated_name", "\"a=dword:1\n", 6},
                      HostileCase{"unterminated_string", "\"a\"=\"text\n", 6},
                      HostileCase{"unknown_escape", "\"a\"=\"line\\nbreak\"\n", 6},
                      HostileCase{"text_after_string", "\"a\"=\"b\" trailing\n", 6},
                      HostileCase{"dword_nine_digits", "\"a\"=dword:123456789\n", 6},
                      HostileCase{"dword_not_hex", "\"a\"=dword:12g4\n", 6},
                      HostileCase{"dword_empty", "\"a\"=dword:\n", 6},
                      HostileCase{"hex_three_digits", "\"a\"=hex:123\n", 6},
                      HostileCase{"hex_not_hex", "\"a\"=hex:0g\n", 6},
                      HostileCase{"hex_double_comma", "\"a\"=hex:01,,02\n", 6},
                      HostileCase{"hex_type_not_hex", "\"a\"=hex(zz):00\n", 6},
                      HostileCase{"hex_type_unclosed", "\"a\"=hex(7:00\n", 6},
                      HostileCase{"hex_without_colon", "\"a\"=hex 00\n", 6},
                      HostileCase{"continuation_at_end", "\"a\"=hex:01,\\\n", 6},
                      HostileCase{"bad_byte_on_continued_line", "\"a\"=hex:01,\\\n  zz\n", 6},
                      HostileCase{"unknown_data", "\"a\"=qword:1\n", 6},
                      HostileCase{"nul_byte", std::string("\"a\"=\"x\0y\"\n", 10), 6},
                      HostileCase{"invalid_utf8", "\"a\"=\"\xC0\xAF\"\n", 6},
                      HostileCase{"control_character_in_name", "\"a\x01\"=dword:1\n", 6},
                      HostileCase{"tab_in_value_name", "\"a\tb\"=dword:1\n", 6},
                      HostileCase{"error_after_good_lines", "\"b\"=dword:2\n\n; fine so far\n\"c\"=bad\n",
                                  9}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(RegFileParseTest, ValueBeforeAnySectionIsRefused)
{
    const RegParseResult result = ParseRegFile(std::string(kHeader) + "\"a\"=dword:1\n");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error.rfind("line 3:", 0), 0u) << result.error;
    EXPECT_TRUE(result.edits.empty());
}

}  // namespace
}  // namespace ov::test
