// The model rebuild: ratios, axis maps, the builders of every view preset, contour bands and lines,
// flattening, the series path of 3-D charts and the colours of the items.
#include "chart/ColourMap.h"
#include "view3d/AxisMaps.h"
#include "view3d/ContourBands.h"
#include "view3d/ModelItemStock.h"
#include "view3d/ModelItems.h"
#include "view3d/ModelRebuild.h"
#include "view3d/SeriesModel.h"
#include "view3d/SurfaceData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <limits>
#include <map>
#include <span>
#include <string>
#include <vector>

using namespace ov;

namespace {

// A chart record with automatic ranges and equal ratios, a surface and its 3-D host object.
class Model : public ::testing::Test {
protected:
    Model()
    {
        for (int a = 0; a < 3; ++a) {
            record_.axes[a].shown = 1;
            record_.axes[a].ratio_3d = 1;
        }
        record_.contour_levels = 16;
        object_.surface = &grid_;
        grid_.host3d = &object_;
    }
    ~Model() override
    {
        FreeModelItems(object_.items);
        FreeSurfaceData(&grid_);
        for (DataSeries& s : series_) std::free(s.values);
        ov_list_remove_all(&seriesList_);
    }
    void Grid(const std::vector<double>& v, int nx, int ny, double x0 = 0, double x1 = 1, double y0 = 0,
              double y1 = 1)
    {
        ASSERT_TRUE(SetSurfaceData(grid_, v.data(), nx, ny, x0, x1, y0, y1));
    }
    std::vector<ModelItem*> Build(int preset)
    {
        record_.view_preset_3d = static_cast<uint8_t>(preset);
        EXPECT_TRUE(RebuildModel(record_, object_));
        return ModelItemsOf(object_.items);
    }
    // A series of `columns` columns holding `values` column after column.
    void AddSeries(int columns, const std::vector<double>& values, uint8_t projection = 0)
    {
        DataSeries& s = series_.emplace_back();
        s.columns = columns;
        s.rows = static_cast<int32_t>(values.size()) / columns;
        s.values = static_cast<double*>(std::malloc(values.size() * sizeof(double)));
        std::copy(values.begin(), values.end(), s.values);
        s.colour_map = projection;
        object_.surface = nullptr;
        object_.series_list = &seriesList_;
        ov_list_append(&seriesList_, &s);
    }
    std::array<float, 4> Ratios() const
    {
        return {record_.axes[0].ratio_3d, record_.axes[1].ratio_3d, record_.axes[2].ratio_3d,
                record_.axes[3].ratio_3d};
    }
    void SetRatios(float x, float y, float z, float extra = 0)
    {
        for (int a = 0; a < 4; ++a) record_.axes[a].ratio_3d = std::array<float, 4>{x, y, z, extra}[a];
    }

    ChartRecord record_{};
    Host3DObject object_{};
    SurfaceGrid grid_{};
    std::deque<DataSeries> series_;  // stable addresses: the list points into it
    OvHostList seriesList_{};
};

// Signed area of a quadrilateral's (x, y) shadow.
double ShadowArea(const ModelItem& q)
{
    double a = 0;
    for (int k = 0; k < 4; ++k) {
        const OvPoint3F& p = q.points[k];
        const OvPoint3F& n = q.points[(k + 1) % 4];
        a += p.x * n.y - n.x * p.y;
    }
    return std::abs(a) / 2;
}

// Lowest and highest z of an item's points.
std::pair<float, float> ZSpan(const ModelItem& item)
{
    const auto [lo, hi] =
        std::minmax_element(item.points, item.points + item.count,
                            [](const OvPoint3F& a, const OvPoint3F& b) { return a.z < b.z; });
    return {lo->z, hi->z};
}

// A point as "x y z" and an item's points as "x y z, x y z, ...", six digits each.
std::string Point(const OvPoint3F& p)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g %g %g", p.x, p.y, p.z);
    return buffer;
}

std::string Points(const ModelItem& item)
{
    std::string text;
    for (int k = 0; k < item.count; ++k) text += (k > 0 ? ", " : "") + Point(item.points[k]);
    return text;
}

Rgb ColourOfItem(const ModelItem& item)
{
    return {item.colour[0], item.colour[1], item.colour[2]};
}

}  // namespace

