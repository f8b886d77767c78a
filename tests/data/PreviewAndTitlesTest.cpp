// The preview line reader (line ends, limit, missing and empty files, file equal to memory) and the
// title splitter (separators, empty fields, padding or cutting to the column count).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/import/PreviewLines.h"
#include "data/import/TitleLine.h"
#include "tests/data/DataTestFiles.h"

namespace {

using Lines = std::vector<std::string>;

struct PreviewCase {
    const char* name;
    std::string text;
    std::size_t limit;
    Lines expected;
};

TEST(ReadPreviewLines, LineEndsLimitAndEmptyLines)
{
    const std::vector<PreviewCase> cases = {
        {"lf", "a\nb\n", 256, {"a", "b"}},
        {"crlf", "a\r\nb\r\n", 256, {"a", "b"}},
        {"last_line_open", "a\nb", 256, {"a", "b"}},
        {"bare_cr_stays", "a\rb\n", 256, {"a\rb"}},
        {"empty_lines_count", "\n\nx\n", 256, {"", "", "x"}},
        {"limit", "1\n2\n3\n4\n", 2, {"1", "2"}},
        {"limit_zero", "1\n", 0, {}},
        {"utf8_kept", "Zeit \xc3\xa4\n", 256, {"Zeit \xc3\xa4"}},
        {"empty_file", "", 256, {}},
    };
    for (const PreviewCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ovtest::ScratchFile file("preview.txt", c.text);
        Lines from_file = {"stale"};
        EXPECT_EQ(ov::ReadPreviewLines(file.Path(), c.limit, from_file), !c.expected.empty());
        EXPECT_EQ(from_file, c.expected);
        Lines from_text;
        ov::SplitPreviewLines(c.text, c.limit, from_text);
        EXPECT_EQ(from_text, c.expected);
    }
    Lines missing = {"stale"};
    EXPECT_FALSE(ov::ReadPreviewLines("/nonexistent/ornivex/x.txt", 256, missing));
    EXPECT_TRUE(missing.empty());
}

TEST(SplitTitleLine, SeparatorsEmptyFieldsAndFittingToTheColumns)
{
    const std::vector<std::pair<std::string, Lines>> cases = {
        {"Time,Speed;Force\tAngle", {"Time", "Speed", "Force", "Angle"}},
        {"a,,b", {"a", "b"}},
        {",,;\t", {}},
        {"", {}},
        {" x , y ", {" x ", " y "}},
        {"one title with spaces", {"one title with spaces"}},
        {"Kraft \xe5\x8a\x9b;N", {"Kraft \xe5\x8a\x9b", "N"}},
        {"end,", {"end"}},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(ov::SplitTitleLine(line), expected) << line;
    // Fitted to the columns: padded with empty titles or cut from the end.
    Lines titles = ov::SplitTitleLine("a,b,c");
    ov::FitTitlesToColumns(titles, 5);
    EXPECT_EQ(titles, (Lines{"a", "b", "c", "", ""}));
    ov::FitTitlesToColumns(titles, 2);
    EXPECT_EQ(titles, (Lines{"a", "b"}));
}

}  // namespace
