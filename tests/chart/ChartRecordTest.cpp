// Chart record access and data series: text slots, ranges, series creation, resizing (values kept or
// not), replacing the matrix, a drawing path as a series, coordinate systems and property codes. The
// font size and scale parameter clamps are the page models' tests.
#include "chart/ChartRecordAccess.h"
#include "chart/DataSeriesObject.h"
#include "chart/SeriesProperties.h"
#include "chart/SeriesValues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

using namespace ov;

namespace {

struct SeriesDeleter {
    void operator()(DataSeries* s) const { DestroyDataSeries(s); }
};
using SeriesPtr = std::unique_ptr<DataSeries, SeriesDeleter>;

SeriesPtr Series(int columns, int rows, const std::vector<double>& values)
{
    SeriesPtr s(CreateDataSeries());
    ResizeSeries(*s, columns, rows);
    std::copy(values.begin(), values.end(), s->values);
    return s;
}

std::vector<double> Values(const DataSeries& s)
{
    return {s.values, s.values + static_cast<size_t>(s.columns) * s.rows};
}

}  // namespace

TEST(ChartRecordAccess, TextSlotsAreCutAndTerminated)
{
    ChartRecord r{};
    std::memset(r.font_face, 0x41, sizeof r.font_face);  // garbage after the text must go
    const std::u16string longText(200, u'c');
    SetCaption(r, longText);
    SetFontFace(r, longText);
    SetAxisTitle(r.axes[3], longText);
    EXPECT_EQ(Caption(r), longText.substr(0, 127));
    EXPECT_EQ(r.caption[127], 0);
    EXPECT_EQ(FontFace(r), longText.substr(0, 126));
    EXPECT_EQ(r.font_face[126], 0);
    EXPECT_EQ(AxisTitle(r.axes[3]), longText.substr(0, 127));
    SetFontFace(r, u"Sans");
    EXPECT_EQ(FontFace(r), u"Sans");
    EXPECT_EQ(r.font_face[5], 0);
    SetCaption(r, u"");
    EXPECT_EQ(Caption(r), u"");
    char16_t slot[8] = {u'z', u'z', u'z', u'z', u'z', u'z', u'z', u'z'};  // a slot of 4 in a larger buffer
    StoreTextSlot(reinterpret_cast<ov_char16*>(slot), 4, 10, u"abcdef");
    EXPECT_EQ(std::u16string(slot, 8), std::u16string(u"abc\0zzzz", 8));
    StoreTextSlot(reinterpret_cast<ov_char16*>(slot), 1, 10, u"abcdef");
    EXPECT_EQ(slot[0], 0);
    std::memset(&r, 0x41, sizeof r);  // a host slot filled to its end reads to its end, not beyond
    EXPECT_EQ(Caption(r), std::u16string(std::size(r.caption), u'\x4141'));
}

TEST(ChartRecordAccess, RangesAreOrderedAndWidenedInSinglePrecision)
{
    struct Case {
        double a, b;
        float min, max;
    } cases[] = {{0, 0, -1e-16f, 1e-16f},
                 {5, 5, 5, 5},
                 {7, -2, -2, 7},
                 {1, 1 + 1e-20, 1, 1},
                 {0, 1e-16f, 0, 1e-16f},  // exactly the widening apart: kept
                 {-1e-10, 1e-12, static_cast<float>(-1e-10), static_cast<float>(1e-12)}};
    for (const Case& c : cases) {
        AxisRecord axis{};
        StoreAxisRange(axis, c.a, c.b);
        EXPECT_EQ(axis.range_min, c.min) << c.a << " " << c.b;
        EXPECT_EQ(axis.range_max, c.max) << c.a << " " << c.b;
    }
}

TEST(SeriesValues, ResizeReplacesTheBlockAndRejectsBadSizes)
{
    SeriesPtr s(CreateDataSeries());
    ASSERT_TRUE(ResizeSeries(*s, 3, 4));
    *SeriesValue(*s, 2, 3) = 9;
    EXPECT_EQ(s->values[2 * 4 + 3], 9);  // column-major
    EXPECT_EQ(SeriesValue(*s, 3, 0), nullptr);
    EXPECT_EQ(SeriesValue(*s, 0, 4), nullptr);
    ASSERT_TRUE(ResizeSeries(*s, 3, 4));
    EXPECT_EQ(*SeriesValue(*s, 2, 3), 0);  // contents are not kept
    EXPECT_FALSE(ResizeSeries(*s, -1, 4));
    EXPECT_EQ(s->values, nullptr);
    EXPECT_EQ(s->rows, 0);
    EXPECT_FALSE(ResizeSeries(*s, 0x7fffffff, 0x7fffffff));
    EXPECT_TRUE(ResizeSeries(*s, 0, 5));
    EXPECT_EQ(s->values, nullptr);
}

