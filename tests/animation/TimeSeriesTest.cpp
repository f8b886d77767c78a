// Time series without widgets: creating, sizing and naming the host object, series from magnets, the
// host list, the pick rules of the selection record, and the grid and text of a series.
#include "animation/MagnetSeries.h"
#include "animation/SeriesPick.h"
#include "animation/TimeSeriesList.h"
#include "animation/TimeSeriesObject.h"
#include "animation/TimeSeriesText.h"
#include "magnets/MagnetList.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

namespace {

using namespace ov;

// "columns x rows: values column by column".
std::string Text(const TimeSeries& s)
{
    std::ostringstream out;
    out << s.columns << "x" << s.rows << ":";
    for (int i = 0; i < s.columns * s.rows; ++i) out << " " << s.values[i];
    return out.str();
}

template <typename F>
std::string Each(std::initializer_list<int> values, F f)
{
    std::string out;
    for (const int v : values) out += (out.empty() ? "" : " ") + std::to_string(f(v));
    return out;
}

// A series holding c × 100 + r at (column c, row r).
OwnedTimeSeries Numbered(int columns, int rows)
{
    OwnedTimeSeries s = CreateTimeSeries();
    EXPECT_TRUE(SetTimeSeriesSize(*s, columns, rows));
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r) s->values[c * rows + r] = c * 100 + r;
    return s;
}

// A host list that destroys the series left in it.
struct SeriesList {
    OvHostList list{};
    SeriesList() { ov_list_init(&list); }
    ~SeriesList()
    {
        for (TimeSeries* s : SeriesOf(&list)) DestroyTimeSeries(s);
        ov_list_remove_all(&list);
    }
    TimeSeries* Add(int32_t id)
    {
        OwnedTimeSeries s = MakeNewSeries(u"S", id, 2, 3);
        return AppendSeries(list, s);
    }
    std::string Ids() const
    {
        std::string ids;
        for (const TimeSeries* s : SeriesOf(&list)) ids += std::to_string(s->id) + " ";
        return ids;
    }
};

TEST(TimeSeriesObject, NewSeriesSizesAndTitles)
{
    const OwnedTimeSeries blank = CreateTimeSeries();
    ASSERT_TRUE(blank);
    EXPECT_EQ(Text(*blank) + " id " + std::to_string(blank->id), "0x0: id 0");
    EXPECT_EQ(TimeSeriesName(*blank), u"TS_1");
    EXPECT_EQ(blank->values, nullptr);
    EXPECT_EQ(ov_list_count(&blank->column_titles), 0);
    DestroyTimeSeries(nullptr);  // ignored, as the host may hand back an empty element
    // A new series: column 0 counts the rows, the others are 0.
    const OwnedTimeSeries s = MakeNewSeries(u"TimeSer_1", 7, 2, 3);
    EXPECT_EQ(Text(*s) + " id " + std::to_string(s->id), "2x3: 0 1 2 0 0 0 id 7");
    EXPECT_EQ(TimeSeriesName(*s), u"TimeSer_1");
    EXPECT_EQ(Each({-5, 0, 1, 2000, 3000}, ClampNewSeriesCount), "1 1 1 2000 2000");
    EXPECT_EQ(Each({1, 2, 10000, 10001}, ClampResizeCount), "2 2 10000 10000");

    // Resizing keeps the overlap and zeroes the rest; a size whose block cannot be had changes nothing.
    OwnedTimeSeries r = Numbered(3, 4);
    ASSERT_TRUE(ResizeTimeSeries(*r, 2, ClampResizeCount(1)));
    EXPECT_EQ(Text(*r), "2x2: 0 1 100 101");
    ASSERT_TRUE(ResizeTimeSeries(*r, 3, 3));
    ASSERT_TRUE(AddTimeSeriesColumn(*r));
    EXPECT_EQ(Text(*r), "4x3: 0 1 0 100 101 0 0 0 0 0 0 0");
    const double* before = r->values;
    const int most = std::numeric_limits<int>::max();
    for (const auto& [columns, rows] : {std::pair{-1, 3}, {2, -1}, {10001, 10000}, {most, most}}) {
        EXPECT_FALSE(SetTimeSeriesSize(*r, columns, rows)) << columns << " x " << rows;
        EXPECT_FALSE(ResizeTimeSeries(*r, columns, rows)) << columns << " x " << rows;
        EXPECT_EQ(r->values, before);
        EXPECT_EQ(Text(*r), "4x3: 0 1 0 100 101 0 0 0 0 0 0 0");
    }
    ASSERT_TRUE(SetTimeSeriesSize(*r, 0, 0));
    EXPECT_NE(r->values, nullptr);  // an empty block, told apart from a failed one
    OwnedTimeSeries empty = CreateTimeSeries();
    ASSERT_TRUE(ResizeTimeSeries(*empty, 2, 1));
    EXPECT_EQ(Text(*empty), "2x1: 0 0");

    // Titles are padded and cut to the columns; a column without one is headed by its number.
    OwnedTimeSeries t = Numbered(3, 2);
    ASSERT_TRUE(SetColumnTitles(*t, {u"time"}));
    EXPECT_EQ(ColumnTitles(*t), (std::vector<std::u16string>{u"time", u"", u""}));
    EXPECT_EQ(ColumnHeading(*t, 1) + u" " + ColumnHeading(*t, 2) + u" " + ColumnHeading(*t, 3), u"time 2 3");
    ASSERT_TRUE(SetColumnTitles(*t, {u"t", u"x", u"y", u"z"}));
    EXPECT_EQ(ColumnTitles(*t), (std::vector<std::u16string>{u"t", u"x", u"y"}));
    ASSERT_TRUE(SetTimeSeriesName(*t, u"renamed"));
    EXPECT_EQ(TimeSeriesName(*t), u"renamed");
}

