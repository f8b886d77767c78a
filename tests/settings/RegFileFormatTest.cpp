// .reg files: export and import reproduce a store exactly, both text encodings import alike, and
// malformed documents are refused with their line number without changing anything.
#include "framework/settings/RegFileFormat.h"

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "framework/text/Utf16Conversion.h"

namespace ov::test {
namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00\n\n";

using RegFileFormatTest = FreshStoreTest;

TEST_F(RegFileFormatTest, ExportThenImportReproducesTheStore)
{
    const std::vector<std::pair<std::string, RegValue>> values = {
        {"Software\\Ornivex\\MP", {"", kRegSz, RawSz(u"C:\\Temp\\\"quoted\"\\")}},
        {"Software\\Ornivex\\MP", {"na\"me\\", kRegSz, RawSz(u"tab\there, Grüße \U0001D11E")}},
        {"Software\\Ornivex\\Bin", {"long", kRegBinary, std::vector<uint8_t>(100, 0xAB)}},
        {"Software\\Ornivex\\Bin", {"short dword", kRegDword, {1, 2, 3}}},
        {"Software\\Ornivex\\Bin", {"lone surrogate", kRegSz, RawSz(std::u16string{0xD834})}},
        {"Software\\Ornivex\\Bin", {"odd size", kRegSz, {'x'}}},
        {"Software\\Ornivex\\Bin", {"odd type", 0x20, {1, 2}}},
        {"", {"at the root", kRegDword, RawDword(1)}},
    };
    for (const auto& [key, value] : values) ASSERT_TRUE(Store().WriteValue(key, value)) << value.name;
    ASSERT_TRUE(Store().CreateKey("Software\\Ornivex\\[Brackets]\\Empty"));
    std::string text;
    ASSERT_TRUE(ExportRegFile(Store(), "", text).ok);
    const auto original = Store().DumpTree("");

    RegistryStore::ResetForTesting(FreshStorePath("copy").string());
    const RegFileResult imported = ImportRegFile(Store(), text);
    ASSERT_TRUE(imported.ok) << imported.message << "\n" << text;
    EXPECT_EQ(Store().DumpTree(""), original) << text;
}

// A UTF-16 document and the same one in UTF-8 import alike: deletions, continued hex lines, comments
// and trailing blanks are read, and the export writes the familiar notation.
TEST_F(RegFileFormatTest, ImportsBothEncodingsAndExportsTheFamiliarNotation)
{
    const std::string body =
        "[-HKEY_CURRENT_USER\\Software\\Old]\r\n[hkey_current_user\\Software\\Keep]\r\n\"gone\"=-\r\n"
        "  \"blob\" = hex:01,02,\\\r\n   03,\\\r\n  04\r\n\"n\"=dword:A \t\r\n; a comment\r\n"
        "\"t\"=hex(2):25,00,00,00\r\n@=\"Ünï \U0001D11E a\\\\b "
        "\\\"cd\\\"\"\r\n\"Multi\"=hex(7):61,00,00,00\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char16_t unit : Utf8ToUtf16(std::string(kHeader) + body))
        utf16 += {char(unit & 0xFF), char(unit >> 8)};
    const std::string documents[] = {utf16, "\xEF\xBB\xBFREGEDIT4\r\n\r\n" + body};
    std::string exported[2];
    for (int i = 0; i < 2; ++i) {
        RegistryStore::ResetForTesting(FreshStorePath(std::to_string(i)).string());
        ASSERT_TRUE(Store().WriteValue("Software\\Old\\Sub", {"x", kRegDword, RawDword(1)}));
        ASSERT_TRUE(Store().WriteValue("Software\\Keep", {"gone", kRegDword, RawDword(1)}));
        const RegFileResult result = ImportRegFile(Store(), documents[i]);
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_FALSE(Store().KeyExists("Software\\Old"));
        ASSERT_TRUE(ExportRegFile(Store(), "software\\keep", exported[i]).ok);
    }
    EXPECT_EQ(exported[0], std::string(kHeader) +
                               "[HKEY_CURRENT_USER\\Software\\Keep]\n"
                               "@=\"Ünï \U0001D11E a\\\\b \\\"cd\\\"\"\n"
                               "\"blob\"=hex:01,02,03,04\n"
                               "\"Multi\"=hex(7):61,00,00,00\n"
                               "\"n\"=dword:0000000a\n"
                               "\"t\"=hex(2):25,00,00,00\n\n");
    EXPECT_EQ(exported[1], exported[0]);
    EXPECT_FALSE(ExportRegFile(Store(), "Software\\Missing", exported[0]).ok);
}

// Each body follows a valid first section, so a partial import would show; line 0 marks a whole
// document with a problem that has no line. (A foreign hive, an odd UTF-16 length, a bad escape and a
// continuation at the end are in the fuzz corpus, which replays as a test.)
TEST_F(RegFileFormatTest, MalformedDocumentsAreRefusedWithTheirLineAndChangeNothing)
{
    const std::pair<std::string, int> cases[] = {
        {"", 0},
        {"[HKEY_CURRENT_USER\\A]\n\"a\"=dword:1\n", 0},  // no header
        {std::string(kHeader) + "\"a\"=dword:1\n", 0},   // value before any section
        {"[HKEY_CURRENT_USER\\A\\\\B]\n", 6},
        {"[-HKEY_CURRENT_USER\\A]\n\"a\"=dword:1\n", 7},
        {"name=dword:1\n", 6},
        {"\"a\"=dword:123456789\n", 6},
        {"\"a\"=dword:1g\n", 6},
        {"\"a\"=hex:01,,02\n", 6},
        {"\"a\"=qword:1\n", 6},
        {"\"a\"=\"\xC0\xAF\"\n", 6},
        {"\"b\"=dword:2\n\n; fine so far\n\"c\"=bad\n", 9},
    };
    ASSERT_TRUE(Store().WriteValue("Software\\Ornivex", {"before", kRegDword, RawDword(7)}));
    const auto before = Store().DumpTree("");
    for (const auto& [body, line] : cases) {
        const std::string document = line == 0 ? body
                                               : std::string(kHeader) +
                                                     "[-HKEY_CURRENT_USER\\Software\\Ornivex]\n"
                                                     "[HKEY_CURRENT_USER\\Software\\New]\n"
                                                     "\"ok\"=dword:00000001\n" +
                                                     body;
        const RegFileResult result = ImportRegFile(Store(), document);
        EXPECT_FALSE(result.ok) << body;
        EXPECT_FALSE(result.message.empty()) << body;
        if (line > 0) {
            EXPECT_NE(result.message.find("line " + std::to_string(line) + ":"), std::string::npos)
                << body << " -> " << result.message;
        }
        EXPECT_EQ(Store().DumpTree(""), before) << body;
    }
    // Well formed, but the store refuses a value name that long: nothing is imported.
    const std::string long_name = std::string(kHeader) +
                                  "[HKEY_CURRENT_USER\\Software\\New]\n\"ok\"=dword:1\n\"" +
                                  std::string(16384, 'n') + "\"=dword:1\n";
    EXPECT_FALSE(ImportRegFile(Store(), long_name).ok);
    EXPECT_EQ(Store().DumpTree(""), before);
}

}  // namespace
}  // namespace ov::test
