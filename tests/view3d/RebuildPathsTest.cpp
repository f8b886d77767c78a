// The ways a rebuild saves work: a model made of the blocks of the one it replaces (the stock hands old
// items, points and nodes out as new ones; a model rebuilt over any other equals one built from
// nothing), and cells that read the grid a strip of columns at a time.
#include "view3d/ModelItemStock.h"
#include "view3d/ModelItems.h"
#include "view3d/ModelRebuild.h"
#include "view3d/SurfaceData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

using namespace ov;

namespace {

// Every field the host reads of every item, children after their parent, one item per line.
void Dump(const OvHostList& list, std::string& text, int depth = 0)
{
    for (const ModelItem* item : ModelItemsOf(list)) {
        char line[160];
        std::snprintf(line, sizeof line, "%d kind %d count %d series %d colour %g %g %g depth %g:", depth,
                      item->kind, item->count, item->series ? item->series->rows : -1, item->colour[0],
                      item->colour[1], item->colour[2], item->mean_depth);
        text += line;
        for (int k = 0; k < item->count; ++k) {
            std::snprintf(line, sizeof line, " %.9g %.9g %.9g", item->points[k].x, item->points[k].y,
                          item->points[k].z);
            text += line;
        }
        text += '\n';
        Dump(item->children, text, depth + 1);
    }
}

// What the projection leaves in a model: depths, and (for the test) a colour no builder makes.
void Scribble(const OvHostList& list)
{
    for (ModelItem* item : ModelItemsOf(list)) {
        item->mean_depth = 7;
        item->colour[1] = 9;
        Scribble(item->children);
    }
}

struct Scene {
    ChartRecord record{};
    Host3DObject object{};
    SurfaceGrid grid{};
    std::deque<DataSeries> series;  // stable addresses: the list points into it
    OvHostList seriesList{};

    Scene()
    {
        for (int a = 0; a < 3; ++a) {
            record.axes[a].shown = 1;
            record.axes[a].ratio_3d = 1;
        }
        record.contour_levels = 8;
        SetGrid({0, 3, 1, 7, 2, 5, 9, 4, 6}, 3, 3);  // every cell crosses levels
    }
    void SetGrid(const std::vector<double>& values, int nx, int ny)
    {
        EXPECT_TRUE(SetSurfaceData(grid, values.data(), nx, ny, 0, 1, 0, 1));
    }
    ~Scene()
    {
        FreeModelItems(object.items);
        FreeSurfaceData(&grid);
        for (DataSeries& s : series) std::free(s.values);
        ov_list_remove_all(&seriesList);
    }
    // The model of the surface with a view preset, or (preset < 0) of the series as a 3-D chart.
    std::string Build(int preset)
    {
        object.surface = preset >= 0 ? &grid : nullptr;
        object.series_list = preset >= 0 ? nullptr : &seriesList;
        record.view_preset_3d = static_cast<uint8_t>(preset);
        EXPECT_TRUE(RebuildModel(record, object));
        std::string text;
        Dump(object.items, text);
        return text;
    }
    void AddSeries(int rows)
    {
        DataSeries& s = series.emplace_back();
        s.columns = 2;
        s.rows = rows;
        s.values = static_cast<double*>(std::calloc(2 * static_cast<std::size_t>(rows), sizeof(double)));
        for (int k = 0; k < 2 * rows; ++k) s.values[k] = k % 5 - 2 * (k % 3);
        ov_list_append(&seriesList, &s);
    }
};

}  // namespace

TEST(ModelReuse, ARebuildOverAnyModelEqualsABuildFromNothing)
{
    // Bars (groups of six faces), bands, level lines (two points), bands again (more points than the
    // lines left), segments, cells, and series whose polylines grow: each model built over the one
    // before, whose items the view has projected and coloured meanwhile.
    const std::vector<std::pair<int, int>> steps{{0, 0}, {8, 0}, {9, 0},  {8, 0},  {5, 0},
                                                 {4, 0}, {2, 0}, {-1, 2}, {-1, 6}, {8, 0}};
    Scene reused;
    for (const auto& [preset, rows] : steps) {
        Scribble(reused.object.items);
        if (rows > 0) reused.AddSeries(rows);
        const std::string rebuilt = reused.Build(preset);
        Scene fresh;
        for (const DataSeries& s : reused.series) fresh.AddSeries(s.rows);
        const std::string built = fresh.Build(preset);
        ASSERT_FALSE(built.empty()) << preset;
        EXPECT_EQ(rebuilt, built) << "preset " << preset << " rows " << rows;
    }
}