TEST(MagnetSeries, PositionsInSeriesUnitsAndTheMenuSkipsTemporaryAndShortMagnets)
{
    MagnetRecord record{};
    record.origin_x = 10;
    record.origin_y = 40;
    record.scale = 2;
    AppendMagnet(record, u"one")->SetPositions(std::vector<OvPointF>{{1, 2}});
    COvMag* temp = AppendMagnet(record, u"__TEMP_MAG");
    temp->SetPositions(std::vector<OvPointF>{{1, 2}, {3, 4}});
    temp->SetFlags(OV_MAG_TEMPORARY, true);
    COvMag* three = AppendMagnet(record, u"three");
    three->SetPositions(std::vector<OvPointF>{{12, 38}, {14, 36}, {16, 44}});

    EXPECT_EQ(MagnetMenuEntries(&record), std::vector<const COvMag*>{three});
    const OwnedTimeSeries s = MakeMagnetSeries(*three, record, u"from three", 9);
    ASSERT_TRUE(s);
    EXPECT_EQ(Text(*s) + " id " + std::to_string(s->id), "2x3: 1 2 3 1 2 -2 id 9");  // y counts upwards
    EXPECT_EQ(TimeSeriesName(*s), u"from three");
    record.scale = 0;  // no usable scale: page units as they are
    EXPECT_EQ(MagnetSeriesValues(*three, record), (std::vector<double>{2, 4, 6, 2, 4, -4}));
    for (COvMag* m : MagnetsOf(record)) ov_mag_destroy(m->Handle());
    ov_list_remove_all(&record.magnets);
}

