// The column-major layout through separately mapped pieces: ragged texts split among threads give
// the plain reading's values reshaped whatever the piece size; pieces and mappings are returned, and
// the block goes to the middle of the largest gap of the address space.
#include <gtest/gtest.h>

#include <sys/mman.h>

#include <cstring>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "data/import/AsciiMatrix.h"
#include "data/import/FileMapReadBlock.h"
#include "data/import/MatrixPieces.h"
#include "tests/data/DataTestFiles.h"
#include "tests/data/PlainReading.h"

namespace {

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

TEST(MatrixPlace, MiddleHalfOfTheLargestGapBelowTheUserTop)
{
    // Gaps: 0 to 4 MiB, 5 MiB to 4 GiB (the largest under the top), the rest up to the 47-bit top,
    // and kernel pages beyond it that must not count as a gap.
    const std::string maps =
        "400000-500000 r-xp 00000000 fe:00 1 /bin/x\n"
        "not a mapping line\n"
        "100000000-7fff00000000 rw-p 00000000 00:00 0\n"
        "7fff00000000-7fffff000000 rw-p 00000000 00:00 0 [stack]\n"
        "ffffffffff600000-ffffffffff601000 --xp 00000000 00:00 0 [vsyscall]\n";
    constexpr uintptr_t kBegin = 0x500000, kEnd = 0x100000000, kLength = kEnd - kBegin;
    constexpr std::size_t kHuge = std::size_t{2} << 20;
    std::vector<uintptr_t> starts;
    for (const uint64_t draw : {uint64_t{0}, uint64_t{12345678}, ~uint64_t{0}}) {
        const uintptr_t start = ov::StretchStartIn(maps, kLength / 4, draw);
        EXPECT_EQ(start % kHuge, 0U);
        EXPECT_GE(start + kHuge, kBegin + kLength / 4);
        EXPECT_LE(start + kLength / 4, kBegin + kLength / 2 + kLength / 4);
        starts.push_back(start);
    }
    EXPECT_NE(starts[0], starts[1]);
    EXPECT_EQ(ov::StretchStartIn(maps, kLength / 4 + 1, 0), 0U) << "a gap of less than four spans";
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
