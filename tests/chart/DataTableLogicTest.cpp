// The data pages' plain logic: column headers, block moves of the series list, resizing with values
// kept and replacing a series' matrix. Storing the table through its texts and the new numbered series
// are the data pages' sheet tests.
#include <gtest/gtest.h>

#include "chart/DataSeriesObject.h"
#include "chart/DataTableHeaders.h"
#include "chart/SeriesListMoves.h"
#include "chart/SeriesValues.h"

#include <memory>

namespace {

using ov::SeriesMove;

struct SeriesDeleter {
    void operator()(DataSeries* s) const { ov::DestroyDataSeries(s); }
};
using SeriesPtr = std::unique_ptr<DataSeries, SeriesDeleter>;

SeriesPtr Series(int columns, int rows, std::vector<double> values)
{
    SeriesPtr s(ov::CreateDataSeries());
    ov::ResizeSeries(*s, columns, rows);
    std::copy(values.begin(), values.end(), s->values);
    return s;
}

std::vector<double> Values(const DataSeries& s)
{
    return {s.values, s.values + static_cast<size_t>(s.columns) * s.rows};
}

TEST(DataTableHeaders, NamesFollowKindSystemAndColumnCount)
{
    const struct {
        int kind, system, columns, column;
        std::u16string header;
    } rows[] = {
        {2, 2, 3, 1, u"X : c1"},   {2, 2, 3, 2, u"Y#3 : c2"},    {2, 2, 3, 3, u"F1 : c3"},
        {1, 1, 1, 1, u"Y#2 : c1"}, {4, 0, 2, 1, u"θ/deg : c1"},  {4, 1, 1, 1, u"ρ#2 : c1"},
        {6, 2, 5, 2, u"Y : c2"},   {6, 0, 5, 3, u"Z : c3"},      {6, 0, 5, 5, u"F2 : c5"},
        {6, 0, 1, 1, u"X : c1"},   {3, 0, 12, 12, u"F10 : c12"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(ov::DataColumnHeader(r.kind, r.system, r.columns, r.column), r.header)
            << r.kind << "/" << r.system << "/" << r.columns << "/" << r.column;
    }
}

TEST(SeriesListMoves, SelectedSeriesMoveAsOneBlock)
{
    const struct {
        std::vector<bool> selected;
        SeriesMove move;
        std::vector<int> order;
    } rows[] = {
        {{true, false, false}, SeriesMove::kUp, {0, 1, 2}},  // the first cannot go up
        {{false, false, true}, SeriesMove::kDown, {0, 1, 2}},
        {{false, true, false, true, false}, SeriesMove::kUp, {1, 3, 0, 2, 4}},
        {{false, true, false, true, false}, SeriesMove::kDown, {0, 2, 4, 1, 3}},
        {{false, false, true, false, true}, SeriesMove::kTop, {2, 4, 0, 1, 3}},
        {{true, false, true, false, false}, SeriesMove::kBottom, {1, 3, 4, 0, 2}},
        {{false, false, false}, SeriesMove::kTop, {0, 1, 2}},
    };
    for (const auto& r : rows) EXPECT_EQ(ov::MovedOrder(r.selected, r.move), r.order);
}

TEST(SeriesValues, ResizeKeepsTheOverlapAndZeroesTheRest)
{
    SeriesPtr s = Series(2, 3, {1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(ov::ResizeSeriesKeepingValues(*s, 3, 2));
    EXPECT_EQ(Values(*s), (std::vector<double>{1, 2, 4, 5, 0, 0}));
    ASSERT_TRUE(ov::ResizeSeriesKeepingValues(*s, 1, 4));
    EXPECT_EQ(Values(*s), (std::vector<double>{1, 2, 0, 0}));
    EXPECT_FALSE(ov::ResizeSeriesKeepingValues(*s, -1, 4));
    EXPECT_EQ(s->columns, 1);
}

TEST(SeriesValues, ReplacingCopiesAMatrixOfAnySize)
{
    SeriesPtr s = Series(2, 2, {1, 2, 3, 4});
    const double matrix[] = {10, 11, 12, 20, 21, 22, 30, 31, 32, 40, 41, 42};  // 4 columns of 3 rows
    ASSERT_TRUE(ov::ReplaceSeriesValues(*s, 4, 3, matrix));
    EXPECT_EQ(s->columns, 4);
    EXPECT_EQ(s->rows, 3);
    EXPECT_EQ(Values(*s), std::vector<double>(std::begin(matrix), std::end(matrix)));
    ASSERT_TRUE(ov::ReplaceSeriesValues(*s, 0, 3, nullptr));  // a file that gave no data
    EXPECT_EQ(s->values, nullptr);
    EXPECT_FALSE(ov::ReplaceSeriesValues(*s, -1, 3, matrix));
    EXPECT_EQ(s->columns, 0);
}

}  // namespace
