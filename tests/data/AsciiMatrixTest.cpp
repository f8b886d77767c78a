// The number reader's rules over hostile and ordinary texts (data table), its failures, and the
// invariance of the result under block cuts, view boundaries and the parallel split.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "data/import/AsciiMatrix.h"
#include "data/import/AsciiTokenizer.h"
#include "data/import/FileMapReadBlock.h"
#include "data/import/GuardedCopy.h"
#include "data/import/WindowScan.h"
#include "tests/data/DataTestFiles.h"
#include "tests/data/PlainReading.h"

namespace {

// Column-major values as the matrix holds them.
std::vector<double> ValuesOf(const ov::AsciiMatrix& m)
{
    return std::vector<double>(m.values.get(), m.values.get() + static_cast<std::size_t>(m.cols) * m.rows);
}

struct Case {
    const char* name;
    std::string text;
    int64_t skip;
    int32_t forced;
    int32_t cols;  // 0: the reader must fail
    int32_t rows;
    std::vector<double> values;
};

std::string Utf16Le(const std::string& ascii)
{
    std::string out;
    for (char c : ascii) out += std::string{c, '\0'};
    return out;
}

const std::vector<Case>& Cases()
{
    static const std::vector<Case> cases = {
        {"auto_columns", "1 2\n3 4\n5 6\n", 0, -1, 2, 3, {1, 3, 5, 2, 4, 6}},
        {"forced_three_ignores_lines", "1 2\n3 4\n5 6\n", 0, 3, 3, 2, {1, 4, 2, 5, 3, 6}},
        {"forced_drops_extra_values", "1 2 3\n4 5 6\n7\n", 0, 2, 2, 3, {1, 3, 5, 2, 4, 6}},
        {"auto_drops_extra_values", "1 2\n3 4 9\n", 0, -1, 2, 2, {1, 3, 2, 4}},
        {"skip_two_lines", "a\nb\n1 2\n3 4\n", 2, -1, 2, 2, {1, 3, 2, 4}},
        {"skip_counts_only_line_feeds", "x\r\ny\r\n1 2\r\n3 4\r\n", 2, -1, 2, 2, {1, 3, 2, 4}},
        {"skip_past_end_fails", "1 2\n3 4\n", 5, -1, 0, 0, {}},
        {"header_words_give_e_values", "Time Value\n1 2\n3 4\n", 0, -1, 2, 3, {0, 1, 3, 0, 2, 4}},
        {"header_skipped_by_start_line", "Time Value\n1 2\n3 4\n", 1, -1, 2, 2, {1, 3, 2, 4}},
        {"comma_and_semicolon_separate", "1,5;2\n3,5;4\n", 0, -1, 3, 2, {1, 3, 5, 5, 2, 4}},
        {"date_gives_one_value_time_two",
         "2023-05-17 10:30\n2024-01-02 11:45\n",
         0,
         -1,
         3,
         2,
         {2023, 2024, 10, 11, 30, 45}},
        {"unequal_lines_fill_in_reading_order",
         "1 2 3\n4 5 6\n7 8 9\n10 11\n",
         0,
         -1,
         2,
         4,
         {1, 3, 5, 7, 2, 4, 6, 8}},
        {"one_data_line_fails", "1 2 3 4\n", 0, -1, 0, 0, {}},
        {"one_line_forced_two_rows", "1 2 3 4\n", 0, 2, 2, 2, {1, 3, 2, 4}},
        {"empty_file_fails", "", 0, -1, 0, 0, {}},
        {"no_numbers_fails", "abc xyz\nhij\n", 0, -1, 0, 0, {}},
        {"last_line_without_line_feed", "1 2\n3 4", 0, -1, 2, 2, {1, 3, 2, 4}},
        {"last_line_ending_in_spaces", "1 2\n3 4   ", 0, -1, 2, 2, {1, 3, 2, 4}},
        {"crlf_as_lf", "1 2\r\n3 4\r\n5 6\r\n", 0, -1, 2, 3, {1, 3, 5, 2, 4, 6}},
        {"bare_cr_is_one_line", "1 2\r3 4\r5 6\r", 0, -1, 0, 0, {}},
        {"blank_lines_are_not_rows", "\n\n1 2\n\n\n3 4\n\n", 0, -1, 2, 2, {1, 3, 2, 4}},
        {"atof_prefixes", "1e5e3 -.5 +-2\n1.2.3 - .\n", 0, -1, 3, 2, {1e5, 1.2, -0.5, 0, 0, 0}},
        {"utf16_digits_apart", Utf16Le("12 3\n45 6\n"), 0, -1, 3, 2, {1, 4, 2, 5, 3, 6}},
        {"nul_and_high_bytes_separate",
         std::string("1\0002\xff"
                     "3\n4\x80"
                     "5 6\n",
                     13),
         0,
         -1,
         3,
         2,
         {1, 4, 2, 5, 3, 6}},
        {"forced_zero_is_auto_not_one", "1 2\n3 4\n", 0, 0, 2, 2, {1, 3, 2, 4}},
        {"forced_one_reads_one_column", "1 2\n3 4\n", 0, 1, 1, 4, {1, 2, 3, 4}},
    };
    return cases;
}

TEST(ReadAsciiMatrix, RulesOverTheCaseTable)
{
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const auto m = ov::ReadAsciiMatrixFromBytes(c.text, c.skip, c.forced);
        if (c.cols == 0) {
            EXPECT_FALSE(m.has_value());
            continue;
        }
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->cols, c.cols);
        EXPECT_EQ(m->rows, c.rows);
        EXPECT_EQ(ValuesOf(*m), c.values);
    }
}

