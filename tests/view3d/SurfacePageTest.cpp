// The surface page's rules without widgets: range edits evaluated and put in order, the cells that
// show a surface and the store that reads them back.
#include "view3d/SurfaceCells.h"
#include "view3d/SurfaceData.h"
#include "view3d/SurfaceRanges.h"

#include <gtest/gtest.h>

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
};

}  // namespace

TEST_F(SurfacePage, RangeTextsEvaluateWithConstantsAndKeepTheOldValueOtherwise)
{
    Set({1, 2}, 2, 1);
    SurfaceRanges ranges = RangesOf(grid_);
    EXPECT_TRUE(TakeRangeText(ranges, kRangeXMax, u"2*pi"));
    EXPECT_DOUBLE_EQ(ranges[kRangeXMax], 6.283185307179586);
    EXPECT_TRUE(TakeRangeText(ranges, kRangeYMin, u"PI + Pi - e"));
    EXPECT_DOUBLE_EQ(ranges[kRangeYMin], 2 * 3.141592653589793 - 2.718281828459045);
    for (const char16_t* bad : {u"2*", u"", u"1/0", u"x"}) {
        EXPECT_FALSE(TakeRangeText(ranges, kRangeYMax, bad));
        EXPECT_EQ(ranges[kRangeYMax], 40);
    }
    EXPECT_TRUE(ApplyRanges(grid_, ranges));
    EXPECT_DOUBLE_EQ(grid_.x_max, 6.283185307179586);
    EXPECT_EQ(grid_.y_max, 40);
    EXPECT_FALSE(ApplyRanges(grid_, ranges)) << "nothing new to set";
}

TEST_F(SurfacePage, EachRangePairIsStoredInOrder)
{
    Set({1, 2}, 2, 1);
    SurfaceRanges ranges = RangesOf(grid_);
    ASSERT_TRUE(TakeRangeText(ranges, kRangeXMin, u"5"));
    ASSERT_TRUE(TakeRangeText(ranges, kRangeXMax, u"1"));
    ASSERT_TRUE(TakeRangeText(ranges, kRangeYMin, u"50"));
    EXPECT_TRUE(ApplyRanges(grid_, ranges));
    EXPECT_EQ(grid_.x_min, 1);
    EXPECT_EQ(grid_.x_max, 5);
    EXPECT_EQ(grid_.y_min, 40);
    EXPECT_EQ(grid_.y_max, 50);
    ranges[kRangeXMin] = 1;  // the same pair the other way round
    ranges[kRangeXMax] = 5;
    EXPECT_FALSE(ApplyRanges(grid_, ranges));
    ranges[kRangeYMax] = 60;  // only the y pair changes
    EXPECT_TRUE(ApplyRanges(grid_, ranges));
    EXPECT_EQ(grid_.y_max, 60);
}

TEST_F(SurfacePage, CellsShowPositionsAndStoreTheirGTexts)
{
    Set({3.14159265, 1, 2, 3, 4, -1e-7}, 3, 2);
    GridCells cells;
    ASSERT_TRUE(LoadSurfaceCells(cells, &grid_));
    EXPECT_TRUE(cells.IsModified());
    ASSERT_EQ(cells.RowCount(), 4);
    ASSERT_EQ(cells.ColumnCount(), 3);
    EXPECT_EQ(cells.Text(0, 0), "X \\ Y");
    EXPECT_EQ(cells.Text(1, 0), "0");
    EXPECT_EQ(cells.Text(3, 0), "2");
    EXPECT_EQ(cells.Text(0, 2), "40");
    EXPECT_EQ(cells.Text(3, 1), "2");  // x index 2, y index 0
    EXPECT_EQ(cells.Text(1, 2), "3");  // x index 0, y index 1

    grid_.y_max = 20;
    SetSurfaceHeaders(cells, grid_);
    EXPECT_EQ(cells.Text(0, 2), "20");

    ASSERT_TRUE(StoreSurfaceCells(grid_, cells));
    EXPECT_EQ(grid_.values[0], 3.14159);
    EXPECT_EQ(grid_.values[5], -1e-7);
    EXPECT_EQ(grid_.nx, 3);
    EXPECT_EQ(grid_.ny, 2);
    EXPECT_EQ(grid_.y_max, 20) << "ranges kept";
    EXPECT_EQ(grid_.z_max, 4);

    for (const auto& [nx, ny] : {std::pair{2, 1}, std::pair{1, 2}}) {  // one data column, one data row
        Set({7, 8}, nx, ny);
        ASSERT_TRUE(LoadSurfaceCells(cells, &grid_));
        cells.SetText(nx, ny, "9");
        ASSERT_TRUE(StoreSurfaceCells(grid_, cells));
        EXPECT_EQ(grid_.values[1], 9);
    }
}

TEST_F(SurfacePage, ASurfaceWithoutValuesGivesOnlyTheCornerAndStoresNothing)
{
    GridCells cells;
    EXPECT_FALSE(LoadSurfaceCells(cells, nullptr));
    Set({1, 2, 3, 4}, 2, 2);
    SurfaceGrid noValues = grid_;
    noValues.values = nullptr;
    EXPECT_FALSE(LoadSurfaceCells(cells, &noValues));
    for (int32_t SurfaceGrid::*size : {&SurfaceGrid::nx, &SurfaceGrid::ny}) {
        noValues = grid_;
        noValues.*size = 0;
        EXPECT_FALSE(LoadSurfaceCells(cells, &noValues));
    }
    EXPECT_EQ(cells.RowCount(), 1);
    EXPECT_EQ(cells.ColumnCount(), 1);
    EXPECT_FALSE(StoreSurfaceCells(grid_, cells));
    cells.SetRowCount(3);  // data rows without a data column
    EXPECT_FALSE(StoreSurfaceCells(grid_, cells));
    cells.SetRowCount(1);  // and data columns without a data row
    cells.SetColumnCount(3);
    EXPECT_FALSE(StoreSurfaceCells(grid_, cells));
    EXPECT_EQ(grid_.nx, 2);
    EXPECT_EQ(grid_.values[3], 4);
}
