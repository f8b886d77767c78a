// Points along the pieces: spacing, corners, the dropped near-repeat, grid cells and the typed values.
#include "PathTestKit.h"

#include "paths/ClipPieces.h"
#include "paths/PointsAlongPaths.h"

namespace ov {
namespace {

TEST(PointsAlongPaths, SpacedByBiasWithCornersTwiceAndNearRepeatsDropped)
{
    const struct {
        std::vector<testkit::Pts> lines;
        int divisions;
        double bias;
        std::vector<float> xs, ys;
    } rows[] = {
        {{{{0, 0}, {4, 0}, {4, 4}}}, 2, 1.0, {0, 2, 4, 4, 4, 4}, {0, 0, 0, 0, 2, 4}},
        {{{{0, 0}, {15, 0}}}, 4, 2.0, {0, 1, 3, 7, 15}, {0, 0, 0, 0, 0}},
        {{{{0, 5}, {10, 5}}, {{10.005f, 5}, {10.005f, 15}}}, 1, 1.0, {0, 10, 10.005f}, {5, 5, 15}},
        {{{{0, 5}, {10, 5}}, {{10.02f, 5}, {10.02f, 15}}}, 1, 1.0, {0, 10, 10.02f, 10.02f}, {5, 5, 5, 15}},
    };
    for (const auto& row : rows) {
        std::vector<PathObject> paths;
        for (const auto& line : row.lines) paths.push_back(testkit::Lines(line));
        ClipPieces view;
        view.Rebuild(paths);
        const auto points = PointsAlongPieces(view.Pieces(), row.divisions, row.bias);
        ASSERT_EQ(points.size(), row.xs.size());
        for (size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(points[i].x, row.xs[i], 1e-4) << i;
            EXPECT_NEAR(points[i].y, row.ys[i], 1e-4) << i;
        }
    }
    const OvPointF cell = GridCell({25, -5}, CellGrid{5, 15, 4});
    EXPECT_EQ(cell.x, 5.0f);
    EXPECT_EQ(cell.y, -5.0f);
}

TEST(PointsAlongPaths, TypedValuesAreLeadingNumbersWithinTheirLimits)
{
    const std::pair<std::u16string, int> divisions[] = {
        {u"0", 1},        {u"-4", 1}, {u"abc", 1}, {u"", 1},
        {u"  12xyz", 12}, {u"+7", 7}, {u"3.9", 3}, {u"99999999999999999999", 2147483647}};
    for (const auto& [text, want] : divisions) EXPECT_EQ(ParseDivisions(text), want);
    const std::pair<std::u16string, double> biases[] = {{u"50", 10.0},   {u"0", 0.1},    {u"text", 0.1},
                                                        {u" 2.5x", 2.5}, {u"+0.5", 0.5}, {u"1e999", 10.0},
                                                        {u"0.1", 0.1},   {u"10", 10.0}};
    for (const auto& [text, want] : biases) EXPECT_EQ(ParseBias(text), want);
    EXPECT_EQ(ClampBias(NAN), 0.1);
    EXPECT_EQ(ClampBias(3.0), 3.0);
}

}  // namespace
}  // namespace ov
