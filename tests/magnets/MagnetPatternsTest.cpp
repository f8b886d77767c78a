// Magnet patterns: point order, counts and limits of each generator and the prompt texts read back
// into their values.
#include "MagnetTestKit.h"

#include "magnets/PatternCommand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

namespace {

using namespace ov;

// The count and the points at the given indices, rounded to two decimals: "3: 0,0 50,50".
std::string Text(const std::vector<UserPoint>& points, const std::vector<size_t>& at)
{
    std::ostringstream text;
    text << points.size() << ":";
    const auto round = [](double v) { return std::round(v * 100) / 100 + 0.0; };
    for (const size_t i : at) text << " " << round(points.at(i).x) << "," << round(points.at(i).y);
    return text.str();
}

TEST(MagnetPatterns, CrossLineAndCircleRunInOrderWithinTheirLimits)
{
    CrossParams cross{1, 2, 20, 5, 3, 2};
    EXPECT_EQ(Text(CrossPoints(cross), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
              "11: 1,2 21,2 41,2 61,2 -19,2 -39,2 -59,2 1,-3 1,-8 1,7 1,12");  // centre first
    CrossParams limits{0, 0, 20, 20, 0, 500};
    EXPECT_EQ(Text(CrossPoints(limits), {0, 1, 2}), "203: 0,0 20,0 -20,0");
    EXPECT_EQ(limits.xd, 1);
    EXPECT_EQ(limits.yd, 100);
    for (int32_t nd : {0, 1, 2, -7}) {  // at least two intervals
        LineParams p;
        p.nd = nd;
        EXPECT_EQ(Text(LinePoints(p), {0, 1, 2}), "3: 0,0 50,50 100,100") << nd;
        EXPECT_EQ(p.nd, 2);
    }
    LineParams line{-10, 0, 100, 30, 3};
    EXPECT_EQ(Text(LinePoints(line), {0, 1, 2, 3}), "4: -10,0 26.67,10 63.33,20 100,30");
    // The circle runs from the start angle downwards: -90 degrees lies up in user coordinates.
    CircleParams full, arc{5, -5, 2, 30, 90, 4}, few, many;
    EXPECT_EQ(Text(CirclePoints(full, true), {0, 1, 2, 3, 4, 5, 6, 7, 8}),
              "9: 0,0 100,0 70.71,70.71 0,100 -70.71,70.71 -100,0 -70.71,-70.71 0,-100 70.71,-70.71");
    EXPECT_EQ(CirclePoints(full, false).size(), 8u);
    EXPECT_EQ(Text(CirclePoints(arc, false), {0, 1, 2, 3}), "4: 6.73,-6 7,-5 6.73,-4 6,-3.27");
    few.rd = 1;
    many.rd = 500;
    EXPECT_EQ(CirclePoints(few, false).size(), 2u);
    EXPECT_EQ(few.rd, 2);
    EXPECT_EQ(CirclePoints(many, true).size(), 121u);
    EXPECT_EQ(many.rd, 120);
}

TEST(MagnetPatterns, GridsRunRowByRowFromTheTopLeftAndStaggeredOnesShiftTheOtherParity)
{
    GridParams grid;
    grid.xc1 = 7;
    grid.yc1 = -3;
    EXPECT_EQ(Text(GridPoints(grid), {0, 1, 21, 220, 440}), "441: -193,197 -173,197 -193,177 7,-3 207,-203");
    GridParams small;
    small.xd1 = -4;
    small.yd1 = 101;
    small.xg1 = 2;
    EXPECT_EQ(Text(GridPoints(small), {0}), "603: -2,2000");
    EXPECT_EQ(small.xd1, 1);
    EXPECT_EQ(small.yd1, 100);
    // Rows 20 · sqrt(3) / 2 apart; the centre row stays.
    const struct {
        bool rows;
        int32_t xd, yd;
        std::vector<size_t> at;
        const char* points;
    } staggered[] = {
        {true, 2, 10, {0, 1, 5, 6, 52}, "105: -40,173.21 -20,173.21 -30,155.88 -10,155.88 0,0"},
        {true, 2, 9, {0, 1, 5, 6, 47}, "95: -30,155.88 -10,155.88 -40,138.56 -20,138.56 0,0"},
        {false, 2, 1, {0, 1, 2, 11}, "15: -33.64,20 -16.32,10 1,20 -16.32,-30"},
        {false, 3, 1, {0, 1, 14}, "21: -50.96,10 -33.64,20 -50.96,-30"},
    };
    for (const auto& row : staggered) {
        StaggerParams p;
        p.xd2 = row.xd;
        p.yd2 = row.yd;
        p.xc2 = row.rows ? 0 : 1;
        EXPECT_EQ(Text(StaggeredPoints(p, row.rows), row.at), row.points);
    }
    StaggerParams limits;
    limits.xd2 = 0;
    limits.yd2 = 1000;
    EXPECT_EQ(StaggeredPoints(limits, false).size(), 3u * 201);
    EXPECT_EQ(limits.xd2, 1);
    EXPECT_EQ(limits.yd2, 100);
}

// The texts a prompt shows and the values the typed texts give; non-numbers read as zero.
TEST(MagnetPatternPrompt, FieldsShowTheirValuesAndTypedTextsReadBack)
{
    MagnetPatternSettings s;
    s.circle.A0 = -12.5f;
    s.circle.RR = 1e7f;
    s.circle.px = 1234567.0f;
    EXPECT_EQ(PatternFieldTexts(PatternFields(s, PatternKind::Circle)),
              (std::vector<std::u16string>{u"1.23457e+06", u"0", u"1e+07", u"-12.5", u"360", u"8"}));
    const std::vector<PatternField> fields = PatternFields(s, PatternKind::Cross);
    EXPECT_FALSE(ReadPatternFieldTexts(fields, {u"1", u"2", u"3", u"4", u"5"}));
    EXPECT_EQ(s.cross.xc, 0.0f);
    ASSERT_TRUE(ReadPatternFieldTexts(fields, {u" 2.5", u"abc", u"1e999", u"-4e-1", u"7.000000", u"+3x"}));
    EXPECT_EQ(PatternFieldTexts(fields),
              (std::vector<std::u16string>{u"2.5", u"0", u"0", u"-0.4", u"7", u"3"}));
    std::vector<int32_t> parsed;
    for (const char16_t* text : {u"-99999999999", u"99999999999", u"-99999999999999999999",
                                 u"99999999999999999999", u"\t-", u"4\u00b75", u"-12"})
        parsed.push_back(ParseInteger(text));
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min(), kMax = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(parsed, (std::vector<int32_t>{kMin, kMax, kMin, kMax, 0, 4, -12}));
    EXPECT_EQ(ParseDecimal(u"\t12\u00b734"), 12);  // stops at the first character outside ASCII
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
    EXPECT_EQ(testkit::PointsText({magnet.Positions()[0], magnet.Positions()[2]}), "210,20 10,-180");
    EXPECT_EQ(testkit::PointsText(pairs.Positions()), "2,45 3,90 1,0 1,0 1,0 1,0 1,0 1,0");

    record.scale_angle_mode = 0;
    ReplaceWithPoints(record, magnet, PatternPoints(s, PatternKind::Grid, false), PageMapping{});
    EXPECT_EQ(magnet.Count(), 441);
    EXPECT_EQ(pairs.Count(), 8);  // list mode leaves the second list alone
    EXPECT_NEAR(PatternPoints(s, PatternKind::StaggeredColumns, false)[0].y, 200, 1e-9);
    EXPECT_NEAR(PatternPoints(s, PatternKind::StaggeredRows, false)[0].y, 100 * std::sqrt(3.0), 1e-9);
}

}  // namespace
