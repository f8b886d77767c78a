// Time series without widgets: creating, sizing and naming the host object, series from magnets, the
// host list, the pick rules of the selection record, and the grid and text file of a series.
#include "animation/MagnetSeries.h"
#include "animation/SeriesPick.h"
#include "animation/TimeSeriesList.h"
#include "animation/TimeSeriesObject.h"
#include "animation/TimeSeriesText.h"
#include "grid/CellNumberText.h"
#include "magnets/MagnetList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

namespace {

using namespace ov;

std::vector<double> ValuesOf(const TimeSeries& s)
{
    return {s.values, s.values + static_cast<size_t>(s.columns) * s.rows};
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
    std::vector<int32_t> Ids() const
    {
        std::vector<int32_t> ids;
        for (const TimeSeries* s : SeriesOf(&list)) ids.push_back(s->id);
        return ids;
    }
};

TEST(TimeSeriesObject, NewObjectsAndNewSeriesValues)
{
    const OwnedTimeSeries blank = CreateTimeSeries();
    ASSERT_TRUE(blank);
    EXPECT_EQ(blank->id, 0);
    EXPECT_EQ(TimeSeriesName(*blank), u"TS_1");
    EXPECT_EQ(blank->columns, 0);
    EXPECT_EQ(blank->rows, 0);
    EXPECT_EQ(blank->values, nullptr);
    EXPECT_EQ(ov_list_count(&blank->column_titles), 0);

    const OwnedTimeSeries s = MakeNewSeries(u"TimeSer_1", 7, 2, 12);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->id, 7);
    EXPECT_EQ(TimeSeriesName(*s), u"TimeSer_1");
    ASSERT_EQ(s->columns, 2);
    ASSERT_EQ(s->rows, 12);
    for (int r = 0; r < 12; ++r) {
        EXPECT_EQ(s->values[r], r);
        EXPECT_EQ(s->values[12 + r], 0.0);
    }
    EXPECT_EQ(NumberedSeriesName(12), u"TimeSer_12");

    // Every value is written, whatever the block held before.
    OwnedTimeSeries reused = Numbered(3, 4);
    std::fill_n(reused->values, 12, 7.0);
    FillNewSeriesValues(*reused);
    EXPECT_EQ(ValuesOf(*reused), (std::vector<double>{0, 1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0}));
    DestroyTimeSeries(nullptr);  // ignored
}

TEST(TimeSeriesObject, SizesAreClampedToTheirRanges)
{
    EXPECT_EQ(ClampNewSeriesCount(3000), 2000);
    EXPECT_EQ(ClampNewSeriesCount(2000), 2000);
    EXPECT_EQ(ClampNewSeriesCount(0), 1);
    EXPECT_EQ(ClampNewSeriesCount(1), 1);
    EXPECT_EQ(ClampNewSeriesCount(-5), 1);
    EXPECT_EQ(ClampResizeCount(1), 2);
    EXPECT_EQ(ClampResizeCount(2), 2);
    EXPECT_EQ(ClampResizeCount(10000), 10000);
    EXPECT_EQ(ClampResizeCount(10001), 10000);

    const OwnedTimeSeries big = MakeNewSeries(u"n", 1, 0, 3000);
    ASSERT_TRUE(big);
    EXPECT_EQ(big->columns, 1);
    EXPECT_EQ(big->rows, 2000);
    EXPECT_EQ(big->values[1999], 1999);
}

TEST(TimeSeriesObject, ResizeKeepsTheOverlapAndZeroesTheRest)
{
    OwnedTimeSeries s = Numbered(3, 4);
    ASSERT_TRUE(ResizeTimeSeries(*s, 2, ClampResizeCount(1)));
    EXPECT_EQ(ValuesOf(*s), (std::vector<double>{0, 1, 100, 101}));
    ASSERT_TRUE(ResizeTimeSeries(*s, 3, 3));
    EXPECT_EQ(ValuesOf(*s), (std::vector<double>{0, 1, 0, 100, 101, 0, 0, 0, 0}));
    ASSERT_TRUE(AddTimeSeriesColumn(*s));
    EXPECT_EQ(s->columns, 4);
    EXPECT_EQ(s->rows, 3);
    EXPECT_EQ(ValuesOf(*s), (std::vector<double>{0, 1, 0, 100, 101, 0, 0, 0, 0, 0, 0, 0}));

    OwnedTimeSeries empty = CreateTimeSeries();
    ASSERT_TRUE(ResizeTimeSeries(*empty, 2, 2));
    EXPECT_EQ(ValuesOf(*empty), (std::vector<double>(4, 0.0)));
}