TEST(ReadAsciiMatrix, DialogSettingsMapToReaderArguments)
{
    EXPECT_EQ(ov::SkipLinesForStartLine(0), 0);
    EXPECT_EQ(ov::SkipLinesForStartLine(1), 0);
    EXPECT_EQ(ov::SkipLinesForStartLine(3), 2);
    EXPECT_EQ(ov::SkipLinesForStartLine(-7), 0);
    EXPECT_EQ(ov::ForcedColumnsFor(true, 5), -1);
    EXPECT_EQ(ov::ForcedColumnsFor(false, 0), 1);
    EXPECT_EQ(ov::ForcedColumnsFor(false, -3), 1);
    EXPECT_EQ(ov::ForcedColumnsFor(false, 4), 4);
}

TEST(ReadAsciiMatrix, UnopenableFilesGiveNothing)
{
    EXPECT_FALSE(ov::ReadAsciiMatrix("/nonexistent/ornivex/data.txt", 0, -1).has_value());
    EXPECT_FALSE(ov::ReadAsciiMatrix("/", 0, -1).has_value());
}

// A text that exercises every tokenizer state at any cut: long tokens, skipped lines, blanks, CR LF.
std::string MixedText(int lines, unsigned seed)
{
    std::mt19937 rng(seed);
    static const char* const kPieces[] = {
        "1.5", "-2e-3", "  ", "\t", "abc", "+.7E+2", "1-2", ",", ";", "\r", "12345678901234567890123",
        "e",   "0.1"};
    std::string text = "# header 1\nsecond header\n";
    for (int i = 0; i < lines; ++i) {
        const int n = 1 + static_cast<int>(rng() % 8);
        for (int k = 0; k < n; ++k) text += kPieces[rng() % 13], text += ' ';
        text += rng() % 5 == 0 ? "\r\n" : "\n";
    }
    return text;
}

struct Parse {
    std::vector<double> values;
    uint64_t rows;
};

Parse Tokenize(const std::string& text, const std::vector<std::size_t>& cuts)
{
    ov::AsciiTokenizer tokenizer(2);
    std::size_t from = 0;
    for (std::size_t cut : cuts) {
        tokenizer.Feed(text.data() + from, cut - from);
        from = cut;
    }
    tokenizer.Feed(text.data() + from, text.size() - from);
    tokenizer.Finish();
    Parse p{{}, tokenizer.Rows()};
    tokenizer.Values().ForEach(UINT64_MAX, [&](double v) { p.values.push_back(v); });
    return p;
}

// The text ends in a token longer than the characters kept of it, so cuts fall inside it too.
TEST(AsciiTokenizer, EveryCutGivesTheSameValuesAndRows)
{
    const std::string text = MixedText(12, 7) + "1" + std::string(600, '0') + " 5\n";
    const Parse whole = Tokenize(text, {});
    ASSERT_GT(whole.values.size(), 20U);
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        const Parse two = Tokenize(text, {cut});
        ASSERT_EQ(two.rows, whole.rows) << "cut at " << cut;
        ASSERT_EQ(two.values, whole.values) << "cut at " << cut;
    }
    std::vector<std::size_t> every_byte;
    for (std::size_t i = 1; i < text.size(); ++i) every_byte.push_back(i);
    EXPECT_EQ(Tokenize(text, every_byte).values, whole.values);
}

