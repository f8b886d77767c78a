// The cell store: number texts and their round trip, loading, resizing, removal, clipboard text and
// the saved file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <sstream>

#include "grid/CellNumberText.h"
#include "grid/GridCells.h"
#include "grid/GridClipboardText.h"
#include "grid/GridTextFile.h"

namespace {

using ov::CellRange;
using ov::GridCells;

GridCells Loaded(std::vector<double> values, int rows, int cols)
{
    GridCells cells;
    cells.LoadNumbers(values.data(), rows, cols);
    return cells;
}

TEST(CellNumberText, ShowsTenDecimalsWithoutTrailingZerosAndReadsBackThroughTheText)
{
    const struct {
        double value;
        const char* text;
        double stored;
    } rows[] = {
        {2.5, "2.5", 2.5},
        {3, "3", 3},
        {-0.1, "-0.1", -0.1},
        {1e-12, "0", 0},
        {1.0 / 3, "0.3333333333", 0.3333333333},
        {1e20, "100000000000000000000", 1e20},
        {123456.789, "123456.789", 123456.789},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ov::FormatCellNumber(row.value), row.text) << row.value;
        EXPECT_EQ(ov::RoundTripCellNumber(row.value), row.stored) << row.value;
    }
    // The text-free round trip agrees bit for bit with reading the text, near halfway points too.
    std::mt19937_64 rng(3);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-14, 8);
    int differ = 0;
    for (int i = 0; i < 200000; ++i) {
        const double v = i % 2 ? mantissa(rng) * std::pow(10.0, exponent(rng)) : (i / 2 + 0.5) * 1e-10;
        const double viaText = ov::ParseCellNumber(ov::FormatCellNumber(v));
        const double direct = ov::RoundTripCellNumber(v);
        differ += std::memcmp(&viaText, &direct, sizeof v) != 0;
    }
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(ov::ParseCellNumber("12abc"), 12);
    EXPECT_EQ(ov::ParseCellNumber("abc"), 0);
    EXPECT_EQ(ov::ParseCellNumber(""), 0);
}

TEST(GridCells, ResizeKeepsOverlapAndNewCellsAreEmpty)
{
    GridCells cells = Loaded({1, 2, 3, 4, 5, 6}, 3, 2);  // columns {1,2,3} and {4,5,6}
    cells.SetText(2, 2, "x7");
    cells.SetText(3, 2, "typed");
    cells.SetRowCount(3);  // drops data row 3
    cells.SetRowCount(5);
    cells.SetColumnCount(4);
    EXPECT_EQ(cells.Text(3, 1), "");
    EXPECT_EQ(cells.Text(3, 2), "") << "a dropped row's text must not come back";
    EXPECT_EQ(cells.Text(4, 0), "4");
    EXPECT_EQ(cells.Values(), (std::vector<double>{1, 2, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0}));  // "x7" reads 0
    cells.SetColumnCount(2);
    cells.SetColumnCount(3);
    EXPECT_EQ(cells.Text(1, 2), "");
}

// Loaded numbers show and read back at ten decimals; loading numbers or clearing the data keeps the
// column titles; what was there before is gone.
TEST(GridCells, LoadingAndClearingKeepTheTitlesAndDropTheOldData)
{
    const GridCells thirds = Loaded({1.0 / 3, -2.0 / 3}, 2, 1);
    EXPECT_EQ(thirds.Text(2, 1), "-0.6666666667");
    EXPECT_EQ(thirds.Values(), (std::vector<double>{0.3333333333, -0.6666666667}));
    GridCells cells = Loaded({1, 2, 3, 4}, 2, 2);
    cells.SetText(0, 1, "Time");
    cells.SetText(1, 2, "typed");
    cells.LoadNumbers(std::vector<double>{5, 6, 7}.data(), 3, 1);
    EXPECT_EQ(cells.Text(0, 1), "Time");
    EXPECT_EQ(cells.Text(1, 2), "");
    EXPECT_EQ(cells.Values(), (std::vector<double>{5, 6, 7}));
    cells.ClearData();
    EXPECT_EQ(cells.Text(0, 1), "Time");
    EXPECT_EQ(cells.Text(1, 1), "");
    EXPECT_EQ(cells.Values(), (std::vector<double>{0, 0, 0}));
    const std::vector<double> two = {8, 9};
    cells.LoadNumbers(two.data(), 0, 2);  // no rows: only the header row stays
    EXPECT_EQ(cells.RowCount(), 1);
    EXPECT_TRUE(cells.Values().empty());
}

TEST(GridCells, DeletedRowsAndColumnsCloseUpTextsAndNumbers)
{
    GridCells cells = Loaded({1, 2, 3, 4, 5, 6, 7, 8, 9}, 3, 3);
    cells.SetText(3, 3, "99");
    cells.SetText(0, 3, "C3");
    cells.DeleteRows(1, 1);
    EXPECT_EQ(cells.RowCount(), 3);
    EXPECT_EQ(cells.Text(2, 0), "2");
    EXPECT_EQ(cells.Values(), (std::vector<double>{2, 3, 5, 6, 8, 99}));
    cells.DeleteColumns(1, 2);
    EXPECT_EQ(cells.ColumnCount(), 2);
    EXPECT_EQ(cells.Text(0, 1), "C3");
    EXPECT_EQ(cells.Values(), (std::vector<double>{8, 99}));
    cells.DeleteRows(0, 1);  // the header row stays
    EXPECT_EQ(cells.RowCount(), 3);
}