// A size whose block cannot be had (negative, or beyond any block a series may hold) changes nothing.
TEST(TimeSeriesObject, FailedSizesLeaveTheSeriesAsItWas)
{
    OwnedTimeSeries s = Numbered(2, 3);
    const double* before = s->values;
    for (const auto& [columns, rows] : std::vector<std::pair<int, int>>{
             {-1, 3},
             {2, -1},
             {10001, 10000},
             {std::numeric_limits<int>::max(), std::numeric_limits<int>::max()}}) {
        EXPECT_FALSE(SetTimeSeriesSize(*s, columns, rows)) << columns << " x " << rows;
        EXPECT_FALSE(ResizeTimeSeries(*s, columns, rows)) << columns << " x " << rows;
        EXPECT_EQ(s->values, before);
        EXPECT_EQ(s->columns, 2);
        EXPECT_EQ(s->rows, 3);
        EXPECT_EQ(ValuesOf(*s), (std::vector<double>{0, 1, 2, 100, 101, 102}));
    }
    ASSERT_TRUE(SetTimeSeriesSize(*s, 1, 1));
    EXPECT_EQ(s->columns, 1);
    EXPECT_EQ(s->rows, 1);
    ASSERT_TRUE(SetTimeSeriesSize(*s, 0, 0));
    EXPECT_NE(s->values, nullptr);  // an empty block, told apart from a failed one
}

TEST(TimeSeriesObject, TitlesArePaddedAndCutToTheColumns)
{
    OwnedTimeSeries s = Numbered(3, 2);
    ASSERT_TRUE(SetColumnTitles(*s, {u"time"}));
    EXPECT_EQ(ColumnTitles(*s), (std::vector<std::u16string>{u"time", u"", u""}));
    EXPECT_EQ(ColumnHeading(*s, 1), u"time");
    EXPECT_EQ(ColumnHeading(*s, 2), u"2");
    EXPECT_EQ(ColumnHeading(*s, 3), u"3");
    ASSERT_TRUE(SetColumnTitles(*s, {u"t", u"x", u"y", u"z"}));
    EXPECT_EQ(ColumnTitles(*s), (std::vector<std::u16string>{u"t", u"x", u"y"}));
    EXPECT_EQ(ColumnHeading(*s, 3), u"y");
    ASSERT_TRUE(SetTimeSeriesName(*s, u"renamed"));
    EXPECT_EQ(TimeSeriesName(*s), u"renamed");
}

TEST(MagnetSeries, PositionsInSeriesUnitsAndTheMenuSkipsTemporaryAndShortMagnets)
{
    MagnetRecord record{};
    record.origin_x = 10;
    record.origin_y = 40;
    record.scale = 2;
    COvMag* two = AppendMagnet(record, u"two");
    two->SetPositions(std::vector<OvPointF>{{10, 20}, {30, 20}});
    COvMag* one = AppendMagnet(record, u"one");
    one->SetPositions(std::vector<OvPointF>{{1, 2}});
    COvMag* temp = AppendMagnet(record, u"__TEMP_MAG");
    temp->SetPositions(std::vector<OvPointF>{{1, 2}, {3, 4}});
    temp->SetFlags(OV_MAG_TEMPORARY, true);
    COvMag* three = AppendMagnet(record, u"three");
    three->SetPositions(std::vector<OvPointF>{{12, 38}, {14, 36}, {16, 44}});

    EXPECT_EQ(MagnetMenuEntries(&record), (std::vector<const COvMag*>{two, three}));
    EXPECT_TRUE(MagnetMenuEntries(nullptr).empty());

    const OwnedTimeSeries s = MakeMagnetSeries(*two, record, u"from two", 9);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->id, 9);
    EXPECT_EQ(TimeSeriesName(*s), u"from two");
    EXPECT_EQ(s->columns, 2);
    EXPECT_EQ(s->rows, 2);
    EXPECT_EQ(ValuesOf(*s), (std::vector<double>{0, 10, 10, 10}));  // rows (0, 10) and (10, 10)
    EXPECT_EQ(MagnetSeriesValues(*three, record), (std::vector<double>{1, 2, 3, 1, 2, -2}));
    record.scale = 0;  // no usable scale: page units as they are
    EXPECT_EQ(MagnetSeriesValues(*three, record), (std::vector<double>{2, 4, 6, 2, 4, -4}));
    record.scale = std::nan("");
    EXPECT_EQ(MagnetSeriesValues(*two, record), (std::vector<double>{0, 20, 20, 20}));
    record.scale = 0.5;
    EXPECT_EQ(MagnetSeriesValues(*two, record), (std::vector<double>{0, 40, 40, 40}));

    for (COvMag* m : MagnetsOf(record)) ov_mag_destroy(m->Handle());
    ov_list_remove_all(&record.magnets);
}

