// Lookup rules of language files: section and entry matching, language attributes, document shape,
// encodings, and broken or missing files.
#include <gtest/gtest.h>

#include <string>

#include "TextTestSupport.h"
#include "framework/LangTable.h"

namespace ov {
namespace {

// Decoys sit before the real entries so that a wrong name format or a case-insensitive match would
// find them first.
constexpr std::string_view kDocument = R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- a comment before the top element -->
<?editor keep="this"?>
<!DOCTYPE Texts>
<Texts>
  <gDLG_9>
    <S7 en="decoy without padding"/>
    <S07 en="seven"/>
    <S0123 en="decoy with too much padding"/>
    <S123 en="one two three"/>
    <S04 en="Title four" cn="标题四"/>
    <S05 en="first five"/>
    <S05 en="second five"/>
    <S06 EN="upper-case attribute" cn="只有中文"/>
    <S08 en=""/>
    <S09 lang="en" en="a &amp; b &#x4E2D;"/>
    <wrap><S10 en="nested too deep"/></wrap>
  </gDLG_9>
  <gmsg_4><S01 en="lower-case section"/></gmsg_4>
  <gMSG_4><S01 en="first section" cn="第一节"/></gMSG_4>
  <gMSG_4><S01 en="second section"/><S02 en="only in the second section"/></gMSG_4>
  <outer><gDEEP><S01 en="section nested too deep"/></gDEEP></outer>
</Texts>
)";

struct LookupRow {
    const char* what;
    const char16_t* language;
    const char* section;
    int index;
    const char16_t* expected;
};

void PrintTo(const LookupRow& row, std::ostream* os)
{
    *os << row.what;
}

class LangTableLookup : public ::testing::TestWithParam<LookupRow> {};

TEST_P(LangTableLookup, ResolvesSectionEntryAndLanguage)
{
    const LookupRow& row = GetParam();
    LangTable table;
    table.OpenBuffer(row.language, kDocument.data(), kDocument.size());
    ASSERT_TRUE(table.IsLoaded());
    EXPECT_EQ(table.GetLocalizedText(row.section, row.index), std::u16string(row.expected)) << row.what;
}

const LookupRow kLookupRows[] = {
    {"index 7 is S07", u"en", "gDLG_9", 7, u"seven"},
    {"index 123 is S123", u"en", "gDLG_9", 123, u"one two three"},
    {"index 4 is S04", u"en", "gDLG_9", 4, u"Title four"},
    {"the language code names the attribute", u"cn", "gDLG_9", 4, u"标题四"},
    {"first of duplicate entries", u"en", "gDLG_9", 5, u"first five"},
    {"attribute names are case-sensitive", u"en", "gDLG_9", 6, u""},
    {"present but empty attribute", u"en", "gDLG_9", 8, u""},
    {"missing language attribute", u"cn", "gDLG_9", 7, u""},
    {"unknown language", u"de", "gDLG_9", 4, u""},
    {"character and entity references", u"en", "gDLG_9", 9, u"a & b 中"},
    {"entries are direct children", u"en", "gDLG_9", 10, u""},
    {"missing entry", u"en", "gDLG_9", 11, u""},
    {"index 0 is S00", u"en", "gDLG_9", 0, u""},
    {"negative index", u"en", "gDLG_9", -1, u""},
    {"first of duplicate sections", u"en", "gMSG_4", 1, u"first section"},
    {"entry only in a later duplicate section", u"en", "gMSG_4", 2, u""},
    {"section names are case-sensitive", u"en", "GMSG_4", 1, u""},
    {"lower-case twin is its own section", u"en", "gmsg_4", 1, u"lower-case section"},
    {"sections are direct children of the top element", u"en", "gDEEP", 1, u""},
    {"the top element is no section", u"en", "Texts", 1, u""},
    {"missing section", u"en", "gNONE", 1, u""},
    {"empty section key", u"en", "", 1, u""},
};
INSTANTIATE_TEST_SUITE_P(Rules, LangTableLookup, ::testing::ValuesIn(kLookupRows));

TEST(LangTable, CurrentSectionFollowsTheLastKeyedLookup)
{
    LangTable table;
    table.OpenBuffer(u"en", kDocument.data(), kDocument.size());
    table.GetLocalizedText("gDLG_9", 4);
    EXPECT_EQ(table.CurrentSectionText(7), u"seven");
    table.GetLocalizedText("gMSG_4", 1);
    EXPECT_EQ(table.CurrentSectionText(2), u"");
    // A failed keyed lookup clears the selection instead of leaving the previous section.
    table.GetLocalizedText("gNONE", 1);
    EXPECT_EQ(table.CurrentSectionText(1), u"");
    EXPECT_TRUE(table.SelectSection("gDLG_9"));
    EXPECT_EQ(table.CurrentSectionText(123), u"one two three");
    EXPECT_FALSE(table.SelectSection("gdlg_9"));
    EXPECT_EQ(table.CurrentSectionText(123), u"");
}

TEST(LangTable, ReopeningForgetsTheOldDocumentAndSection)
{
    LangTable table;
    table.OpenBuffer(u"en", kDocument.data(), kDocument.size());
    table.GetLocalizedText("gDLG_9", 7);
    constexpr std::string_view kOther = "<T><gDLG_9><S07 cn='七'/></gDLG_9></T>";
    table.OpenBuffer(u"cn", kOther.data(), kOther.size());
    EXPECT_EQ(table.LanguageCode(), u"cn");
    EXPECT_EQ(table.CurrentSectionText(7), u"");
    EXPECT_EQ(table.GetLocalizedText("gDLG_9", 7), u"七");
    table.Close();
    EXPECT_FALSE(table.IsLoaded());
    EXPECT_EQ(table.GetLocalizedText("gDLG_9", 7), u"");
}

struct BrokenRow {
    const char* what;
    std::string_view bytes;
};

void PrintTo(const BrokenRow& row, std::ostream* os)
{
    *os << row.what;
}

class LangTableBroken : public ::testing::TestWithParam<BrokenRow> {};

TEST_P(LangTableBroken, GivesEmptyTexts)
{
    const BrokenRow& row = GetParam();
    LangTable table;
    table.OpenBuffer(u"en", row.bytes.data(), row.bytes.size());
    EXPECT_FALSE(table.IsLoaded()) << row.what;
    EXPECT_EQ(table.GetLocalizedText("g", 1), u"") << row.what;
    EXPECT_EQ(table.CurrentSectionText(1), u"") << row.what;
}

const BrokenRow kBrokenRows[] = {
    {"empty", ""},
    {"only a declaration", "<?xml version=\"1.0\"?>"},
    {"only a comment", "<!-- nothing -->"},
    {"text, no element", "g S01 en"},
    {"unclosed top element after a complete section", "<T><g><S01 en='x'/></g>"},
    {"mismatched end tag", "<T><g><S01 en='x'/></h></T>"},
    {"unquoted attribute", "<T><g><S01 en=x/></g></T>"},
    {"unterminated attribute value", "<T><g><S01 en='x/></g></T>"},
    {"end tag without start", "</T>"},
    {"binary garbage", std::string_view("\xff\x00\x13\x37<\x00\x01", 7)},
    {"lone UTF-16 byte-order mark", "\xff\xfe"},
    {"unterminated comment", "<T><!-- <g><S01 en='x'/></g></T>"},
};
INSTANTIATE_TEST_SUITE_P(Hostile, LangTableBroken, ::testing::ValuesIn(kBrokenRows));

TEST(LangTable, MissingFolderOrUnreadablePathGivesEmptyTexts)
{
    std::filesystem::path folder = test::FreshFolder("lang-missing");
    for (const std::filesystem::path& path : {folder / "none.xml", folder, folder / "a" / "b.xml"}) {
        LangTable table;
        table.OpenPath(u"en", path);
        EXPECT_FALSE(table.IsLoaded()) << path;
        EXPECT_EQ(table.GetLocalizedText("gDLG_9", 7), u"") << path;
    }
}

struct EncodingRow {
    const char* what;
    bool utf16;
    bool bigEndian;
    bool bom;
};

void PrintTo(const EncodingRow& row, std::ostream* os)
{
    *os << row.what;
}

class LangTableEncoding : public ::testing::TestWithParam<EncodingRow> {};

// Chinese text and a character outside the basic plane survive every encoding the parser detects.
TEST_P(LangTableEncoding, ReadsFileInEveryDetectedEncoding)
{
    const EncodingRow& row = GetParam();
    const std::u16string xml = u"<T><gCS_1><S01 en='Colour' cn='颜色 \U0001F308'/></gCS_1></T>";
    std::string bytes;
    if (row.utf16) {
        bytes = test::Utf16Bytes(xml, row.bigEndian, row.bom);
    } else {
        bytes = std::string(row.bom ? "\xEF\xBB\xBF" : "") +
                "<T><gCS_1><S01 en='Colour' cn='\xE9\xA2\x9C\xE8\x89\xB2 \xF0\x9F\x8C\x88'/></gCS_1></T>";
    }
    std::filesystem::path file = test::FreshFolder("lang-encoding") / "Enc.xml";
    test::WriteBytes(file, bytes);
    LangTable table;
    table.OpenPath(u"cn", file);
    EXPECT_EQ(table.GetLocalizedText("gCS_1", 1), u"颜色 \U0001F308") << row.what;
}

const EncodingRow kEncodingRows[] = {
    {"UTF-8", false, false, false},
    {"UTF-8 with byte-order mark", false, false, true},
    {"UTF-16 little-endian with byte-order mark", true, false, true},
    {"UTF-16 big-endian with byte-order mark", true, true, true},
    {"UTF-16 little-endian without byte-order mark", true, false, false},
};
INSTANTIATE_TEST_SUITE_P(Files, LangTableEncoding, ::testing::ValuesIn(kEncodingRows));

TEST(LangTable, OpenReadsTheLanguagesFolderOfTheHostFolder)
{
    std::filesystem::path host = test::FreshFolder("lang-host");
    test::WriteBytes(host / "Languages" / "GP1.xml", "<T><gPGT><S02 en='Axis'/></gPGT></T>");
    test::ScopedEnv hostDir("ORNIVEX_HOST_DIR", host.string());
    LangTable table;
    table.Open(u"en", "GP1.xml");
    EXPECT_EQ(table.GetLocalizedText("gPGT", 2), u"Axis");
    table.Open(u"en", "SSDlg.xml");
    EXPECT_FALSE(table.IsLoaded());
}

}  // namespace
}  // namespace ov
