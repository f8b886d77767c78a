// The column-major layout through separately mapped pieces: ragged texts split among threads give
// the plain reading's values reshaped whatever the piece size, and the pieces form one block.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <thread>
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
    struct Shape {
        int lines;
        int widest;
        int32_t forced;
    };
    for (const Shape s : {Shape{40000, 1, -1}, Shape{9000, 4, -1}, Shape{6000, 9, 3}, Shape{3000, 5, 400},
                          Shape{6000, 6, 7}, Shape{5, 3, -1}}) {
        const std::string text = RaggedText(s.lines, s.widest, static_cast<unsigned>(s.lines + s.widest));
        int32_t cols = 0;
        int32_t rows = 0;
        const std::vector<double> expected = ExpectedMatrix(text, s.forced, cols, rows);
        const ovtest::ScratchFile file("pieces.txt", text);
        for (const bool from_file : {true, false}) {
            const auto m = from_file ? ov::ReadAsciiMatrix(file.Path(), 0, s.forced)
                                     : ov::ReadAsciiMatrixFromBytes(text, 0, s.forced);
            ASSERT_TRUE(m.has_value()) << s.lines << " lines";
            ASSERT_EQ(m->cols, cols) << s.lines << " lines";
            ASSERT_EQ(m->rows, rows) << s.lines << " lines";
            EXPECT_EQ(std::memcmp(m->values.get(), expected.data(), expected.size() * sizeof(double)), 0)
                << s.lines << " lines, widest " << s.widest << ", forced " << s.forced << ", file "
                << from_file;
        }
    }
}

TEST_F(SmallPieces, PiecesMappedFromSeveralThreadsAreOneBlock)
{
    constexpr uint64_t kCells = 512 * 9 + 100;  // nine whole pieces and a short one: mapped piece by piece
    ov::COvMatrixPieces pieces(kCells);
    ASSERT_EQ(pieces.PieceValues(), 512U);
    std::vector<double*> seen(20);
    {
        std::jthread other([&] {
            for (std::size_t k = 0; k < 10; ++k) seen[10 + k] = pieces.Piece(9 - k);
        });
        for (std::size_t k = 0; k < 10; ++k) seen[k] = pieces.Piece(k);
    }
    for (std::size_t k = 0; k < 10; ++k) {
        EXPECT_EQ(seen[k], seen[19 - k]) << "piece " << k;
        EXPECT_EQ(seen[k], seen[0] + k * 512) << "piece " << k;
        seen[k][0] = static_cast<double>(k);
    }
    seen[9][99] = -1;  // the last cell
    const ov::MappedValues block = pieces.Take();
    ASSERT_EQ(block.get(), seen[0]);
    EXPECT_EQ(block[5 * 512], 5.0);
    EXPECT_EQ(block[kCells - 1], -1.0);
}