TEST(TimeSeriesList, IdsAppendDeleteAndMove)
{
    SeriesList hosts;
    int32_t counter = 5;
    EXPECT_EQ(TakeNextId(counter), 5);
    EXPECT_EQ(counter, 6);
    hosts.Add(5);
    hosts.Add(6);
    hosts.Add(7);
    ov_list_append(&hosts.list, nullptr);  // a null element is no series
    EXPECT_EQ(hosts.Ids(), (std::vector<int32_t>{5, 6, 7}));
    ov_list_remove_last(&hosts.list);
    EXPECT_EQ(IndexOfId(SeriesOf(&hosts.list), 6), 1);
    EXPECT_EQ(IndexOfId(SeriesOf(&hosts.list), 8), -1);
    EXPECT_TRUE(SeriesOf(nullptr).empty());

    EXPECT_TRUE(MoveSeries(hosts.list, 0, 2));
    EXPECT_EQ(hosts.Ids(), (std::vector<int32_t>{6, 7, 5}));
    EXPECT_TRUE(MoveSeries(hosts.list, 2, -4));
    EXPECT_EQ(hosts.Ids(), (std::vector<int32_t>{5, 6, 7}));
    EXPECT_FALSE(MoveSeries(hosts.list, 2, 9));
    EXPECT_FALSE(MoveSeries(hosts.list, 3, 0));
    hosts.Add(2);
    EXPECT_TRUE(DeleteSeriesAt(hosts.list, 3));
    EXPECT_TRUE(DeleteSeriesAt(hosts.list, 1));
    EXPECT_FALSE(DeleteSeriesAt(hosts.list, 2));
    EXPECT_FALSE(DeleteSeriesAt(hosts.list, -1));
    EXPECT_EQ(hosts.Ids(), (std::vector<int32_t>{5, 7}));
    EXPECT_TRUE(DeleteSeriesAt(hosts.list, 0));
    EXPECT_EQ(hosts.Ids(), (std::vector<int32_t>{7}));

    OwnedTimeSeries none;
    EXPECT_EQ(AppendSeries(hosts.list, none), nullptr);
    EXPECT_EQ(hosts.list.count, 1);
}