TEST_F(Model, RatiosAreNormalisedOnceAndStayStable)
{
    SetRatios(2, 1, 0.05f);
    for (int pass = 0; pass < 2; ++pass) {
        RebuildModel(record_, object_);
        EXPECT_EQ(Ratios(), (std::array<float, 4>{1, 0.5f, 0.1f, 0}));  // the fourth axis has no 3-D ratio
    }
    SetRatios(std::numeric_limits<float>::quiet_NaN(), -3, 4);
    NormaliseAxisRatios(record_);
    EXPECT_EQ(Ratios(), (std::array<float, 4>{0.1f, 0.1f, 1, 0}));
    SetRatios(0.5f, 0.25f, 0.5f, 10);  // all below 1, the fourth axis larger: it takes no part
    NormaliseAxisRatios(record_);
    EXPECT_EQ(Ratios(), (std::array<float, 4>{1, 0.5f, 1, 10}));
}

TEST_F(Model, AxisMapsTakeTheDataOrTheAxisRangeToMinusRatioPlusRatio)
{
    AxisRecord axis{};
    axis.shown = 1;
    axis.range_min = -100;
    axis.range_max = 100;
    AxisMap map{};
    SetAxisMap(map, 2, 6, axis, 0.5);
    for (const auto& [value, mapped] : {std::pair{2.0, -0.5}, {6.0, 0.5}, {5.0, 0.25}})
        EXPECT_DOUBLE_EQ(MapValue(map, value), mapped);
    EXPECT_EQ(map.data_max, 6);

    axis.shown = 0;  // the axis record's own range
    SetAxisMap(map, 2, 6, axis, 1);
    EXPECT_DOUBLE_EQ(MapValue(map, -100), -1);
    EXPECT_DOUBLE_EQ(MapValue(map, 50), 0.5);
    EXPECT_EQ(map.data_min, 2);

    axis.shown = 1;  // an empty range widens to [min, min + 1]
    SetAxisMap(map, 3, 3, axis, 0.25);
    EXPECT_EQ(map.range_max, 4);
    EXPECT_DOUBLE_EQ(MappedMin(map), -0.25);
    EXPECT_DOUBLE_EQ(MappedMax(map), 0.25);
}

TEST_F(Model, BarsStandOnTheFloorOrOnZeroAndReachTheirValue)
{
    Grid({5}, 1, 1, 0, 2, 0, 4);  // one value: one bar of six faces for presets 0 ... 3 only
    for (int preset = 0; preset <= 12; ++preset) {
        const auto items = Build(preset);
        ASSERT_EQ(items.size(), preset <= 3 ? 1u : 0u) << preset;
        for (const ModelItem* bar : items) EXPECT_EQ(ov_list_count(&bar->children), 6);
    }
    // z −1 ... 3: the floor at −1, zero at −0.5; the second bar spans x 0 ... 1
    Grid({-1, 3}, 2, 1, 0, 4, 0, 1);
    for (const auto& [preset, bottom] : {std::pair<int, const char*>{0, "0 -1 -1, 1 -1 -1, 1 1 -1, 0 1 -1"},
                                         {2, "0 -1 -0.5, 1 -1 -0.5, 1 1 -0.5, 0 1 -0.5"}}) {
        const auto faces = ModelItemsOf(Build(preset)[1]->children);
        ASSERT_EQ(faces.size(), 6u);
        EXPECT_EQ(Points(*faces[0]), bottom);
        EXPECT_EQ(Points(*faces[1]), "0 -1 1, 1 -1 1, 1 1 1, 0 1 1");
    }
}

