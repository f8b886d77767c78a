// The plain logic of the Set Strings prompt: numeric evaluation, rows from the caller's lists,
// collected values, the shrink and the placement rules.
#include "data/formula/NumericExpression.h"
#include "framework/prompt/SetStringsRows.h"
#include "framework/prompt/WindowPlacement.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace ov;

TEST(NumericExpression, EvaluatesLowerCasedTextWithoutSpacesAndReportsBadText)
{
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8");  // the result still uses a point
    for (auto [text, shown] : {std::pair{u"2 * Pi", u"6.283185"},
                               {u"SIN(0)", u"0.000000"},
                               {u"1.5 + 1", u"2.500000"},
                               {u"1 0", u"10.000000"}}) {
        const ExpressionResult r = EvaluateNumericText(text);
        EXPECT_TRUE(r.ok && FormatFixed6(r.value) == shown) << german << std::string(r.error);
    }
    std::setlocale(LC_ALL, "C");
    for (const char16_t* bad : {u"(2", u"", u"2,5"}) EXPECT_FALSE(EvaluateNumericText(bad).error.empty());
}

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

TEST(WindowPlacement, ShrinkKeepsTheCentreAndModesPutACornerAtThePointInsideTheWorkArea)
{
    const ShrinkResult three = ShrinkForRows(ScreenRect{100, 100, 400, 350}, -31, 3);
    EXPECT_EQ(three.window, (ScreenRect{100, 147, 400, 304}));
    EXPECT_EQ(ShrinkForRows(ScreenRect{100, 100, 400, 350}, -31, 9).shift, 0);
    const ScreenRect w{0, 0, 200, 100};
    EXPECT_EQ(PlaceWindow(w, -5, 50, 60, {}, 1920, 1080), (ScreenRect{50, 60, 250, 160}));
    EXPECT_EQ(PlaceWindow(w, 1, 500, 60, {}, 1920, 1080), (ScreenRect{300, 60, 500, 160}));
    EXPECT_EQ(PlaceWindow(w, 3, 800, 600, {}, 1920, 1080), (ScreenRect{800, 500, 1000, 600}));
    EXPECT_EQ(PlaceWindow(w, 0, 1900, 1050, {}, 1920, 1080), (ScreenRect{1720, 980, 1920, 1080}));
    EXPECT_EQ(PlaceWindow(w, 4, 0, 0, ScreenRect{400, 300, 600, 501}, 1920, 1080),
              (ScreenRect{400, 350, 600, 450}));
    EXPECT_EQ(PlaceWindow(w, 7, 0, 0, std::nullopt, 1920, 1080), w);
}