TEST(SeriesPick, OpeningSelectsByIdAndTheRecordRow)
{
    SeriesList hosts;
    hosts.Add(4);
    hosts.Add(9);
    const std::vector<TimeSeries*> series = SeriesOf(&hosts.list);
    SelectionRecord selection{0, 2, 0, 0};
    EXPECT_EQ(InitialSeriesIndex(series, &selection), 0);
    EXPECT_EQ(InitialSeriesIndex(series, nullptr), 0);
    selection.series_id = 9;
    EXPECT_EQ(InitialSeriesIndex(series, &selection), 1);
    selection.series_id = 5;
    EXPECT_EQ(InitialSeriesIndex(series, &selection), -1);
    EXPECT_EQ(InitialSeriesIndex({}, nullptr), -1);

    // Series of 3 rows: grid rows 1 … 3.
    EXPECT_EQ(InitialGridRow(series[0], selection), 3);
    selection.row = 0;
    EXPECT_EQ(InitialGridRow(series[0], selection), 1);
    selection.row = 3;
    EXPECT_EQ(InitialGridRow(series[0], selection), 0);
    selection.row = -1;
    EXPECT_EQ(InitialGridRow(series[0], selection), 0);
    EXPECT_EQ(InitialGridRow(nullptr, SelectionRecord{}), 0);

    EXPECT_EQ(SwitchesOf({0, 0, 0, 3}).relative, true);
    EXPECT_EQ(SwitchesOf({0, 0, 0, 3}).incremental, true);
    EXPECT_EQ(SwitchesOf({0, 0, 0, 2}).relative, false);
    EXPECT_EQ(SwitchesOf({0, 0, 0, 1}).incremental, false);
}

TEST(SeriesPick, OkNeedsARowOfTheSeriesAndEmptyClearsTheSeries)
{
    SeriesList hosts;
    TimeSeries* s = hosts.Add(12);  // 3 rows
    const SelectionRecord before{3, 1, 0xABCD, 0};
    EXPECT_FALSE(CanPick(nullptr, 1));
    EXPECT_FALSE(CanPick(s, 0));
    EXPECT_TRUE(CanPick(s, 1));
    EXPECT_TRUE(CanPick(s, 3));
    EXPECT_FALSE(CanPick(s, 4));
    EXPECT_FALSE(PickRow(before, s, 4, {}).has_value());
    EXPECT_FALSE(PickRow(before, nullptr, 1, {}).has_value());

    const std::optional<SelectionRecord> picked = PickRow(before, s, 3, {true, false});
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->series_id, 12);
    EXPECT_EQ(picked->row, 2);
    EXPECT_EQ(picked->reserved_08, 0xABCDu);
    EXPECT_EQ(picked->flags, 1u);
    EXPECT_EQ(PickRow(before, s, 1, {false, true})->flags, 2u);
    EXPECT_EQ(PickRow(before, s, 1, {true, true})->flags, 3u);
    EXPECT_EQ(PickRow(before, s, 1, {})->flags, 0u);

    const SelectionRecord none = PickNone({12, 2, 0x55, 3}, {false, true});
    EXPECT_EQ(none.series_id, 0);
    EXPECT_EQ(none.row, 0);
    EXPECT_EQ(none.reserved_08, 0x55u);
    EXPECT_EQ(none.flags, 2u);
}

GridCells CellsOf(const TimeSeries& s)
{
    GridCells cells;
    LoadSeriesCells(cells, &s);
    return cells;
}

