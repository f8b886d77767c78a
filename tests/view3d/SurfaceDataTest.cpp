// Surface grid editing: the one-pass z range, bad input, added and deleted positions, reversing and
// transposing; and the surface page's rules without widgets: range edits evaluated and put in order,
// the cells that show a surface and the store that reads them back.
#include "view3d/SurfaceCells.h"
#include "view3d/SurfaceData.h"
#include "view3d/SurfaceRanges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace ov;

namespace {

class Surface : public ::testing::Test {
protected:
    void TearDown() override { FreeSurfaceData(&grid_); }
    void Set(const std::vector<double>& v, int nx, int ny)
    {
        ASSERT_TRUE(SetSurfaceData(grid_, v.data(), nx, ny, -1, 1, 10, 20));
    }
    // "nx x ny: values" of the grid.
    std::string Text() const
    {
        std::string text = std::to_string(grid_.nx) + "x" + std::to_string(grid_.ny) + ":";
        for (int k = 0; k < grid_.nx * grid_.ny; ++k)
            text += " " + std::to_string(std::lround(grid_.values[k]));
        return text;
    }
    SurfaceGrid grid_{};
};

// The surface page's grid: x 0 ... 2, y 10 ... 40.
class SurfacePage : public Surface {
protected:
    void Set(const std::vector<double>& v, int nx, int ny)
    {
        ASSERT_TRUE(SetSurfaceData(grid_, v.data(), nx, ny, 0, 2, 10, 40));
    }
    GridCells cells_;
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

}  // namespace

TEST_F(Surface, ZRangeIsFoundInOnePassAndTheFirstLargestWins)
{
    using Row = std::tuple<std::vector<double>, int, std::tuple<double, double, int>>;  // values, nx, range
    for (const auto& [values, nx, range] :
         {Row{{3, 7, 7, 1}, 2, {1, 7, 1}}, Row{{kNaN, -2, kInf, 5, -kInf, 4}, 3, {-2, 5, 3}},
          Row{{kNaN, kInf}, 2, {0, 0, -1}}}) {
        Set(values, nx, static_cast<int>(values.size()) / nx);
        EXPECT_EQ(std::tuple(grid_.z_min, grid_.z_max, grid_.z_max_index), range);
    }
}

TEST_F(Surface, BadSizesOrMissingValuesLeaveAnEmptySurface)
{
    const std::vector<double> v(4, 1.0);
    using Row = std::tuple<const double*, int, int>;  // values, nx, ny
    for (const auto& [values, nx, ny] : {Row{v.data(), 0, 2}, Row{v.data(), 2, -1}, Row{nullptr, 2, 2},
                                         Row{v.data(), 1 << 16, 1 << 16}, Row{v.data(), 20000, 20000}}) {
        Set(v, 2, 2);
        EXPECT_FALSE(SetSurfaceData(grid_, values, nx, ny, 0, 5, 1, 2));
        EXPECT_EQ(grid_.values, nullptr);
        EXPECT_EQ(Text() + " " + std::to_string(grid_.z_max_index), "0x0: -1");
        EXPECT_EQ(grid_.x_max, 5);  // ranges are stored even so
        EXPECT_FALSE(ResizeSurface(grid_, 0, 3));
    }
}

TEST_F(Surface, AddedPositionsKeepTheOverlapAndFillWithZero)
{
    Set({1, 2, 3, 4}, 2, 2);
    ASSERT_TRUE(AddXPosition(grid_));
    EXPECT_EQ(Text(), "3x2: 1 2 0 3 4 0");
    ASSERT_TRUE(AddYPosition(grid_));
    EXPECT_EQ(Text(), "3x3: 1 2 0 3 4 0 0 0 0");
    EXPECT_EQ(grid_.z_max_index, 4);
    ASSERT_TRUE(ResizeSurface(grid_, 1, 2));
    EXPECT_EQ(Text(), "1x2: 1 3");
    EXPECT_EQ(XHeaders(grid_), std::vector<std::string>{"-1"});  // a single position sits at the minimum
    EXPECT_EQ(grid_.x_min, -1);
    EXPECT_EQ(grid_.y_max, 20);
}

TEST_F(Surface, DeletingKeepsOnePositionAndClearsTheLastOne)
{
    // A row with a width starts from a fresh grid of 1 ... 6 that wide; a width of 0 goes on from the
    // row before. The highest positions go first, the first stays; deleting the last clears it.
    using Row = std::tuple<int, bool, std::vector<int>, const char*>;  // width, along x, deleted, grid
    for (const auto& [nx, alongX, deleted, text] :
         {Row{3, true, {0, 2, 7, -1}, "1x2: 2 5"}, Row{0, true, {0}, "1x2: 0 0"},
          Row{3, true, {0, 1, 2}, "1x2: 1 4"}, Row{2, false, {1, 1}, "2x2: 1 2 5 6"},
          Row{0, false, {0, 1}, "2x1: 1 2"}, Row{0, false, {0}, "2x1: 0 0"}}) {
        if (nx > 0) Set({1, 2, 3, 4, 5, 6}, nx, 6 / nx);
        if (alongX)
            DeleteXPositions(grid_, deleted);
        else
            DeleteYPositions(grid_, deleted);
        EXPECT_EQ(Text(), text);
    }
    EXPECT_EQ(grid_.z_max, 0);
}

TEST_F(Surface, ReversingAndTransposingMoveValuesAndKeepRanges)
{
    Set({1, 2, 3, 4, 5, 6}, 3, 2);
    std::string steps;  // the grid and the index of its largest value after each step
    for (void (*step)(SurfaceGrid&) : {ReverseX, TransposeSurface, ReverseY}) {
        step(grid_);
        steps += Text() + " @" + std::to_string(grid_.z_max_index) + "; ";
    }
    EXPECT_EQ(steps, "3x2: 3 2 1 6 5 4 @3; 2x3: 3 6 2 5 1 4 @1; 2x3: 1 4 2 5 3 6 @5; ");
    EXPECT_EQ(std::tuple(grid_.x_min, grid_.x_max, grid_.y_min), std::tuple(-1, 1, 10));
}

TEST_F(SurfacePage, RangeTextsEvaluateWithConstantsAndEachPairIsStoredInOrder)
{
    Set({1, 2}, 2, 1);
    SurfaceRanges r = RangesOf(grid_);
    EXPECT_TRUE(TakeRangeText(r, kRangeXMax, u"2*pi"));
    EXPECT_DOUBLE_EQ(r[kRangeXMax], 6.283185307179586);
    EXPECT_TRUE(TakeRangeText(r, kRangeYMin, u"PI + Pi - e"));
    EXPECT_DOUBLE_EQ(r[kRangeYMin], 2 * 3.141592653589793 - 2.718281828459045);
    for (const char16_t* bad : {u"2*", u"", u"1/0", u"x"}) EXPECT_FALSE(TakeRangeText(r, kRangeYMax, bad));
    EXPECT_EQ(r[kRangeYMax], 40) << "a text that does not evaluate keeps the old value";
    ASSERT_TRUE(TakeRangeText(r, kRangeXMin, u"5"));
    ASSERT_TRUE(TakeRangeText(r, kRangeXMax, u"1"));
    EXPECT_TRUE(ApplyRanges(grid_, r));
    EXPECT_EQ(std::pair(grid_.x_min, grid_.x_max), std::pair(1.0, 5.0));
    EXPECT_DOUBLE_EQ(grid_.y_min, r[kRangeYMin]);
    std::swap(r[kRangeXMin], r[kRangeXMax]);
    EXPECT_FALSE(ApplyRanges(grid_, r)) << "the same pairs";
    r[kRangeYMax] = 60;
    EXPECT_TRUE(ApplyRanges(grid_, r)) << "only the y pair changed";
    EXPECT_EQ(grid_.y_max, 60);
}

TEST_F(SurfacePage, CellsShowPositionsAndStoreTheirGTexts)
{
    Set({3.14159265, 1, 2, 3, 4, -1e-7}, 3, 2);
    ASSERT_TRUE(LoadSurfaceCells(cells_, &grid_));
    EXPECT_TRUE(cells_.IsModified());
    ASSERT_EQ(std::pair(cells_.RowCount(), cells_.ColumnCount()), std::pair(4, 3));
    // The corner, headers x 0 and 2 and y 40, then the values at (x 2, y 0) and (x 0, y 1).
    EXPECT_EQ(cells_.Text(0, 0) + cells_.Text(1, 0) + cells_.Text(3, 0) + cells_.Text(0, 2) +
                  cells_.Text(3, 1) + cells_.Text(1, 2),
              "X \\ Y024023");
    grid_.y_max = 20;
    SetSurfaceHeaders(cells_, grid_);
    EXPECT_EQ(cells_.Text(0, 2), "20");
    ASSERT_TRUE(StoreSurfaceCells(grid_, cells_));
    // The shown texts stored, the size and the ranges kept.
    EXPECT_EQ(std::tuple(grid_.values[0], grid_.values[5], grid_.nx, grid_.ny, grid_.y_max, grid_.z_max),
              std::tuple(3.14159, -1e-7, 3, 2, 20.0, 4.0));
    for (const auto& [nx, ny] : {std::pair{2, 1}, std::pair{1, 2}}) {  // one data column, one data row
        Set({7, 8}, nx, ny);
        ASSERT_TRUE(LoadSurfaceCells(cells_, &grid_));
        cells_.SetText(nx, ny, "9");
        ASSERT_TRUE(StoreSurfaceCells(grid_, cells_));
        EXPECT_EQ(grid_.values[1], 9);
    }
}

// No surface or one without values loads only the corner; data rows without a data column store nothing.
TEST_F(SurfacePage, ASurfaceWithoutValuesGivesOnlyTheCornerAndStoresNothing)
{
    Set({1, 2, 3, 4}, 2, 2);
    SurfaceGrid empty = grid_;
    empty.values = nullptr;
    EXPECT_FALSE(LoadSurfaceCells(cells_, &empty) || LoadSurfaceCells(cells_, nullptr));
    EXPECT_EQ(std::pair(cells_.RowCount(), cells_.ColumnCount()), std::pair(1, 1));
    cells_.SetRowCount(3);
    EXPECT_FALSE(StoreSurfaceCells(grid_, cells_));
    EXPECT_EQ(grid_.values[3], 4);
}
