// Magnet tables and lists: units and coordinates, the rows a table gives, mirror images, the export
// text, imported matrices, the temporary magnet and dropped magnets.
#include "MagnetTestKit.h"

#include "framework/settings/RegKeyHandle.h"
#include "magnets/MagnetMirror.h"
#include "magnets/MagnetTable.h"
#include "magnets/TemporaryMagnet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <sstream>
#include <tuple>

namespace {

using namespace ov;
using namespace ov::testkit;

TEST(MagnetUnits, TheUnitIndexIsLimitedAndScalesTheMapping)
{
    RegKeyHandle key(kAppSettingsKey);
    EXPECT_EQ(ReadUnitIndex(), 0);
    for (const auto& [stored, index] : {std::pair{-1, 0}, {7, 4}, {3, 3}}) {
        key.WriteDword("MUnits", static_cast<uint32_t>(stored));
        EXPECT_EQ(ReadUnitIndex(), index) << stored;
    }
    MagnetRecord record{.origin_x = 100, .origin_y = 200, .scale = 2 * UnitFactor(4)};
    const PageMapping m = MappingFor(record, 4);
    EXPECT_DOUBLE_EQ(m.s, 2);
    const UserPoint user = m.ToUser({110, 190});
    EXPECT_EQ(PointsText({{float(user.x), float(user.y)}, m.ToPage({-1, 3})}), "5,5 98,194");
}

std::vector<std::string> Row(const GridCells& cells, int r)
{
    std::vector<std::string> texts;
    for (int c = 0; c < cells.ColumnCount(); ++c) texts.push_back(cells.Text(r, c));
    return texts;
}

std::vector<std::array<double, 4>> Fields(const std::vector<TableRow>& rows)
{
    std::vector<std::array<double, 4>> fields;
    for (const TableRow& r : rows) fields.push_back({r.x, r.y, r.scale, r.angle});
    return fields;
}

TEST(MagnetTable, AMagnetShowsInUserUnitsWithTwoDecimals)
{
    COvMag magnet;
    magnet.SetPositions(std::vector<OvPointF>{{110, 190}, {100.005f, 200}});
    COvMag pairs;
    pairs.SetPositions(std::vector<OvPointF>{{0.5f, 30}});
    GridCells cells;
    FillTable(cells, RowsOfMagnet(magnet, &pairs, PageMapping{100, 200, 2}), true);
    ASSERT_EQ(cells.RowCount(), 4);
    EXPECT_EQ(cells.Text(0, 4), "Angle/deg : c4");
    EXPECT_EQ(Row(cells, 1), (std::vector<std::string>{"001", "5.00", "5.00", "0.50", "30.00"}));
    EXPECT_EQ(Row(cells, 2), (std::vector<std::string>{"002", "0.00", "0.00", "1.00", "0.00"}));  // no pair
    EXPECT_EQ(Row(cells, 3), (std::vector<std::string>{" * ", "", "", "", ""}));
    EXPECT_FALSE(cells.IsModified());
    FillTable(cells, {}, false);
    EXPECT_EQ(Row(cells, 1), (std::vector<std::string>{" * ", "", ""}));
}

TEST(MagnetTable, RowsWithBothCellsEmptyOrNotFiniteAreSkipped)
{
    GridCells cells;
    FillTable(cells, {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 9}}, true);
    for (const auto& [r, c, text] : {std::tuple{2, 1, ""},
                                     {2, 2, "  "},
                                     {3, 1, "1e999"},
                                     {3, 2, ""},
                                     {4, 1, "abc"},
                                     {4, 3, ""},
                                     {5, 2, "-1e400"},
                                     {6, 1, "11"}})  // row 6: the " * " row
        cells.SetText(r, c, text);
    const std::vector<TableRow> rows = ReadTableRows(cells, true);
    EXPECT_EQ(Fields(rows),
              (std::vector<std::array<double, 4>>{{1, 2, 1, 0}, {0, 8, 0, 0}, {9, 0, 1, 0}, {11, 0, 0, 0}}));
    EXPECT_EQ(ReadTableRows(cells, false).size(), 4u);
    FillTable(cells, {{1, 2, 3, 4}}, true);
    cells.SetText(1, kColumnX, "");
    cells.SetText(1, kColumnAngle, " ");
    EXPECT_EQ(Fields(ReadTableRows(cells, true)), (std::vector<std::array<double, 4>>{{0, 2, 3, 0}}));
    EXPECT_EQ(Fields(ReadTableRows(cells, false)), (std::vector<std::array<double, 4>>{{0, 2, 0, 0}}));

