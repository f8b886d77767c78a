// Magnet patterns: point order, counts and limits of each generator and the prompt texts read back
// into their values.
#include "magnets/MagnetList.h"
#include "magnets/PatternCommand.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

using namespace ov;

void ExpectAt(const UserPoint& p, double x, double y)
{
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

using Coords = std::vector<std::pair<double, double>>;

Coords Of(const std::vector<UserPoint>& points)
{
    Coords coords;
    for (const UserPoint& p : points) coords.emplace_back(p.x, p.y);
    return coords;
}

TEST(MagnetPatterns, CrossHasTheCentreFirstThenFourArms)
{
    CrossParams p{1, 2, 20, 5, 3, 2};
    EXPECT_EQ(Of(CrossPoints(p)), (Coords{{1, 2},
                                          {21, 2},
                                          {41, 2},
                                          {61, 2},
                                          {-19, 2},
                                          {-39, 2},
                                          {-59, 2},
                                          {1, -3},
                                          {1, -8},
                                          {1, 7},
                                          {1, 12}}));
    CrossParams limits{0, 0, 20, 20, 0, 500};
    EXPECT_EQ(CrossPoints(limits).size(), 2u * (1 + 100) + 1);
    EXPECT_EQ(limits.xd, 1);
    EXPECT_EQ(limits.yd, 100);
}

TEST(MagnetPatterns, LineHasAtLeastTwoIntervalsAndBothEnds)
{
    for (int32_t nd : {0, 1, 2, -7}) {
        LineParams p;
        p.nd = nd;
        EXPECT_EQ(Of(LinePoints(p)), (Coords{{0, 0}, {50, 50}, {100, 100}})) << nd;
        EXPECT_EQ(p.nd, 2);
    }
    LineParams p{-10, 0, 100, 30, 3};
    const std::vector<UserPoint> points = LinePoints(p);
    ASSERT_EQ(points.size(), 4u);
    ExpectAt(points[0], -10, 0);
    ExpectAt(points[1], 100.0 / 3 - 10 * 2.0 / 3, 10);
    ExpectAt(points[3], 100, 30);
}

TEST(MagnetPatterns, CircleRunsFromTheStartAngleDownwards)
{
    CircleParams full;
    const std::vector<UserPoint> points = CirclePoints(full, true);
    ASSERT_EQ(points.size(), 9u);
    ExpectAt(points[0], 0, 0);
    for (int k = 0; k < 8; ++k) {
        const double theta = -45.0 * k * std::numbers::pi / 180;
        ExpectAt(points[static_cast<size_t>(k) + 1], 100 * std::cos(theta), -100 * std::sin(theta));
    }
    ExpectAt(points[3], 0, 100);  // -90 degrees lies up in user coordinates
    EXPECT_EQ(CirclePoints(full, false).size(), 8u);

    CircleParams arc;
    arc.px = 5;
    arc.py = -5;
    arc.RR = 2;
    arc.A0 = 30;
    arc.dA = 90;
    arc.rd = 4;
    const std::vector<UserPoint> ends = CirclePoints(arc, false);
    ASSERT_EQ(ends.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        const double theta = (30.0 - 30.0 * k) * std::numbers::pi / 180;
        ExpectAt(ends[static_cast<size_t>(k)], 5 + 2 * std::cos(theta), -5 - 2 * std::sin(theta));
    }

    CircleParams few, many;
    few.rd = 1;
    many.rd = 500;
    EXPECT_EQ(CirclePoints(few, false).size(), 2u);
    EXPECT_EQ(few.rd, 2);
    EXPECT_EQ(CirclePoints(many, true).size(), 121u);
    EXPECT_EQ(many.rd, 120);
}

TEST(MagnetPatterns, GridRunsRowByRowFromTheTopLeft)
{
    GridParams p;
    p.xc1 = 7;
    p.yc1 = -3;
    const std::vector<UserPoint> points = GridPoints(p);
    ASSERT_EQ(points.size(), 441u);
    ExpectAt(points[0], 7 - 200, -3 + 200);
    ExpectAt(points[1], 7 - 180, -3 + 200);
    ExpectAt(points[21], 7 - 200, -3 + 180);
    ExpectAt(points[220], 7, -3);
    ExpectAt(points[440], 7 + 200, -3 - 200);

    GridParams small;
    small.xd1 = -4;
    small.yd1 = 101;
    small.xg1 = 2;
    EXPECT_EQ(GridPoints(small).size(), 3u * 201);
    EXPECT_EQ(small.xd1, 1);
    EXPECT_EQ(small.yd1, 100);
}

TEST(MagnetPatterns, StaggeredRowsShiftTheRowsOfTheOtherParity)
{
    const double h = 20 * std::sqrt(3.0) / 2;
    for (int32_t yd : {10, 9}) {
        StaggerParams p;
        p.yd2 = yd;
        p.xd2 = 2;
        const std::vector<UserPoint> points = StaggeredPoints(p, true);
        const size_t nx = 5;
        ASSERT_EQ(points.size(), nx * (2 * static_cast<size_t>(yd) + 1));
        for (size_t j = 0; j < 4; ++j) {
            const bool shifted = static_cast<int32_t>(j % 2) != yd % 2;
            ExpectAt(points[j * nx], -40 + (shifted ? 10 : 0), yd * h - static_cast<double>(j) * h);
            ExpectAt(points[j * nx + 1], -20 + (shifted ? 10 : 0), yd * h - static_cast<double>(j) * h);
        }
        ExpectAt(points[static_cast<size_t>(yd) * nx + 2], 0, 0);  // the centre row stays
    }
}

TEST(MagnetPatterns, StaggeredColumnsShiftTheColumnsOfTheOtherParityDownwards)
{
    const double h = 20 * std::sqrt(3.0) / 2;
    for (int32_t xd : {2, 3}) {
        StaggerParams p;
        p.xd2 = xd;
        p.yd2 = 1;
        p.xc2 = 1;
        const std::vector<UserPoint> points = StaggeredPoints(p, false);
        const size_t nx = 2 * static_cast<size_t>(xd) + 1;
        ASSERT_EQ(points.size(), nx * 3);
        for (size_t i = 0; i < nx; ++i) {
            const bool shifted = static_cast<int32_t>(i % 2) != xd % 2;
            ExpectAt(points[i], 1 - xd * h + static_cast<double>(i) * h, 20 - (shifted ? 10 : 0));
            ExpectAt(points[2 * nx + i], 1 - xd * h + static_cast<double>(i) * h, -20 - (shifted ? 10 : 0));
        }
    }
    StaggerParams limits;
    limits.xd2 = 0;
    limits.yd2 = 1000;
    EXPECT_EQ(StaggeredPoints(limits, false).size(), 3u * 201);
    EXPECT_EQ(limits.xd2, 1);
    EXPECT_EQ(limits.yd2, 100);
}

TEST(MagnetPatternPrompt, FieldsInPromptOrderWithTheirTexts)
{
    MagnetPatternSettings s;
    s.circle.A0 = -12.5f;
    s.circle.RR = 1e7f;
    s.circle.px = 1234567.0f;
    const std::vector<PatternField> fields = PatternFields(s, PatternKind::Circle);
    EXPECT_EQ(PatternFieldTexts(fields),
              (std::vector<std::u16string>{u"1.23457e+06", u"0", u"1e+07", u"-12.5", u"360", u"8"}));
}

TEST(MagnetPatternPrompt, TypedTextsReadBackAndNonNumbersGiveZero)
{
    MagnetPatternSettings s;
    const std::vector<PatternField> fields = PatternFields(s, PatternKind::Cross);
    EXPECT_FALSE(ReadPatternFieldTexts(fields, {u"1", u"2", u"3", u"4", u"5"}));
    EXPECT_EQ(s.cross.xc, 0.0f);
    ASSERT_TRUE(ReadPatternFieldTexts(fields, {u" 2.5", u"abc", u"1e999", u"-4e-1", u"7.000000", u"+3x"}));
    EXPECT_EQ(s.cross.xc, 2.5f);
    EXPECT_EQ(s.cross.yc, 0.0f);
    EXPECT_EQ(s.cross.xg, 0.0f);
    EXPECT_EQ(s.cross.yg, -0.4f);
    EXPECT_EQ(s.cross.xd, 7);
    EXPECT_EQ(s.cross.yd, 3);
    EXPECT_EQ(ParseInteger(u"-99999999999"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ParseInteger(u"99999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ParseInteger(u"-99999999999999999999"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ParseInteger(u"99999999999999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ParseInteger(u"\t-"), 0);
    EXPECT_EQ(ParseDecimal(u"\t12\u00b734"), 12);  // stops at the first character outside ASCII
    EXPECT_EQ(ParseInteger(u"4\u00b75"), 4);
    EXPECT_EQ(ParseInteger(u"-12"), -12);
}

TEST(MagnetPatternPrompt, PatternsReplaceThePositionsAndCopyModeKeepsOrAddsPairs)
{
    MagnetRecord record{};
    record.scale_angle_mode = 1;
    COvMag magnet, pairs;
    pairs.SetPositions(std::vector<OvPointF>{{2, 45}, {3, 90}});
    record.scale_angle = pairs.Handle();
    MagnetPatternSettings s;
    const std::vector<UserPoint> points = PatternPoints(s, PatternKind::Circle, true);
    ASSERT_EQ(points.size(), 8u);  // copy mode: no centre
    ReplaceWithPoints(record, magnet, points, PageMapping{10, 20, 2});
    ASSERT_EQ(magnet.Count(), 8);
    EXPECT_TRUE(magnet.Has(OV_MAG_CHANGED));
    EXPECT_FLOAT_EQ(magnet.Positions()[0].x, 210);
    EXPECT_FLOAT_EQ(magnet.Positions()[2].y, 20 - 200);
    ASSERT_EQ(pairs.Count(), 8);
    EXPECT_EQ(pairs.Positions()[1].x, 3);
    EXPECT_EQ(pairs.Positions()[1].y, 90);
    EXPECT_EQ(pairs.Positions()[2].x, 1);
    EXPECT_EQ(pairs.Positions()[7].y, 0);

    record.scale_angle_mode = 0;
    ReplaceWithPoints(record, magnet, PatternPoints(s, PatternKind::Grid, false), PageMapping{});
    EXPECT_EQ(magnet.Count(), 441);
    EXPECT_EQ(pairs.Count(), 8);  // list mode leaves the second list alone
    EXPECT_NEAR(PatternPoints(s, PatternKind::StaggeredColumns, false)[0].y, 200, 1e-9);
    EXPECT_NEAR(PatternPoints(s, PatternKind::StaggeredRows, false)[0].y, 100 * std::sqrt(3.0), 1e-9);
}

}  // namespace
