// The data pages' plain logic: column headers and block moves of the series list. Resizing with values
// kept and replacing a series' matrix are the series tests'; storing the table through its texts is the
// data pages' sheet test.
#include <gtest/gtest.h>

#include "chart/DataTableHeaders.h"
#include "chart/SeriesListMoves.h"

namespace {

using ov::SeriesMove;

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

}  // namespace