TEST_F(Model, ThreeByTwoGridBuildsSegmentsAlongEachWayAndTwoCells)
{
    Grid({0, 1, 2, 3, 4, 5}, 3, 2, 0, 1, 5, 7);  // z 0 ... 5 maps to −1 ... 1
    record_.axes[1].ratio_3d = 0.5f;
    const auto alongX = Build(5);
    ASSERT_EQ(alongX.size(), 4u);
    for (const ModelItem* s : alongX) EXPECT_FLOAT_EQ(s->points[0].y, s->points[1].y);
    const auto alongY = Build(6);
    ASSERT_EQ(alongY.size(), 3u);
    EXPECT_EQ(Points(*alongY[2]), "1 -0.5 -0.2, 1 0.5 1");  // the extra segment on the last column
    for (int preset : {4, 7}) {
        const auto cells = Build(preset);
        ASSERT_EQ(cells.size(), 2u);
        EXPECT_EQ(Points(*cells[1]), "0 -0.5 -0.6, 1 -0.5 -0.2, 1 0.5 1, 0 0.5 0.6");  // values 1, 2, 5, 4
    }
    // Projections 1 ... 6 flatten the bars onto the top, bottom, front, back, right and left faces.
    const float faces[7] = {0, 1, -1, -0.5f, 0.5f, 1, -1};
    for (uint8_t p = 1; p <= 6; ++p) {
        record_.projection_3d = p;
        for (const ModelItem* bar : Build(0))
            for (const ModelItem* face : ModelItemsOf(bar->children))
                for (const OvPoint3F& q : std::span(face->points, 4))
                    ASSERT_FLOAT_EQ(p <= 2 ? q.z : p <= 4 ? q.y : q.x, faces[p]) << int(p);
    }
    record_.projection_3d = 0;
    Grid({0, 1, 2}, 3, 1);
    EXPECT_TRUE(Build(4).empty());
    EXPECT_TRUE(Build(5).empty());
}

TEST_F(Model, ColoursComeFromTheChosenColourMap)
{
    record_.colour_map_3d = 6;
    Grid({10, 20, 30, 40}, 2, 2);
    ColourMap map;
    map.ChooseControlColours(6);
    map.SetRange(10, 40);
    const auto bars = Build(0);
    EXPECT_EQ(ColourOfItem(*ModelItemsOf(bars[1]->children)[0]), map.ColourOf(30));  // i outer, j inner
    const auto segments = Build(5);
    EXPECT_EQ(ColourOfItem(*segments[0]), map.ColourOf(15));
    const auto cells = Build(4);
    map.SetRange(-1, 1);
    EXPECT_EQ(ColourOfItem(*cells[0]), map.ColourOf((-1 - 1 / 3.0 + 1 / 3.0 + 1) / 4));
    EXPECT_FLOAT_EQ(object_.z_tolerance, 30e-12f);
}

TEST_F(Model, BandsTakeTheColourOfTheLevelAtTheirTop)
{
    record_.colour_map_3d = 6;
    Grid({10, 20, 30, 40}, 2, 2);  // model z −1, −1/3, 1/3, 1: the cell crosses most levels
    ColourMap map;
    map.ChooseControlColours(6);
    map.SetLevels(16);
    map.SetRange(-1, 1);  // a level every 1/8
    for (const ModelItem* band : ModelItemsOf(Build(8)[0]->children)) {
        const auto [lo, hi] = ZSpan(*band);
        if (hi - lo < 1e-6f) continue;  // a flat piece on a level is of either band
        const double top = std::floor((static_cast<double>(lo) + hi + 2) * 4) + 1;
        EXPECT_EQ(ColourOfItem(*band), map.ColourOf(top / 8 - 1)) << lo << " ... " << hi;
    }
}

TEST_F(Model, BandsTileEachCellBetweenNeighbouringLevels)
{
    ColourMap map;
    map.SetRange(-1, 1);
    map.SetLevels(16);
    const BandSettings bands{&map, 16, 1e-9, true};
    for (const double scale : {1.0, 1e11}) {  // a wide data range keeps the tolerance small in the box
        std::vector<double> values{0, 3, 1, 7, 2, 5, 9, 4, 6};
        for (double& v : values) v *= scale;
        Grid(values, 3, 3);
        const auto cells = Build(8);
        ASSERT_EQ(cells.size(), 4u);
        for (const ModelItem* cell : cells) {
            const auto [cellLo, cellHi] = ZSpan(*cell);
            double area = 0;
            for (const ModelItem* band : ModelItemsOf(cell->children)) {
                ASSERT_EQ(band->kind, OV_ITEM_QUAD);
                area += ShadowArea(*band);
                const auto [lo, hi] = ZSpan(*band);
                EXPECT_GE(lo, cellLo - 1e-6f);
                EXPECT_LE(hi, cellHi + 1e-6f);
                EXPECT_LE(LevelIndex(bands, hi + 1e-6) - LevelIndex(bands, lo + 1e-6), 1);
            }
            EXPECT_NEAR(area, ShadowArea(*cell), 1e-5);
        }
    }
}

