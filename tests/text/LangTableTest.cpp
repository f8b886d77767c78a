// Lookup rules of language files: section and entry matching, language attributes and encodings; and
// the UTF-8/UTF-16 conversion they rely on.
// (Broken documents are in the fuzz corpus, unreadable files in the reader fault table.)
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "TextTestSupport.h"
#include "framework/text/LangTable.h"
#include "framework/text/Utf16Conversion.h"

namespace ov {
namespace {

// Decoys sit before the real entries so that a wrong name format or a case-insensitive match would
// find them first.
constexpr std::string_view kDocument = R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- a comment before the top element -->
<Texts>
  <gDLG_9>
    <S7 en="decoy without padding"/> <S07 en="seven"/> <S0123 en="decoy, too much padding"/>
    <S123 en="one two three"/> <S04 en="Title four" cn="标题四"/>
    <S05 en="first five"/> <S05 en="second five"/> <S06 EN="upper-case attribute"/> <S08 en=""/>
    <S09 en="a &amp; b &#x4E2D;"/> <wrap><S10 en="nested too deep"/></wrap>
  </gDLG_9>
  <gmsg_4><S01 en="lower-case section"/></gmsg_4>
  <gMSG_4><S01 en="first section"/></gMSG_4>
  <gMSG_4><S01 en="second section"/><S02 en="only in the second section"/></gMSG_4>
</Texts>
)";

TEST(LangTable, LookupRules)
{
    struct Row {
        const char16_t* language;
        const char* section;
        int index;
        const char16_t* expected;
    };
    const Row rows[] = {{u"en", "gDLG_9", 7, u"seven"},
                        {u"en", "gDLG_9", 123, u"one two three"},
                        {u"en", "gDLG_9", 4, u"Title four"},
                        {u"cn", "gDLG_9", 4, u"标题四"},
                        {u"en", "gDLG_9", 5, u"first five"},
                        {u"en", "gDLG_9", 6, u""},
                        {u"en", "gDLG_9", 8, u""},
                        {u"cn", "gDLG_9", 7, u""},
                        {u"en", "gDLG_9", 9, u"a & b 中"},
                        {u"en", "gDLG_9", 10, u""},
                        {u"en", "gDLG_9", 0, u""},
                        {u"en", "gMSG_4", 1, u"first section"},
                        {u"en", "gMSG_4", 2, u""},
                        {u"en", "GMSG_4", 1, u""},
                        {u"en", "gmsg_4", 1, u"lower-case section"},
                        {u"en", "Texts", 1, u""}};
    for (const Row& row : rows) {
        LangTable table;
        table.OpenBuffer(row.language, kDocument.data(), kDocument.size());
        ASSERT_TRUE(table.IsLoaded());
        EXPECT_EQ(table.GetLocalizedText(row.section, row.index), std::u16string(row.expected))
            << row.section << " " << row.index;
    }
}

TEST(LangTable, CurrentSectionFollowsTheLastKeyedLookupAndReopenOrCloseForgetsIt)
{
    LangTable table;
    table.OpenBuffer(u"en", kDocument.data(), kDocument.size());
    table.GetLocalizedText("gDLG_9", 4);
    EXPECT_EQ(table.CurrentSectionText(7), u"seven");
    table.GetLocalizedText("gNONE", 1);  // a failed lookup clears the selection
    EXPECT_EQ(table.CurrentSectionText(7), u"");
    EXPECT_TRUE(table.SelectSection("gDLG_9"));
    EXPECT_EQ(table.CurrentSectionText(123), u"one two three");
    EXPECT_FALSE(table.SelectSection("gdlg_9"));
    EXPECT_EQ(table.CurrentSectionText(123), u"");
    table.GetLocalizedText("gDLG_9", 7);
    constexpr std::string_view kOther = "<T><gDLG_9><S07 cn='七'/></gDLG_9></T>";
    table.OpenBuffer(u"cn", kOther.data(), kOther.size());
    EXPECT_EQ(table.CurrentSectionText(7), u"");
    EXPECT_EQ(table.GetLocalizedText("gDLG_9", 7), u"七");
    table.Close();
    EXPECT_EQ(table.GetLocalizedText("gDLG_9", 7), u"");
    // A table whose contents moved to another opens again.
    const LangTable taken = std::move(table);
    table.OpenPath(u"cn", "/nonexistent/lang.xml");
    EXPECT_FALSE(table.IsLoaded());
}

// Chinese text and a character outside the basic plane survive UTF-8 and UTF-16 in either byte order.
TEST(LangTable, ReadsUtf8AndUtf16Files)
{
    const std::u16string xml = u"<T><gCS_1><S01 cn='颜色 \U0001F308'/></gCS_1></T>";
    auto utf16 = [&](bool bigEndian, bool bom) {
        std::string bytes;
        for (char16_t unit : (bom ? u"\uFEFF" : u"") + xml) {
            bytes += char(bigEndian ? unit >> 8 : unit & 0xFF);
            bytes += char(bigEndian ? unit & 0xFF : unit >> 8);
        }
        return bytes;
    };
    const std::string files[] = {
        "\xEF\xBB\xBF<T><gCS_1><S01 cn='\xE9\xA2\x9C\xE8\x89\xB2 \xF0\x9F\x8C\x88'/></gCS_1></T>",
        utf16(false, true), utf16(true, true), utf16(false, false)};
    std::filesystem::path file = test::FreshFolder("lang-encoding") / "Enc.xml";
    for (const std::string& bytes : files) {
        test::WriteBytes(file, bytes);
        LangTable table;
        table.OpenPath(u"cn", file);
        EXPECT_EQ(table.GetLocalizedText("gCS_1", 1), u"颜色 \U0001F308");
    }
}

// UTF-8 <-> UTF-16: malformed input and unpaired surrogates become replacement characters.
TEST(Utf8Test, MalformedSequencesBecomeReplacementCharacters)
{
    const std::pair<std::string, std::u16string> cases[] = {
        {"Grüße \xF0\x9D\x84\x9E", u"Grüße \U0001D11E"},
        {"\xC0\xAF", u"\xFFFD\xFFFD"},                      // overlong
        {"\xF4\x90\x80\x80", u"\xFFFD\xFFFD\xFFFD\xFFFD"},  // beyond Unicode
        {"ab\xE2\x82", u"ab\xFFFD\xFFFD"},                  // truncated
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& [utf8, utf16] : cases) EXPECT_EQ(Utf8ToUtf16(utf8), utf16) << utf8;
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD834, u'x'}), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xDD1E}), "a\xEF\xBF\xBD");
}

}  // namespace
}  // namespace ov
