// The surface page's rules without widgets: range edits evaluated and put in order, the cells that
// show a surface and the store that reads them back.
#include "view3d/SurfaceCells.h"
#include "view3d/SurfaceData.h"
#include "view3d/SurfaceRanges.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

using namespace ov;

namespace {

class SurfacePage : public ::testing::Test {
protected:
    void TearDown() override { FreeSurfaceData(&grid_); }
    void Set(const std::vector<double>& v, int nx, int ny)
    {
        ASSERT_TRUE(SetSurfaceData(grid_, v.data(), nx, ny, 0, 2, 10, 40));
    }
    SurfaceGrid grid_{};
    GridCells cells_;
};

}  // namespace

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