TEST(SeriesValues, ResizeKeepsTheOverlapAndZeroesTheRest)
{
    SeriesPtr s = Series(2, 3, {1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(ResizeSeriesKeepingValues(*s, 3, 2));
    EXPECT_EQ(Values(*s), (std::vector<double>{1, 2, 4, 5, 0, 0}));
    ASSERT_TRUE(ResizeSeriesKeepingValues(*s, 1, 4));
    EXPECT_EQ(Values(*s), (std::vector<double>{1, 2, 0, 0}));
    EXPECT_FALSE(ResizeSeriesKeepingValues(*s, -1, 4));
    EXPECT_EQ(s->columns, 1);
}

TEST(SeriesValues, ReplacingCopiesAMatrixOfAnySize)
{
    SeriesPtr s = Series(2, 2, {1, 2, 3, 4});
    const double matrix[] = {10, 11, 12, 20, 21, 22, 30, 31, 32, 40, 41, 42};  // 4 columns of 3 rows
    ASSERT_TRUE(ReplaceSeriesValues(*s, 4, 3, matrix));
    EXPECT_EQ(s->columns, 4);
    EXPECT_EQ(s->rows, 3);
    EXPECT_EQ(Values(*s), std::vector<double>(std::begin(matrix), std::end(matrix)));
    ASSERT_TRUE(ReplaceSeriesValues(*s, 0, 3, nullptr));  // a file that gave no data
    EXPECT_EQ(s->values, nullptr);
    EXPECT_FALSE(ReplaceSeriesValues(*s, -1, 3, matrix));
    EXPECT_EQ(s->columns, 0);
}

TEST(DataSeriesObject, CoordinateSystemFollowsTheShownAxes)
{
    ChartRecord r{};
    r.axes[OV_AXIS_Y2].shown = 1;
    EXPECT_EQ(AllowedCoordinateSystem(r, kSystemXY2), kSystemXY2);
    EXPECT_EQ(AllowedCoordinateSystem(r, kSystemXY3), kSystemXY);  // axis 3 not shown
    EXPECT_EQ(AllowedCoordinateSystem(r, 7), kSystemXY);
    DataSeries s{};
    SetSeriesType(s, 4);
    SetSeriesSystem(s, kSystemXY3);
    EXPECT_EQ(s.type_and_system, 0x24);
    SetSeriesType(s, 1);
    EXPECT_EQ(SeriesSystem(s), kSystemXY3);
    EXPECT_EQ(SeriesType(s), 1);
}

// A drawing path becomes a series of x and y columns in chart units; a path of one point is none.
TEST(DataSeriesObject, PathBecomesASeriesInChartUnits)
{
    OvPointF points[3] = {{10, 20}, {30, 0}, {50, 40}};
    std::u16string name = u"Outline";
    DrawingPath path{};
    path.name = name.data();
    path.points = points;
    path.count = 3;
    DrawingContext context{};
    context.origin_x = 10;
    context.origin_y = 40;
    context.scale = 10;
    SeriesPtr s(SeriesFromPath(path, context));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(std::u16string(s->name), u"Outline");
    EXPECT_EQ(std::pair(s->columns, s->rows), std::pair(2, 3));
    EXPECT_EQ(Values(*s), (std::vector<double>{0, 2, 4, 2, 4, 0}));
    path.count = 1;
    EXPECT_EQ(SeriesFromPath(path, context), nullptr);
}

TEST(SeriesProperties, EachCodeCopiesOnlyItsField)
{
    DataSeries source;
    SetSeriesDefaults(source);
    source.marker_size = 11;
    source.curve_style.colour[2] = 0x12345678u;
    source.marker_style.line_width = 9;
    source.hidden_from_legend = 1;
    struct Case {
        int code;
        std::function<bool(const DataSeries&)> changed;
    } cases[] = {
        {kPropMarkerSize, [](const DataSeries& s) { return s.marker_size == 11; }},
        {kPropCurveStyle + 5, [](const DataSeries& s) { return s.curve_style.colour[2] == 0x12345678u; }},
        {kPropMarkerStyle + 1, [](const DataSeries& s) { return s.marker_style.line_width == 9; }},
        {kPropLegend, [](const DataSeries& s) { return s.hidden_from_legend == 1; }},
        {kPropChartType + 4, [](const DataSeries& s) { return SeriesType(s) == 4 && SeriesSystem(s) == 2; }},
    };
    for (const Case& c : cases) {
        DataSeries a, b, untouched;
        for (DataSeries* s : {&a, &b, &untouched}) SetSeriesDefaults(*s), SetSeriesSystem(*s, 2);
        EXPECT_EQ(ApplySeriesProperty({&a, &b}, source, c.code), 2) << c.code;
        EXPECT_TRUE(c.changed(a) && c.changed(b)) << c.code;
        // Nothing but the named field moved: undo it and compare bytes.
        if (c.code >= kPropChartType)
            SetSeriesType(a, SeriesType(untouched));
        else
            CopySeriesProperty(a, untouched, c.code);
        EXPECT_EQ(std::memcmp(&a, &untouched, sizeof a), 0) << c.code;
    }
    DataSeries t;
    SetSeriesDefaults(t);
    EXPECT_FALSE(CopySeriesProperty(t, source, 25));
    EXPECT_FALSE(CopySeriesProperty(t, source, 37));
}
