// Surface grid editing: the one-pass z range, bad input, added and deleted positions,
// reversing and transposing.
#include "view3d/SurfaceData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
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
    Set({1, 2, 3, 4, 5, 6}, 3, 2);
    DeleteXPositions(grid_, {0, 2, 7, -1});
    EXPECT_EQ(Text(), "1x2: 2 5");
    DeleteXPositions(grid_, {0});
    EXPECT_EQ(Text(), "1x2: 0 0");

    Set({1, 2, 3, 4, 5, 6}, 3, 2);
    DeleteXPositions(grid_, {0, 1, 2});  // the highest go first, the first stays
    EXPECT_EQ(Text(), "1x2: 1 4");

    Set({1, 2, 3, 4, 5, 6}, 2, 3);
    DeleteYPositions(grid_, {1, 1});
    EXPECT_EQ(Text(), "2x2: 1 2 5 6");
    DeleteYPositions(grid_, {0, 1});
    EXPECT_EQ(Text(), "2x1: 1 2");
    DeleteYPositions(grid_, {0});
    EXPECT_EQ(Text(), "2x1: 0 0");
    EXPECT_EQ(grid_.z_max, 0);
}

TEST_F(Surface, ReversingAndTransposingMoveValuesAndKeepRanges)
{
    Set({1, 2, 3, 4, 5, 6}, 3, 2);
    ReverseX(grid_);
    EXPECT_EQ(Text(), "3x2: 3 2 1 6 5 4");
    EXPECT_EQ(grid_.z_max_index, 3);
    ReverseY(grid_);
    EXPECT_EQ(Text(), "3x2: 6 5 4 3 2 1");
    EXPECT_EQ(grid_.z_max_index, 0);

    Set({1, 2, 3, 4, 5, 6}, 3, 2);
    TransposeSurface(grid_);
    EXPECT_EQ(Text(), "2x3: 1 4 2 5 3 6");
    EXPECT_EQ(std::tuple(grid_.x_min, grid_.x_max, grid_.y_min), std::tuple(-1, 1, 10));
    EXPECT_EQ(grid_.z_max_index, 5);
}