// Every edit marks the store changed (what decides whether a table is stored back), and deleting past
// the end removes only what is there.
TEST(GridCells, EveryEditMarksTheStoreChangedAndDeletionsStopAtTheEnd)
{
    const std::vector<std::pair<const char*, std::function<void(GridCells&)>>> edits = {
        {"rows", [](GridCells& c) { c.SetRowCount(5); }},
        {"columns", [](GridCells& c) { c.SetColumnCount(5); }},
        {"clear", [](GridCells& c) { c.ClearData(); }},
        {"text", [](GridCells& c) { c.SetText(1, 1, "7"); }},
        {"delete rows", [](GridCells& c) { c.DeleteRows(1, 1); }},
        {"delete columns", [](GridCells& c) { c.DeleteColumns(1, 1); }},
        {"paste", [](GridCells& c) { ov::PasteText(c, 1, 1, "8"); }},
    };
    for (const auto& [name, edit] : edits) {
        GridCells cells = Loaded({1, 2, 3, 4}, 2, 2);
        cells.SetModified(false);
        edit(cells);
        EXPECT_TRUE(cells.IsModified()) << name;
    }
    GridCells cells = Loaded({1, 2, 3, 4, 5, 6}, 3, 2);
    cells.DeleteRows(2, 10);
    EXPECT_EQ(cells.RowCount(), 2);
    EXPECT_EQ(cells.Values(), (std::vector<double>{1, 4}));
    cells.DeleteColumns(2, 10);
    EXPECT_EQ(cells.ColumnCount(), 2);
    EXPECT_EQ(cells.Values(), (std::vector<double>{1}));
}

TEST(GridClipboard, CopyPasteRoundTripWithTabsCommasAndUnselectedCells)
{
    GridCells cells = Loaded({1.5, 2, -3, 4}, 2, 2);
    const std::string copied =
        ov::CopyText(cells, {1, 1, 2, 2}, [](int r, int c) { return !(r == 2 && c == 1); });
    EXPECT_EQ(copied, "1.5\t-3\r\n\t4");

    GridCells target;
    target.SetRowCount(4);
    target.SetColumnCount(4);
    const CellRange filled = ov::PasteText(target, 2, 1, copied + "\r\n7,8,9,10\n");
    EXPECT_EQ(filled.maxRow, 3);  // the third pasted row falls outside
    EXPECT_EQ(filled.maxCol, 2);
    EXPECT_EQ(target.Text(2, 1), "1.5");
    EXPECT_EQ(target.Text(2, 2), "-3");
    EXPECT_EQ(target.Text(3, 2), "4");
    const CellRange corner = ov::PasteText(target, 3, 3, "5\t6\n7\t8");  // only the last cell fits
    EXPECT_EQ(corner.minRow, 3);
    EXPECT_EQ(corner.maxRow, 3);
    EXPECT_EQ(corner.maxCol, 3);
    EXPECT_EQ(target.Text(3, 3), "5");
    EXPECT_FALSE(ov::PasteText(target, 0, 1, "5").IsValid());
    EXPECT_FALSE(ov::PasteText(target, 1, 0, "5").IsValid());
    EXPECT_EQ(target.Text(0, 1), "");
    EXPECT_EQ(ov::SplitPasteText("a,b\tc\r\n\n"),
              (std::vector<std::vector<std::string>>{{"a", "b", "c"}, {""}}));
}

// Cut and delete clear the selected data cells of a range; the header row and column stay.
TEST(GridClipboard, ClearingEmptiesOnlySelectedDataCells)
{
    GridCells cells = Loaded({1, 2, 3, 4}, 2, 2);
    cells.SetText(0, 1, "Time");
    const auto all = [](int, int) { return true; };
    EXPECT_FALSE(ov::ClearRange(cells, {2, 2, 1, 1}, all)) << "an empty range";
    EXPECT_FALSE(ov::ClearRange(cells, {1, 1, 2, 2}, [](int, int) { return false; }));
    EXPECT_TRUE(ov::ClearRange(cells, {0, 0, 2, 2}, [](int r, int c) { return !(r == 1 && c == 1); }));
    EXPECT_EQ(cells.Text(0, 1), "Time");
    EXPECT_EQ(cells.Text(1, 0), "1");
    EXPECT_EQ(cells.Values(), (std::vector<double>{1, 0, 0, 0}));
}

TEST(GridTextFile, EmptyNameLineThenTheStoredValuesOnePerRow)
{
    GridCells cells = Loaded({1, 1e-12, -0.0, 0.5, 0.25, 1.0 / 3}, 3, 2);
    cells.SetText(0, 1, "X : c1");
    cells.SetText(2, 2, " 0.1234567890123456789");
    cells.SetText(1, 1, "1e999");
    cells.SetText(3, 1, "-1e999");
    cells.SetText(3, 2, "text");
    std::ostringstream out;
    ASSERT_TRUE(ov::WriteGridText(cells, out));
    EXPECT_EQ(out.str(), "\n1e999\t0.5\n0\t0.12345678901234568\n-1e999\t0\n");
}

}  // namespace