// Longer messy texts, where most bytes go through the 64-byte windows, read as the plain byte loop
// reads them, with either window-scan variant.
TEST(AsciiTokenizer, MessyTextsReadAsThePlainByteLoop)
{
    for (const bool baseline : {false, true}) {
        ov::UseBaselineWindowScanForTesting(baseline);
        for (unsigned seed = 1; seed <= 20; ++seed) {
            const std::string text = MixedText(300, seed);
            const std::vector<double> plain = ov::testing::PlainReading(text, 2);
            const std::vector<double> read = ov::testing::TokenizerReading(text, 2, text.size() / 3);
            // No ASSERT here: the baseline switch below must be reset whatever happens.
            EXPECT_TRUE(read.size() == plain.size() &&
                        std::memcmp(read.data(), plain.data(), plain.size() * sizeof(double)) == 0)
                << "seed " << seed << " baseline " << baseline;
        }
    }
    ov::UseBaselineWindowScanForTesting(false);
}

// Small views and a low parallel threshold, restored when the test ends.
class SmallViews : public ::testing::Test {
protected:
    void SetUp() override
    {
        ov::SetFileMapViewSizeForTesting(4096);
        ov::SetParallelThresholdForTesting(1);
    }
    void TearDown() override
    {
        ov::SetFileMapViewSizeForTesting(0);
        ov::SetParallelThresholdForTesting(0);
    }
};

TEST_F(SmallViews, FileOfManyViewsEqualsOnePiece)
{
    const std::string text = MixedText(3000, 11);
    ASSERT_GT(text.size(), 8 * 4096U);
    const ovtest::ScratchFile file("views.txt", text);
    for (const int32_t forced : {-1, 3}) {
        const auto expected = ov::ReadAsciiMatrixFromBytes(text, 2, forced);
        const auto got = ov::ReadAsciiMatrix(file.Path(), 2, forced);
        ASSERT_TRUE(expected.has_value() && got.has_value());
        EXPECT_EQ(got->cols, expected->cols);
        EXPECT_EQ(got->rows, expected->rows);
        EXPECT_EQ(ValuesOf(*got), ValuesOf(*expected));
    }
}

TEST_F(SmallViews, TokenStraddlingAViewBoundaryIsReadWhole)
{
    for (const std::size_t shift : {1U, 3U, 8U}) {
        std::string text = "1 2\n";
        text += std::string(4096 - text.size() - shift, ' ');
        text += "123.456e-1 7\n";  // starts `shift` bytes before the boundary
        const ovtest::ScratchFile file("straddle.txt", text);
        const auto m = ov::ReadAsciiMatrix(file.Path(), 0, -1);
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->At(0, 1), 12.3456) << "shift " << shift;
        EXPECT_EQ(m->At(1, 1), 7);
    }
}

TEST_F(SmallViews, SkippedLinesEndingInLaterViews)
{
    std::string text(5000, 'x');
    text += "\n9 9 9\n1 2\n3 4\n";
    const ovtest::ScratchFile file("skip.txt", text);
    const auto m = ov::ReadAsciiMatrix(file.Path(), 2, -1);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(ValuesOf(*m), (std::vector<double>{1, 3, 2, 4}));
}

// Another process cutting the file short while it is mapped: reading the lost pages must fail
// cleanly (the kernel raises SIGBUS there), and the thread must go on working afterwards.
TEST(GuardedCopy, FileTruncatedUnderTheMappingFailsInsteadOfCrashing)
{
    const std::string bytes(3 * 4096, '7');
    const ovtest::ScratchFile file("truncated.txt", bytes);
    ov::COvFileMapReadBlock map;
    ASSERT_TRUE(map.Open(file.Path()));
    const std::string_view view = map.MapView(0, nullptr);
    ASSERT_EQ(view.size(), bytes.size());
    ASSERT_EQ(truncate(file.Path().c_str(), 4096), 0);

    std::vector<char> copy(bytes.size());
    EXPECT_TRUE(ov::GuardedCopy(copy.data(), view.data(), 4096));
    EXPECT_EQ(copy[4095], '7');
    EXPECT_FALSE(ov::GuardedCopy(copy.data(), view.data(), copy.size()));
    std::size_t at = 0;
    EXPECT_FALSE(ov::GuardedFind(view.data() + 4096, 4096, '\n', at));
    EXPECT_TRUE(ov::GuardedFind(view.data(), 4096, '\n', at));
    EXPECT_EQ(at, 4096U);  // no line feed: the size
}

}  // namespace
