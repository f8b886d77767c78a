// The plain logic of the Set Strings prompt: rows from the caller's lists,
// collected values, the shrink and the placement rules.
#include "data/formula/NumericExpression.h"
#include "framework/prompt/SetStringsRows.h"
#include "framework/prompt/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace ov;

TEST(SetStringsRows, MarkersSetTheKindAndCollectGivesOneValuePerLabelUpToSix)
{
    const std::vector<ChoiceList> choices = {std::nullopt, std::nullopt,
                                             std::vector<std::u16string>{u"a", u"b"}};
    auto rows =
        BuildSetStringsRows({u"Name", u"Size ##", u"Unit ##", u"Extra"}, {u"x", u"1 + 2", u"b"}, choices);
    EXPECT_EQ(rows[1].label, u"Size ");
    EXPECT_EQ(rows[2].kind, RowKind::DropDown) << "a choice list wins over the numeric marker";
    EXPECT_EQ(rows[2].selected, 1);
    EXPECT_FALSE(rows[3].shown) << "no value for the fourth label";
    auto evaluate = [](const std::u16string& t) {
        const ExpressionResult r = EvaluateNumericText(t);
        return r.ok ? std::optional<double>(r.value) : std::nullopt;
    };
    EXPECT_EQ(CollectSetStringsValues(rows, 4, evaluate),
              (std::vector<std::u16string>{u"x", u"3.000000", u"b", u""}));
    std::vector<std::u16string> many(8, u"v");
    EXPECT_EQ(CollectSetStringsValues(BuildSetStringsRows(many, many, {}), 8, evaluate).size(), 6u);
}

// Drop-down rows start on the entry matching the value (the first when none does) and give back the
// chosen entry; an empty list or a choice past the list gives an empty value, a numeric row that does
// not evaluate gives zero.
TEST(SetStringsRows, DropDownsStartOnTheMatchAndFailedRowsGiveEmptyOrZero)
{
    const std::vector<std::u16string> units = {u"mm", u"cm", u"in"};
    const std::vector<ChoiceList> choices = {units, units, std::vector<std::u16string>{}, units};
    SetStringsRowArray rows = BuildSetStringsRows({u"A", u"B", u"C", u"D", u"E ## ##"},
                                                  {u"in", u"ft", u"x", u"cm", u"oops"}, choices);
    EXPECT_EQ(rows[0].selected, 2);
    EXPECT_EQ(rows[1].selected, 0);
    EXPECT_EQ(rows[2].selected, -1);
    EXPECT_EQ(rows[3].selected, 1);
    EXPECT_EQ(rows[4].label, u"E  ");
    EXPECT_EQ(rows[4].kind, RowKind::Numeric);
    EXPECT_TRUE(rows[4].shown);
    rows[3].selected = 3;
    const auto evaluate = [](const std::u16string&) { return std::optional<double>(); };
    EXPECT_EQ(CollectSetStringsValues(rows, 5, evaluate),
              (std::vector<std::u16string>{u"in", u"mm", u"", u"", u"0.000000"}));
    EXPECT_EQ(ShownRowCount(std::vector<std::u16string>(9, u"l"), std::vector<std::u16string>(7, u"v")), 7);
}

TEST(WindowPlacement, ShrinkKeepsTheCentreAndSplitsAnOddShiftUpwards)
{
    const ScreenRect window{100, 100, 400, 350};
    const struct {
        int pitch, rows, shift;
        ScreenRect expected;
    } cases[] = {{-31, 3, -93, {100, 147, 400, 304}},
                 {-31, 5, -31, {100, 116, 400, 335}},
                 {-31, 6, 0, window},
                 {-31, 9, 0, window}};
    for (const auto& c : cases) {
        const ShrinkResult r = ShrinkForRows(window, c.pitch, c.rows);
        EXPECT_EQ(r.shift, c.shift) << c.rows;
        EXPECT_EQ(r.window, c.expected) << c.rows;
    }
}

// Modes 0-3 put a corner (top-left, top-right, bottom-right, bottom-left) at the point, 4 and above
// centre on the anchor when there is one; the result is pulled back onto the work area.
TEST(WindowPlacement, ModesPutACornerAtThePointOrCentreAndStayInsideTheWorkArea)
{
    const ScreenRect w{0, 0, 200, 100};
    const ScreenRect anchor{400, 300, 600, 501};
    const struct {
        int8_t mode;
        int x, y;
        std::optional<ScreenRect> anchor;
        ScreenRect expected;
    } cases[] = {
        {0, 50, 60, {}, {50, 60, 250, 160}},
        {-5, 50, 60, {}, {50, 60, 250, 160}},
        {1, 500, 60, {}, {300, 60, 500, 160}},
        {2, 800, 600, {}, {600, 500, 800, 600}},
        {3, 800, 600, {}, {800, 500, 1000, 600}},
        {0, 1900, 1050, {}, {1720, 980, 1920, 1080}},
        {1, 100, 60, {}, {0, 60, 200, 160}},
        {0, 1900, 60, {}, {1720, 60, 1920, 160}},
        {2, 10, 10, {}, {0, 0, 200, 100}},
        {4, 0, 0, anchor, {400, 350, 600, 450}},
        {4, 0, 0, ScreenRect{-90, -90, 10, 10}, {0, 0, 200, 100}},
        {7, 5, 5, std::nullopt, w},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceWindow(w, c.mode, c.x, c.y, c.anchor, 1920, 1080), c.expected)
            << int(c.mode) << " at " << c.x << "," << c.y;
    }
}