    const MagnetContent content = ContentFromRows(rows, PageMapping{10, 20, 2});
    EXPECT_EQ(PointsText(content.positions), "12,16 10,4 28,20 32,20");
    EXPECT_EQ(PointsText(content.scaleAngles), "1,0 0,0 1,0 0,0");
}

TEST(MagnetTable, CopyModeContentFillsTheSecondListOnlyInCopyMode)
{
    MagnetRecord record{};
    COvMag magnet, pairs;
    record.scale_angle = pairs.Handle();
    MagnetContent content{{{1, 2}, {3, 4}}, {{2, 10}, {3, 20}}};
    SetMagnetContent(record, magnet, content);
    EXPECT_EQ(PointsText(magnet.Positions()) + "|" + PointsText(pairs.Positions()), "1,2 3,4|");
    record.scale_angle_mode = 1;
    SetMagnetContent(record, magnet, content);
    EXPECT_EQ(PointsText(pairs.Positions()), "2,10 3,20");
    record.scale_angle = nullptr;
    SetMagnetContent(record, magnet, {{{5, 6}}, {{1, 0}}});
    EXPECT_EQ(PointsText(magnet.Positions()), "5,6");
}

TEST(MagnetMirror, ImagesTakeTheDefaultScaleAndAngleAndNearIsUnderAHundredth)
{
    const std::vector<TableRow> rows = MirrorRows({{0, 0, 2, 9}, {5, 5, 3, 8}}, MirrorAxis::Vertical);
    EXPECT_EQ(Fields(rows), (std::vector<std::array<double, 4>>{{0, 0, 2, 9}, {5, 5, 3, 8}, {-5, 5, 1, 0}}));
    EXPECT_EQ(MirrorRows({{0.005, 1}}, MirrorAxis::Vertical).size(), 2u);  // exactly 0.01 apart: not near
    EXPECT_EQ(MirrorRows({{1, 0.005}}, MirrorAxis::Horizontal).size(), 2u);
    EXPECT_EQ(MirrorRows({{1e300, -1e300}}, MirrorAxis::Vertical).size(), 2u);
}

TEST(MagnetMirror, AgreesWithEveryImageComparedToEveryPositionOnADenseRandomTable)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> cell(-60, 60);
    for (MirrorAxis axis : {MirrorAxis::Vertical, MirrorAxis::Horizontal}) {
        std::vector<TableRow> rows;
        for (int i = 0; i < 600; ++i) rows.push_back({cell(random) * 0.004, cell(random) * 0.004});
        std::vector<TableRow> plain = rows;
        for (const TableRow& row : rows) {
            const bool vertical = axis == MirrorAxis::Vertical;
            const TableRow image{vertical ? -row.x : row.x, vertical ? row.y : -row.y, 1, 0};
            const auto near = [&](const TableRow& r) {
                return std::fabs(r.x - image.x) < 0.01 && std::fabs(r.y - image.y) < 0.01;
            };
            if (std::none_of(plain.begin(), plain.end(), near)) plain.push_back(image);
        }
        EXPECT_EQ(Fields(MirrorRows(rows, axis)), Fields(plain));
    }
}

// Two decimals per value; the ASCII reader reading it back is the position fuzzer's check.
TEST(MagnetTable, ExportedTextHasTwoDecimalsPerValue)
{
    GridCells cells;
    const std::pair<std::vector<TableRow>, bool> tables[] = {
        {{{1.234, -5.678}, {100, 0.005}, {-0.001, 2}}, false}, {{{1, 2, 3, 4}}, true}, {{}, false}};
    const char* texts[] = {"1.23,-5.68\n100.00,0.01\n0.00,2.00\n", "1.00,2.00,3.00,4.00\n", ""};
    for (size_t i = 0; i < std::size(tables); ++i) {
        FillTable(cells, tables[i].first, tables[i].second);
        std::ostringstream out;
        ASSERT_TRUE(WritePositionsText(cells, out));
        EXPECT_EQ(out.str(), texts[i]);
    }
}