TEST(TimeSeriesList, IdsAppendDeleteAndMove)
{
    SeriesList hosts;
    for (int32_t id : {5, 6, 7}) hosts.Add(id);
    ov_list_append(&hosts.list, nullptr);  // a null element is no series
    EXPECT_EQ(hosts.Ids(), "5 6 7 ");
    ov_list_remove_last(&hosts.list);
    EXPECT_EQ(Each({5, 6, 7, 8}, [&](int id) { return IndexOfId(SeriesOf(&hosts.list), id); }), "0 1 2 -1");
    EXPECT_TRUE(SeriesOf(nullptr).empty());
    EXPECT_TRUE(MoveSeries(hosts.list, 0, 2));
    EXPECT_EQ(hosts.Ids(), "6 7 5 ");
    EXPECT_TRUE(MoveSeries(hosts.list, 2, -4));
    EXPECT_EQ(hosts.Ids(), "5 6 7 ");
    EXPECT_FALSE(MoveSeries(hosts.list, 2, 9) || MoveSeries(hosts.list, 3, 0));
    hosts.Add(2);
    EXPECT_EQ(Each({3, 1, 2, -1}, [&](int at) { return DeleteSeriesAt(hosts.list, at); }), "1 1 0 0");
    EXPECT_EQ(hosts.Ids(), "5 7 ");
    EXPECT_TRUE(DeleteSeriesAt(hosts.list, 0));
    EXPECT_EQ(hosts.Ids(), "7 ");
    OwnedTimeSeries none;
    EXPECT_EQ(AppendSeries(hosts.list, none), nullptr);
    EXPECT_EQ(hosts.list.count, 1);
}

// What the dialog's flows do not reach: no series selects none, a record's row outside the series
// preselects no row, and the last row can be picked but not the one after it.
TEST(SeriesPick, RowsOutsideTheSeriesAreNeitherPreselectedNorPicked)
{
    SeriesList hosts;
    TimeSeries* s = hosts.Add(9);  // 3 rows
    EXPECT_EQ(InitialSeriesIndex({}, nullptr), -1);
    std::string rows;
    for (const int row : {-1, 0, 2, 3})
        rows += std::to_string(InitialGridRow(s, SelectionRecord{9, row, 0, 0})) + " ";
    EXPECT_EQ(rows, "0 1 3 0 ");
    std::string canPick;
    for (int row = 0; row <= 4; ++row) canPick += CanPick(s, row) ? "1" : "0";
    EXPECT_EQ(canPick + (CanPick(nullptr, 1) ? "1" : "0"), "011100");
    EXPECT_FALSE(PickRow(SelectionRecord{3, 1, 0, 0}, s, 4, {}).has_value());
}

GridCells CellsOf(const TimeSeries& s)
{
    GridCells cells;
    LoadSeriesCells(cells, &s);
    return cells;
}

std::string FileText(const GridCells& cells)
{
    std::ostringstream out;
    EXPECT_TRUE(WriteTimeSeriesText(cells, out));
    return out.str();
}

// The grid shows "%g" under the column headings; the file holds the cells as shown. Untouched cells
// keep every digit when stored back, and a grid of another size resizes the series.
TEST(TimeSeriesText, GridFileAndStoringBack)
{
    OwnedTimeSeries s = CreateTimeSeries();
    ASSERT_TRUE(SetTimeSeriesSize(*s, 2, 3));
    const double values[] = {0, 1234567, 1.5e-5, 1.0 / 3, -2.5, std::numeric_limits<double>::infinity()};
    std::copy(std::begin(values), std::end(values), s->values);
    ASSERT_TRUE(SetColumnTitles(*s, {u"t"}));
    GridCells cells = CellsOf(*s);
    EXPECT_FALSE(cells.IsModified());
    EXPECT_EQ(cells.Text(0, 1) + "|" + cells.Text(0, 2) + "|" + cells.Text(2, 1), "t|2|1.23457e+06");
    EXPECT_EQ(FileText(cells), "0,0.333333\n1.23457e+06,-2.5\n1.5e-05,inf\n");
    ASSERT_TRUE(StoreSeriesCells(*s, cells));
    EXPECT_EQ(s->values[3], 1.0 / 3);

    OwnedTimeSeries n = Numbered(3, 4);
    GridCells both = CellsOf(*n);
    both.DeleteRows(2, 2);
    both.DeleteColumns(1, 1);
    ASSERT_TRUE(StoreSeriesCells(*n, both));
    EXPECT_EQ(Text(*n), "2x2: 100 103 200 203");
    // No series is an empty grid.
    GridCells none;
    LoadSeriesCells(none, nullptr);
    EXPECT_EQ(std::pair(none.RowCount(), none.ColumnCount()), std::pair(1, 1));
}

}  // namespace
