// The preview line reader (line ends, limit, missing and empty files, file equal to memory) and the
// title splitter (separators, empty fields, padding or cutting to the column count).
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "data/import/PreviewLines.h"
#include "data/import/TitleLine.h"
#include "tests/data/DataTestFiles.h"

namespace {

using Lines = std::vector<std::string>;

TEST(ReadPreviewLines, LineEndsLimitAndEmptyLines)
{
    const std::tuple<std::string, std::size_t, Lines> cases[] = {
        {"a\nb\n", 256, {"a", "b"}},
        {"a\r\nb\r\n", 256, {"a", "b"}},
        {"a\nb", 256, {"a", "b"}},        // the last line without a line feed
        {"a\rb\n", 256, {"a\rb"}},        // a bare CR stays
        {"\n\nx\n", 256, {"", "", "x"}},  // empty lines count
        {"1\n2\n3\n4\n", 2, {"1", "2"}},  // the limit
        {"1\n", 0, {}},
        {"Zeit \xc3\xa4\n", 256, {"Zeit \xc3\xa4"}},
        {"", 256, {}},
    };
    for (const auto& [text, limit, expected] : cases) {
        SCOPED_TRACE(text);
        const ovtest::ScratchFile file("preview.txt", text);
        Lines from_file = {"stale"};
        EXPECT_EQ(ov::ReadPreviewLines(file.Path(), limit, from_file), !expected.empty());
        EXPECT_EQ(from_file, expected);
        Lines from_text;
        ov::SplitPreviewLines(text, limit, from_text);
        EXPECT_EQ(from_text, expected);
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
