// The number reader's rules over hostile and ordinary texts (data table), its failures, and the
// invariance of the result under block cuts, view boundaries and the parallel split; the column-major
// layout through separately mapped pieces (ragged texts split among threads give the plain reading's
// values reshaped whatever the piece size), and pieces and mappings returned.
#include <gtest/gtest.h>

#include <sys/mman.h>

#include <charconv>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "data/import/AsciiMatrix.h"
#include "data/import/AsciiTokenizer.h"
#include "data/import/FileMapReadBlock.h"
#include "data/import/MatrixPieces.h"
#include "data/import/WindowScan.h"
#include "tests/data/DataTestFiles.h"
#include "tests/data/PlainReading.h"

namespace {

// Column-major values as the matrix holds them.
std::vector<double> ValuesOf(const ov::AsciiMatrix& m)
{
    return std::vector<double>(m.values.get(), m.values.get() + static_cast<std::size_t>(m.cols) * m.rows);
}

// "cols x rows: values column by column" (each value in its shortest exact form), or "fails".
std::string Text(const std::optional<ov::AsciiMatrix>& m)
{
    if (!m) return "fails";
    std::string text = std::to_string(m->cols) + "x" + std::to_string(m->rows) + ":";
    for (const double v : ValuesOf(*m)) {
        char buffer[32];
        text.append(" ").append(buffer, std::to_chars(buffer, buffer + sizeof buffer, v).ptr);
    }
    return text;
}

std::string Utf16Le(const std::string& ascii)
{
    std::string out;
    for (char c : ascii) out += std::string{c, '\0'};
    return out;
}

TEST(ReadAsciiMatrix, RulesOverTheCaseTable)
{
    struct Case {
        const char* name;
        std::string text;
        int64_t skip;
        int32_t forced;
        const char* expected;
    };
    const Case cases[] = {
        {"auto_columns", "1 2\n3 4\n5 6\n", 0, -1, "2x3: 1 3 5 2 4 6"},
        {"forced_three_ignores_lines", "1 2\n3 4\n5 6\n", 0, 3, "3x2: 1 4 2 5 3 6"},
        {"forced_drops_extra_values", "1 2 3\n4 5 6\n7\n", 0, 2, "2x3: 1 3 5 2 4 6"},
        {"auto_drops_extra_values", "1 2\n3 4 9\n", 0, -1, "2x2: 1 3 2 4"},
        {"skip_two_lines", "a\nb\n1 2\n3 4\n", 2, -1, "2x2: 1 3 2 4"},
        {"skip_counts_only_line_feeds", "x\r\ny\r\n1 2\r\n3 4\r\n", 2, -1, "2x2: 1 3 2 4"},
        {"skip_past_end_fails", "1 2\n3 4\n", 5, -1, "fails"},
        {"header_words_give_e_values", "Time Value\n1 2\n3 4\n", 0, -1, "2x3: 0 1 3 0 2 4"},
        {"header_skipped_by_start_line", "Time Value\n1 2\n3 4\n", 1, -1, "2x2: 1 3 2 4"},
        {"comma_and_semicolon_separate", "1,5;2\n3,5;4\n", 0, -1, "3x2: 1 3 5 5 2 4"},
        {"date_one_value_time_two", "2023-05-17 10:30\n2024-01-02 11:45\n", 0, -1,
         "3x2: 2023 2024 10 11 30 45"},
        {"unequal_lines_in_reading_order", "1 2 3\n4 5 6\n7 8 9\n10 11\n", 0, -1, "2x4: 1 3 5 7 2 4 6 8"},
        {"one_data_line_fails", "1 2 3 4\n", 0, -1, "fails"},
        {"one_line_forced_two_rows", "1 2 3 4\n", 0, 2, "2x2: 1 3 2 4"},
        {"empty_file_fails", "", 0, -1, "fails"},
        {"no_numbers_fails", "abc xyz\nhij\n", 0, -1, "fails"},
        {"last_line_without_line_feed", "1 2\n3 4", 0, -1, "2x2: 1 3 2 4"},
        {"last_line_ending_in_spaces", "1 2\n3 4   ", 0, -1, "2x2: 1 3 2 4"},
        {"crlf_as_lf", "1 2\r\n3 4\r\n5 6\r\n", 0, -1, "2x3: 1 3 5 2 4 6"},
        {"bare_cr_is_one_line", "1 2\r3 4\r5 6\r", 0, -1, "fails"},
        {"blank_lines_are_not_rows", "\n\n1 2\n\n\n3 4\n\n", 0, -1, "2x2: 1 3 2 4"},
        {"atof_prefixes", "1e5e3 -.5 +-2\n1.2.3 - .\n", 0, -1, "3x2: 1e+05 1.2 -0.5 0 0 0"},
        {"utf16_digits_apart", Utf16Le("12 3\n45 6\n"), 0, -1, "3x2: 1 4 2 5 3 6"},
        {"nul_and_high_bytes",
         std::string("1\0002\xff"
                     "3\n4\x80"
                     "5 6\n",
                     13),
         0, -1, "3x2: 1 4 2 5 3 6"},
        {"forced_zero_is_auto_not_one", "1 2\n3 4\n", 0, 0, "2x2: 1 3 2 4"},
        {"forced_one_reads_one_column", "1 2\n3 4\n", 0, 1, "1x4: 1 2 3 4"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(ov::ReadAsciiMatrixFromBytes(c.text, c.skip, c.forced)), c.expected) << c.name;
}

TEST(ReadAsciiMatrix, DialogSettingsMapToReaderArgumentsAndUnopenableFilesGiveNothing)
{
    std::string mapped;
    for (const int32_t line : {0, 1, 3, -7}) mapped += std::to_string(ov::SkipLinesForStartLine(line)) + " ";
    for (const auto& [automatic, columns] : {std::pair{true, 5}, {false, 0}, {false, -3}, {false, 4}})
        mapped += std::to_string(ov::ForcedColumnsFor(automatic, columns)) + " ";
    EXPECT_EQ(mapped, "0 0 2 0 -1 1 1 4 ");
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

// The text ends in a token longer than the characters kept of it, so cuts fall inside it too.
TEST(AsciiTokenizer, EveryCutGivesTheSameValuesAndRows)
{
    const std::string text = MixedText(12, 7) + "1" + std::string(600, '0') + " 5\n";
    const std::vector<double> whole = ov::testing::TokenizerReading(text, 2, {});
    ASSERT_GT(whole.size(), 20U);
    for (std::size_t cut = 0; cut <= text.size(); ++cut)
        ASSERT_EQ(ov::testing::TokenizerReading(text, 2, {cut}), whole) << "cut at " << cut;
    std::vector<std::size_t> every_byte;
    for (std::size_t i = 1; i < text.size(); ++i) every_byte.push_back(i);
    EXPECT_EQ(ov::testing::TokenizerReading(text, 2, every_byte), whole);
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
            const std::vector<double> read = ov::testing::TokenizerReading(text, 2, {text.size() / 3});
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
        const std::string expected = Text(ov::ReadAsciiMatrixFromBytes(text, 2, forced));
        ASSERT_NE(expected, "fails");
        EXPECT_EQ(Text(ov::ReadAsciiMatrix(file.Path(), 2, forced)), expected);
    }
}

TEST_F(SmallViews, TokenStraddlingAViewBoundaryIsReadWhole)
{
    for (const std::size_t shift : {1U, 3U, 8U}) {
        std::string text = "1 2\n";
        text += std::string(4096 - text.size() - shift, ' ');
        text += "123.456e-1 7\n";  // starts `shift` bytes before the boundary
        const ovtest::ScratchFile file("straddle.txt", text);
        EXPECT_EQ(Text(ov::ReadAsciiMatrix(file.Path(), 0, -1)), "2x2: 1 12.3456 2 7") << "shift " << shift;
    }
}

TEST_F(SmallViews, SkippedLinesEndingInLaterViews)
{
    std::string text(5000, 'x');
    text += "\n9 9 9\n1 2\n3 4\n";
    const ovtest::ScratchFile file("skip.txt", text);
    EXPECT_EQ(Text(ov::ReadAsciiMatrix(file.Path(), 2, -1)), "2x2: 1 3 2 4");
}

// Lines of 1 to `widest` numbers (ragged unless widest is 1), a few of them words only.
std::string RaggedText(int lines, int widest, unsigned seed)
{
    std::mt19937 rng(seed);
    std::string text;
    for (int i = 0; i < lines; ++i) {
        const int n = rng() % 17 == 0 ? 0 : 1 + static_cast<int>(rng() % static_cast<unsigned>(widest));
        for (int k = 0; k < n; ++k) text += std::to_string(static_cast<int>(rng() % 100000) - 50000) + ".25 ";
        text += n == 0 ? "words\n" : "\n";
    }
    return text;
}

// The plain reading's values, in reading order, reshaped column-major the way the reader's rules say.
std::vector<double> ExpectedMatrix(const std::string& text, int32_t forced, int32_t& cols, int32_t& rows)
{
    std::vector<double> plain = ov::testing::PlainReading(text, 0);
    const auto lines = static_cast<int64_t>(plain.back());
    plain.pop_back();
    const auto count = static_cast<int64_t>(plain.size());
    cols = static_cast<int32_t>(forced > 0 ? forced : count / lines);
    rows = static_cast<int32_t>(forced > 0 ? count / forced : lines);
    std::vector<double> m(static_cast<std::size_t>(cols) * rows);
    for (int32_t r = 0; r < rows; ++r) {
        for (int32_t c = 0; c < cols; ++c) m[static_cast<std::size_t>(c) * rows + r] = plain[r * cols + c];
    }
    return m;
}

class SmallPieces : public ::testing::Test {
protected:
    void SetUp() override
    {
        ov::SetMatrixPieceBytesForTesting(4096);
        ov::SetFileMapViewSizeForTesting(4096);
        ov::SetParallelThresholdForTesting(1);
    }
    void TearDown() override
    {
        ov::SetMatrixPieceBytesForTesting(0);
        ov::SetFileMapViewSizeForTesting(0);
        ov::SetParallelThresholdForTesting(0);
    }
};

}  // namespace

// Columns much longer than a piece, pieces holding several short columns, and boundaries anywhere.
TEST_F(SmallPieces, RaggedTextsSplitAmongThreadsGiveThePlainReadingReshaped)
{
    const std::tuple<int, int, int32_t> shapes[] = {{40000, 1, -1}, {9000, 4, -1}, {6000, 9, 3},
                                                    {3000, 5, 400}, {6000, 6, 7},  {5, 3, -1}};
    for (const auto& [lines, widest, forced] : shapes) {  // lines, widest line, forced columns
        SCOPED_TRACE(std::to_string(lines) + " lines, widest " + std::to_string(widest));
        const std::string text = RaggedText(lines, widest, static_cast<unsigned>(lines + widest));
        int32_t cols = 0;
        int32_t rows = 0;
        const std::vector<double> expected = ExpectedMatrix(text, forced, cols, rows);
        const ovtest::ScratchFile file("pieces.txt", text);
        for (const bool from_file : {true, false}) {
            const auto m = from_file ? ov::ReadAsciiMatrix(file.Path(), 0, forced)
                                     : ov::ReadAsciiMatrixFromBytes(text, 0, forced);
            ASSERT_TRUE(m.has_value());
            ASSERT_EQ(std::pair(m->cols, m->rows), std::pair(cols, rows));
            EXPECT_EQ(std::memcmp(m->values.get(), expected.data(), expected.size() * sizeof(double)), 0)
                << "file " << from_file;
        }
    }
}

TEST_F(SmallPieces, PiecesNotTakenAreReturned)
{
    std::vector<double*> mapped;
    {
        ov::COvMatrixPieces pieces(512 * 8);
        for (std::size_t k : {0U, 3U, 7U}) mapped.push_back(pieces.Piece(k));
        for (double* piece : mapped) EXPECT_EQ(msync(piece, 4096, MS_ASYNC), 0);
    }
    for (double* piece : mapped) EXPECT_NE(msync(piece, 4096, MS_ASYNC), 0) << "still mapped";
}

TEST(MappedValues, AlignedWholePagesReturnedOnRelease)
{
    const std::size_t page = ov::PageRounded(1);
    EXPECT_EQ(ov::PageRounded(page), page);
    EXPECT_EQ(ov::PageRounded(page + 1), 2 * page);
    for (const std::size_t align : {std::size_t{0}, ov::kHugePageBytes}) {
        ov::MappedValues block = ov::MapValues(3 * page + 5, align);
        double* const values = block.get();
        EXPECT_EQ(reinterpret_cast<uintptr_t>(values) % std::max(align, page), 0U);
        ASSERT_EQ(block.get_deleter().bytes, 4 * page);
        values[0] = 1;
        values[4 * page / sizeof(double) - 1] = 2;  // the whole last page is there
        if (align != 0) {
            EXPECT_NE(msync(values + 4 * page / sizeof(double), page, MS_ASYNC), 0) << "end not returned";
        }
        block.reset();
        EXPECT_NE(msync(values, page, MS_ASYNC), 0) << "block still mapped";
    }
}