TEST(TimeSeriesText, GridShowsPercentGAndTheFileHoldsTheShownCells)
{
    OwnedTimeSeries s = CreateTimeSeries();
    ASSERT_TRUE(SetTimeSeriesSize(*s, 2, 3));
    const double values[] = {0, 1234567, 1.5e-5, 1.0 / 3, -2.5, std::numeric_limits<double>::infinity()};
    std::copy(std::begin(values), std::end(values), s->values);
    ASSERT_TRUE(SetColumnTitles(*s, {u"t"}));
    GridCells cells = CellsOf(*s);
    EXPECT_FALSE(cells.IsModified());
    EXPECT_EQ(cells.Text(0, 1), "t");
    EXPECT_EQ(cells.Text(0, 2), "2");
    EXPECT_EQ(cells.Text(2, 1), "1.23457e+06");
    EXPECT_EQ(cells.Text(1, 2), "0.333333");
    std::ostringstream out;
    ASSERT_TRUE(WriteTimeSeriesText(cells, out));
    EXPECT_EQ(out.str(), "0,0.333333\n1.23457e+06,-2.5\n1.5e-05,inf\n");

    // Typed NaN and infinity are kept as typed; untouched cells keep their exact values.
    cells.SetText(1, 1, "nan");
    cells.SetText(2, 2, "-inf");
    ASSERT_TRUE(StoreSeriesCells(*s, cells));
    EXPECT_TRUE(std::isnan(s->values[0]));
    EXPECT_EQ(s->values[1], 1234567);
    EXPECT_EQ(s->values[3], 1.0 / 3);
    EXPECT_EQ(s->values[4], -std::numeric_limits<double>::infinity());
    std::ostringstream again;
    WriteTimeSeriesText(CellsOf(*s), again);
    EXPECT_EQ(again.str(), "nan,0.333333\n1.23457e+06,-inf\n1.5e-05,inf\n");

    EXPECT_EQ(FormatGeneralCellNumber(100000), "100000");
    EXPECT_EQ(ParseGeneralCellNumber(" +Infinity"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseGeneralCellNumber("-INF"), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(ParseGeneralCellNumber("\tNaN")));
    EXPECT_EQ(ParseGeneralCellNumber("in"), 0.0);
    EXPECT_EQ(ParseGeneralCellNumber(std::string_view("-infinite", 3)), 0.0);  // "-in", not read past its end
    EXPECT_EQ(ParseGeneralCellNumber("xnf"), 0.0);
    EXPECT_EQ(ParseGeneralCellNumber("  -2.5e1x"), -25.0);
    EXPECT_EQ(ParseGeneralCellNumber(""), 0.0);
    EXPECT_EQ(FormatGeneralCellNumber(1e-4), "0.0001");
    EXPECT_EQ(FormatGeneralCellNumber(-0.0), "-0");
}

TEST(TimeSeriesText, StoringAGridOfAnotherSizeResizesTheSeries)
{
    OwnedTimeSeries s = Numbered(3, 4);
    GridCells cells = CellsOf(*s);
    cells.DeleteRows(2, 2);
    cells.DeleteColumns(1, 1);
    ASSERT_TRUE(StoreSeriesCells(*s, cells));
    EXPECT_EQ(s->columns, 2);
    EXPECT_EQ(s->rows, 2);
    EXPECT_EQ(ValuesOf(*s), (std::vector<double>{100, 103, 200, 203}));

    // Only rows, or only columns, of another size resize the series too.
    GridCells fewerRows = CellsOf(*s);
    fewerRows.DeleteRows(1, 1);
    ASSERT_TRUE(StoreSeriesCells(*s, fewerRows));
    EXPECT_EQ(ValuesOf(*s), (std::vector<double>{103, 203}));
    OwnedTimeSeries wide = Numbered(3, 2);
    GridCells fewerColumns = CellsOf(*wide);
    fewerColumns.DeleteColumns(2, 1);
    ASSERT_TRUE(StoreSeriesCells(*wide, fewerColumns));
    EXPECT_EQ(wide->columns, 2);
    EXPECT_EQ(ValuesOf(*wide), (std::vector<double>{0, 1, 200, 201}));

    // A single cell is a series too; the corner cell stays empty.
    const OwnedTimeSeries single = Numbered(1, 1);
    const GridCells one = CellsOf(*single);
    EXPECT_EQ(one.RowCount(), 2);
    EXPECT_EQ(one.ColumnCount(), 2);
    EXPECT_EQ(one.Text(1, 1), "0");
    EXPECT_EQ(one.Text(0, 1), "1");
    EXPECT_EQ(one.Text(0, 0), "");

    GridCells none;
    LoadSeriesCells(none, nullptr);
    EXPECT_EQ(none.RowCount(), 1);
    EXPECT_EQ(none.ColumnCount(), 1);
}

TEST(TimeSeriesText, SavedFileReplacesTheOldOneOrReportsTheError)
{
    const char* scratch = std::getenv("OV_TEST_SCRATCH");
    const std::filesystem::path folder = scratch ? scratch : std::filesystem::temp_directory_path();
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / "series.txt";
    std::ofstream(path) << "old content that is longer than the new one";
    const OwnedTimeSeries s = Numbered(2, 2);
    ASSERT_TRUE(SaveTimeSeriesText(CellsOf(*s), path.string()));
    std::ifstream in(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "0,100\n1,101\n");
    const FileWriteResult failed =
        SaveTimeSeriesText(CellsOf(*s), (folder / "no-such-folder" / "x.txt").string());
    EXPECT_FALSE(failed);
    EXPECT_FALSE(failed.Message().empty());
}

}  // namespace
