// The plain logic of the Set Strings prompt: rows from the caller's lists, collected values, numeric
// evaluation, the shrink and the placement rules.
#include "framework/NumericExpression.h"
#include "framework/SetStringsRows.h"
#include "framework/WindowPlacement.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace ov;

namespace {
std::optional<double> Evaluate(const std::u16string& t)
{
    const ExpressionResult r = EvaluateNumericText(t);
    return r.ok ? std::optional<double>(r.value) : std::nullopt;
}
}  // namespace

TEST(NumericExpression, EvaluatesLowerCasedTextWithoutSpaces)
{
    struct Case {
        const char16_t* text;
        const char16_t* shown;
    } cases[] = {{u"2*PI", u"6.283185"},  {u"1 + 2", u"3.000000"},  {u"2 * Pi", u"6.283185"},
                 {u"E", u"2.718282"},     {u"SIN(0)", u"0.000000"}, {u"1e3", u"1000.000000"},
                 {u"-0.5", u"-0.500000"}, {u"1 0", u"10.000000"}};
    for (const Case& c : cases) {
        const ExpressionResult r = EvaluateNumericText(c.text);
        ASSERT_TRUE(r.ok) << std::string(r.error);
        EXPECT_EQ(FormatFixed6(r.value), c.shown);
    }
}

TEST(NumericExpression, ReportsTheParserMessageForBadText)
{
    for (const char16_t* bad : {u"1 +", u"(2", u"abc", u"", u"2,5", u"中"}) {
        const ExpressionResult r = EvaluateNumericText(bad);
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.error.empty());
    }
}

TEST(NumericExpression, FormatsWithAPointUnderACommaLocale)
{
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    const ExpressionResult r = EvaluateNumericText(u"1.5 + 1");
    std::setlocale(LC_ALL, "C");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(FormatFixed6(r.value), u"2.500000");
}

TEST(SetStringsRows, RowsShowWhereLabelAndValueMeetAndMarkersSetTheKind)
{
    const std::vector<ChoiceList> choices = {std::nullopt, std::nullopt,
                                             std::vector<std::u16string>{u"a", u"b"}};
    const auto rows =
        BuildSetStringsRows({u"Name", u"Size ##", u"Unit ##", u"Extra"}, {u"x", u"2", u"b"}, choices);
    EXPECT_TRUE(rows[0].shown);
    EXPECT_EQ(rows[0].kind, RowKind::Text);
    EXPECT_EQ(rows[1].kind, RowKind::Numeric);
    EXPECT_EQ(rows[1].label, u"Size ");
    EXPECT_EQ(rows[2].kind, RowKind::DropDown) << "a choice list wins over the numeric marker";
    EXPECT_EQ(rows[2].selected, 1);
    EXPECT_FALSE(rows[3].shown) << "no value for the fourth label";
    EXPECT_EQ(ShownRowCount({u"a", u"b", u"c", u"d"}, {u"1", u"2", u"3"}), 3);
}

TEST(SetStringsRows, DropDownWithoutAMatchSelectsTheFirstChoice)
{
    const auto rows = BuildSetStringsRows({u"Unit"}, {u"B"}, {std::vector<std::u16string>{u"a", u"b"}});
    EXPECT_EQ(rows[0].selected, 0) << "matching is case-sensitive";
}

TEST(SetStringsRows, CollectGivesOneValuePerLabelUpToSix)
{
    auto rows = BuildSetStringsRows({u"A", u"B ##", u"C"}, {u"x", u"1 + 2"}, {});
    auto values = CollectSetStringsValues(rows, 3, Evaluate);
    EXPECT_EQ(values, (std::vector<std::u16string>{u"x", u"3.000000", u""}));

    std::vector<std::u16string> many(8, u"v");
    rows = BuildSetStringsRows(many, many, {});
    EXPECT_EQ(CollectSetStringsValues(rows, 8, Evaluate).size(), 6u);

    rows = BuildSetStringsRows({u"N ##"}, {u"1 +"}, {});
    int failures = 0;
    values = CollectSetStringsValues(rows, 1, [&](const std::u16string& t) {
        auto v = Evaluate(t);
        failures += v ? 0 : 1;
        return v;
    });
    EXPECT_EQ(values, (std::vector<std::u16string>{u"0.000000"}));
    EXPECT_EQ(failures, 1);
}

TEST(WindowPlacement, ShrinkKeepsTheVerticalCentre)
{
    const ScreenRect w{100, 100, 400, 350};
    const ShrinkResult three = ShrinkForRows(w, -31, 3);
    EXPECT_EQ(three.shift, -93);
    EXPECT_EQ(three.window.Height(), 250 - 93);
    EXPECT_EQ(three.window.bottom, 350 - 46);
    EXPECT_EQ(three.window.top, 100 + 47);
    EXPECT_EQ(ShrinkForRows(w, -31, 6).window, w);
    EXPECT_EQ(ShrinkForRows(w, -31, 9).shift, 0);
}

TEST(WindowPlacement, ModesPutACornerAtThePointThenHoldOnTheWorkArea)
{
    const ScreenRect w{0, 0, 200, 100};
    EXPECT_EQ(PlaceWindow(w, 0, 50, 60, {}, 1920, 1080), (ScreenRect{50, 60, 250, 160}));
    EXPECT_EQ(PlaceWindow(w, 1, 500, 60, {}, 1920, 1080), (ScreenRect{300, 60, 500, 160}));
    EXPECT_EQ(PlaceWindow(w, 2, 800, 600, {}, 1920, 1080), (ScreenRect{600, 500, 800, 600}));
    EXPECT_EQ(PlaceWindow(w, 3, 800, 600, {}, 1920, 1080), (ScreenRect{800, 500, 1000, 600}));
    EXPECT_EQ(PlaceWindow(w, -5, 50, 60, {}, 1920, 1080), (ScreenRect{50, 60, 250, 160}))
        << "negative acts as 0";
    // Near the edge the window is pulled back inside.
    EXPECT_EQ(PlaceWindow(w, 2, 100, 50, {}, 1920, 1080), (ScreenRect{0, 0, 200, 100}));
    EXPECT_EQ(PlaceWindow(w, 0, 1900, 1050, {}, 1920, 1080), (ScreenRect{1720, 980, 1920, 1080}));
}

TEST(WindowPlacement, ModeFourCentresOnTheAnchorOrStays)
{
    const ScreenRect w{10, 10, 210, 110};
    EXPECT_EQ(PlaceWindow(w, 4, 0, 0, ScreenRect{400, 300, 600, 501}, 1920, 1080),
              (ScreenRect{400, 350, 600, 450}));
    EXPECT_EQ(PlaceWindow(w, 7, 0, 0, std::nullopt, 1920, 1080), w);
}