// Columns x, y, scale, angle, one after the other; what is missing or not finite reads as page y 0,
// scale 1 and angle 0 (a third column without a fourth), too few rows or columns as nothing.
TEST(MagnetTable, ImportedMatricesFillMissingColumns)
{
    const double one[] = {1, 2}, three[] = {1, 2, 3, 4, 0.5, NAN}, four[] = {1, 2, 3, 4, 5, 6, 7, 8};
    const struct {
        const double* values;
        int32_t cols, rows;
        const char* content;
    } rows[] = {{one, 1, 2, "12,0 14,0|1,0 1,0"},
                {three, 3, 2, "12,14 14,12|0.5,0 0,0"},
                {four, 4, 2, "12,14 14,12|5,7 6,8"},
                {four, 4, 1, "|"},
                {four, 0, 2, "|"}};
    for (const auto& row : rows) {
        const MagnetContent c = ContentFromMatrix(row.values, row.cols, row.rows, PageMapping{10, 20, 2});
        EXPECT_EQ(PointsText(c.positions) + "|" + PointsText(c.scaleAngles), row.content) << row.cols;
    }
}

TEST(MagnetTable, FormulaSourceIsColumnMajor)
{
    EXPECT_EQ(FormulaSource({{1, 2, 3, 4}, {5, 6, 7, 8}}, true),
              (std::vector<double>{1, 5, 2, 6, 3, 7, 4, 8}));
}

TEST(MagnetList, TemporaryMagnetGrowsAndRenamingEndsIt)
{
    RecordWithMagnets r;
    r.record = MagnetRecord{.origin_x = 10, .origin_y = 20, .scale = 0.5};
    AppendMagnet(r.record, u"M_01");
    ASSERT_TRUE(AppendToTemporaryMagnet(r.record, 4, 6));
    ASSERT_TRUE(AppendToTemporaryMagnet(r.record, -2, 1));
    const std::vector<COvMag*> magnets = MagnetsOf(r.record);
    ASSERT_EQ(magnets.size(), 2u);
    COvMag& temp = *magnets[1];
    EXPECT_EQ(temp.Name(), u"__TEMP_MAG");
    EXPECT_EQ(temp.Flags(), OV_MAG_TEMPORARY | OV_MAG_CHANGED);
    EXPECT_EQ(PointsText(temp.Positions()), "12,23 9,20.5");  // no sign change of y
    RenameMagnet(temp, u"Kept");
    EXPECT_FALSE(temp.Has(OV_MAG_TEMPORARY));
    ASSERT_TRUE(AppendToTemporaryMagnet(r.record, 0, 0));
    EXPECT_EQ(Names(r.record), (std::vector<std::u16string>{u"M_01", u"Kept", u"__TEMP_MAG"}));
}

TEST(MagnetList, MarkedMagnetsGoAndTheOthersKeepTheirOrder)
{
    RecordWithMagnets r;
    for (int i = 0; i < 5; ++i) AppendMagnet(r.record, DefaultMagnetName(i));
    std::vector<COvMag*> magnets = MagnetsOf(r.record);
    magnets[0]->SetFlags(OV_MAG_DROPPED, true);
    magnets[2]->SetFlags(OV_MAG_DROPPED, true);
    magnets[4]->SetFlags(OV_MAG_DROPPED, true);
    r.record.current_magnet = magnets[2]->Handle();
    EXPECT_EQ(RemoveDroppedMagnets(r.record), 3);
    EXPECT_EQ(Names(r.record), (std::vector<std::u16string>{u"M_02", u"M_04"}));
    EXPECT_EQ(ov_list_last(&r.record.magnets), magnets[3]->Handle());
    EXPECT_EQ(r.record.current_magnet, nullptr);
    r.record.current_magnet = magnets[3]->Handle();
    magnets[1]->SetFlags(OV_MAG_DROPPED, true);
    EXPECT_EQ(RemoveDroppedMagnets(r.record), 1);
    EXPECT_EQ(r.record.current_magnet, magnets[3]->Handle());  // a kept current magnet stays current
    EXPECT_EQ(Names(r.record), (std::vector<std::u16string>{u"M_04"}));
}

}  // namespace