TEST(ModelReuse, TheStockHandsOutOldItemsAndTheirChildrenBeforeNewOnes)
{
    OvHostList old{};
    ModelItem* cell = AppendModelItem(old, OV_ITEM_QUAD, 4);
    ModelItem* line = AppendModelItem(cell->children, OV_ITEM_LINES, 2);
    ModelItem* group = AppendModelItem(old, OV_ITEM_GROUP, 0);
    ASSERT_TRUE(cell && line && group);
    for (ModelItem* item : {cell, line}) {
        for (int k = 0; k < item->count; ++k) item->points[k] = {1, 2, 3};
        item->colour[0] = 1;
        item->mean_depth = 4;
        item->series = reinterpret_cast<DataSeries*>(&old);
    }
    const OvPoint3F* cellPoints = cell->points;

    OvHostList built{};
    std::vector<ModelItem*> items;
    {
        ModelItemStock stock(old);
        EXPECT_EQ(old.head, nullptr);
        EXPECT_EQ(ov_list_count(&old), 0);
        // the old cell, its line, the old group, then a block of the allocator's
        for (const int count : {2, 4, 0, 3}) items.push_back(stock.Append(built, OV_ITEM_LINES, count));
        EXPECT_EQ(stock.Append(built, OV_ITEM_LINES, -1), nullptr);
    }
    ASSERT_EQ(ov_list_count(&built), 4);
    EXPECT_EQ(ModelItemsOf(built), items);
    EXPECT_EQ(std::vector<ModelItem*>(items.begin(), items.begin() + 3),
              (std::vector<ModelItem*>{cell, line, group}));
    EXPECT_EQ(items[0]->points, cellPoints);  // two points fit where four were
    std::string text;
    Dump(built, text);
    EXPECT_EQ(text,
              "0 kind 2 count 2 series -1 colour 0 0 0 depth 0: 0 0 0 0 0 0\n"
              "0 kind 2 count 4 series -1 colour 0 0 0 depth 0: 0 0 0 0 0 0 0 0 0 0 0 0\n"
              "0 kind 2 count 0 series -1 colour 0 0 0 depth 0:\n"
              "0 kind 2 count 3 series -1 colour 0 0 0 depth 0: 0 0 0 0 0 0 0 0 0\n");
    FreeModelItems(built);
}

TEST(ModelReuse, CellsOfAGridWiderThanAStripHaveTheirOwnCorners)
{
    // 37 columns: two whole strips of columns and part of a third; every value differs
    constexpr int nx = 37, ny = 4;
    std::vector<double> values;
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) values.push_back(i * ny + j);
    Scene scene;
    scene.SetGrid(values, nx, ny);
    scene.Build(4);
    const std::vector<ModelItem*> cells = ModelItemsOf(scene.object.items);
    ASSERT_EQ(cells.size(), static_cast<std::size_t>((nx - 1) * (ny - 1)));
    // x, y and z each run over [-1, 1]; cell (i, j) has the corners (i, j), (i + 1, j), (i + 1, j + 1), (i, j
    // + 1)
    const auto mapped = [](double v, double last) { return -1 + 2 * v / last; };
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const int i = static_cast<int>(c) / (ny - 1), j = static_cast<int>(c) % (ny - 1);
        for (int k = 0; k < 4; ++k) {
            const int ci = i + (k == 1 || k == 2), cj = j + (k >= 2);
            const OvPoint3F& p = cells[c]->points[k];
            ASSERT_NEAR(p.x, mapped(ci, nx - 1), 1e-6) << "cell " << i << ", " << j << " corner " << k;
            ASSERT_NEAR(p.y, mapped(cj, ny - 1), 1e-6) << "cell " << i << ", " << j << " corner " << k;
            ASSERT_NEAR(p.z, mapped(ci * ny + cj, nx * ny - 1), 1e-6)
                << "cell " << i << ", " << j << " corner " << k;
        }
    }
}
