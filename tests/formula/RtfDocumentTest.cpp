// The help-page reader: text through escapes and skipped destinations, and the formats of runs.
#include <gtest/gtest.h>

#include "data/formula/RtfDocument.h"

namespace ov {
namespace {

TEST(RtfDocument, PlainTextThroughEscapesAndDestinations)
{
    const struct {
        const char* rtf;
        std::u16string text;
    } rows[] = {
        {R"({\rtf1{\fonttbl{\f0 Arial;}}{\*\generator w;}{\info{\title T}}Hello\par World})",
         u"Hello\nWorld"},
        {R"({\rtf1 caf\'e9 \'80 \u20013?\u-26?x\uc0\u25991 y})", u"caf\u00e9 \u20ac \u4e2d\uffe6x\u6587y"},
        {R"({\rtf1 a\\b\{c\}\tab d\line e\~f})", u"a\\b{c}\td\u2028e\u00a0f"},
        {R"({\rtf1 unknown\foo12 words\bar -x})", u"unknownwords-x"},
        {"{\\rtf1 broken {{{ group \\", u"broken  group "},
    };
    for (const auto& row : rows) EXPECT_EQ(ParseRtf(row.rtf).PlainText(), row.text) << row.rtf;
}

TEST(RtfDocument, RunsCarryGroupScopedFormats)
{
    const RtfDocument doc = ParseRtf(
        R"({\rtf1{\colortbl;\red200\green0\blue10;\red0\green0\blue255;}\fs20 a{\b\i b{\cf2\ul c}}\cf1 d\plain e})");
    EXPECT_EQ(doc.colours, (std::vector<int32_t>{-1, 0xC8000A, 0x0000FF}));
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    const auto& runs = doc.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].format, (RtfFormat{false, false, false, 20, -1}));
    EXPECT_EQ(runs[1].format, (RtfFormat{true, true, false, 20, -1}));
    EXPECT_EQ(runs[2].format, (RtfFormat{true, true, true, 20, 0x0000FF}));
    EXPECT_EQ(runs[3].format, (RtfFormat{false, false, false, 20, 0xC8000A}));
    EXPECT_EQ(runs[4].format, RtfFormat{});
    EXPECT_EQ(runs[4].text, u"e");
}

}  // namespace
}  // namespace ov