TEST_F(Model, LevelLinesCrossACellOnEveryLevel)
{
    Grid({0, 8, 0, 8}, 2, 2, 0, 1, 0, 3);  // z rises along x only
    for (const int levels : {8, 200}) {    // 200 is taken as 64
        record_.contour_levels = static_cast<uint8_t>(levels);
        const int used = std::min(levels, 64);
        const auto cells = Build(9);
        ASSERT_EQ(cells.size(), 1u);
        std::map<long, double> lengthAtLevel;
        for (const ModelItem* line : ModelItemsOf(cells[0]->children)) {
            ASSERT_EQ(line->kind, OV_ITEM_LINES);
            ASSERT_EQ(line->count, 2);
            EXPECT_FLOAT_EQ(line->points[0].z, line->points[1].z);
            lengthAtLevel[std::lround((line->points[0].z + 1) * used / 2)] +=
                std::hypot(line->points[1].x - line->points[0].x, line->points[1].y - line->points[0].y);
        }
        // every level, the edges at x = 0 and x = 1 included, crosses the cell's y extent once
        EXPECT_EQ(lengthAtLevel.size(), static_cast<std::size_t>(used + 1));
        for (const auto& [level, length] : lengthAtLevel) EXPECT_NEAR(length, 2, 1e-5) << level;
    }
    // A cell inside one band (levels at 0, 1, ..., 8) has a line only along an edge that lies on a level.
    record_.contour_levels = 8;
    Grid({1, 1, 0, 1.4, 1.3, 8}, 3, 2);
    const auto edgeOnLevel = ModelItemsOf(Build(9)[0]->children);
    ASSERT_EQ(edgeOnLevel.size(), 1u);
    EXPECT_FLOAT_EQ(edgeOnLevel[0]->points[0].z, -0.75f);
}

TEST_F(Model, SeriesBecomePolylinesInTheBoxOfAllTheirData)
{
    AddSeries(3, {0, 10, /*y*/ 5, 7, /*z*/ 1, 3});
    AddSeries(2, {4, 6, /*y*/ -5, 5});
    AddSeries(1, {20});
    const auto items = Build(0);
    ASSERT_EQ(items.size(), 3u);
    // x 0 ... 20, y −5 ... 7, z 0 ... 3; a series without a z or y column stands at 0 there
    EXPECT_EQ(Points(*items[0]), "-1 0.666667 -0.333333, 0 1 1");
    EXPECT_EQ(Points(*items[1]), "-0.6 -1 -1, -0.4 0.666667 -1");
    EXPECT_EQ(Points(*items[2]), "1 -0.166667 -1");
}

TEST_F(Model, SeriesProjectionAndEmptyListsKeepToTheBox)
{
    AddSeries(3, {0, 1, 0, 1, 0, 1}, 1);
    AddSeries(3, {0, 2, 0, 2, 0, 2}, 0);
    DataSeries& broken = series_.emplace_back();  // rows but no values
    broken.rows = 4;
    broken.columns = 2;
    ov_list_append(&seriesList_, &broken);
    const auto items = Build(0);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[2]->count, 0);
    EXPECT_EQ(items[2]->series, &broken);
    EXPECT_FLOAT_EQ(items[0]->points[0].z, 1);  // pressed to the top
    EXPECT_FLOAT_EQ(items[1]->points[0].z, -1);

    DataRange ranges[3];
    OvHostList empty{};
    SeriesRanges(&empty, ranges);
    EXPECT_EQ(std::pair(ranges[2].min, ranges[2].max), std::pair(0.0, 1.0));
    object_.series_list = &empty;
    EXPECT_TRUE(Build(0).empty());
    object_.series_list = nullptr;
    EXPECT_TRUE(Build(0).empty());
}

TEST(ModelItemStock, HandsAnOldItemOutAgainWithZeroedPoints)
{
    OvHostList old{}, built{};
    ModelItem* used = AppendModelItem(old, OV_ITEM_QUAD, 4);
    std::fill_n(&used->points[0].x, 12, 5.0f);
    EXPECT_EQ(ModelItemStock(old).Append(built, OV_ITEM_LINES, 3), used);  // three points fit where four were
    EXPECT_EQ(Points(*used), "0 0 0, 0 0 0, 0 0 0");
    FreeModelItems(built);
}
