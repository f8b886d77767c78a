// The page exchange rules without widgets: the edge cases of typed values, a load-store round trip
// per page that must leave a sane record byte for byte, the visibility tables by chart kind, the
// line/fill swatch rules, list sections and "Set As Default".
#include "chart/AxisPageModel.h"
#include "chart/GeneralPageModel.h"
#include "chart/LegendPageModel.h"
#include "chart/LineFillEditing.h"
#include "chart/ListTexts.h"
#include "chart/TickGridPageModel.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LangTable.h"
#include "tests/chart/SaneChartRecord.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <string>

using namespace ov;

namespace {

ChartRecord SaneRecord(uint8_t kind)
{
    ChartRecord r;
    auto* bytes = reinterpret_cast<unsigned char*>(&r);
    for (std::size_t i = 0; i < sizeof r; ++i) bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    r.kind = kind;
    MakePageFieldsSane(r);
    return r;
}

bool SameBytes(const ChartRecord& a, const ChartRecord& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

TEST(PageModels, LoadThenStoreLeavesTheRecordByteForByte)
{
    for (uint8_t kind = 1; kind <= 8; ++kind) {
        SCOPED_TRACE(kind);
        const ChartRecord before = SaneRecord(kind);
        ChartRecord r = before;
        StoreGeneral(LoadGeneral(r), r);
        EXPECT_TRUE(SameBytes(r, before)) << "general";
        StoreTickGrid(LoadTickGrid(r), r);
        EXPECT_TRUE(SameBytes(r, before)) << "tick/grid";
        StoreLegend(LoadLegend(r), r);
        StoreLabel(LoadLabel(r), r);
        EXPECT_TRUE(SameBytes(r, before)) << "legend, label";
        StoreAxes(LoadAxes(r), r);
        EXPECT_TRUE(SameBytes(r, before)) << "axis";
    }
}

TEST(PageModels, TypedValuesAreClampedOrderedAndDefaulted)
{
    ChartRecord r = SaneRecord(2);
    GeneralValues g = LoadGeneral(r);
    const std::pair<std::u16string, float> sizes[] = {
        {u"0.5", 2.0f}, {u"abc", 2.0f}, {u"500", 240.0f}, {u"3*4", 12.0f}};
    for (const auto& [text, stored] : sizes) {
        g.fontSizeText = text;
        StoreGeneral(g, r);
        EXPECT_EQ(r.font_size, stored) << std::string(text.begin(), text.end());
    }
    r.title_flags = 0xFFFF;
    g.boldTitle = true;
    g.largerTitle = false;
    StoreGeneral(g, r);
    EXPECT_EQ(r.title_flags, OV_TITLE_BOLD);

    AxisPageValues axes = LoadAxes(r);  // the range rules themselves are the record access tests'
    axes[1].minText = u"10";
    axes[1].maxText = u"1";
    axes[1].parameterText = u"-3";
    axes[2].parameterText = u"0.5";
    StoreAxes(axes, r);
    EXPECT_EQ(r.axes[1].range_min, 1.0f);
    EXPECT_EQ(r.axes[1].range_max, 10.0f);
    EXPECT_EQ(r.axes[1].scale_param, 0.0f);
    EXPECT_EQ(r.axes[2].scale_param, 0.5f);

    LegendValues legend = LoadLegend(r);
    r.legend_flags = 0xC0;  // bits 6 and 7 are not kept
    legend.layout = 5;
    legend.showTitle = true;
    legend.showValue = false;
    legend.spacingText = u"x";
    StoreLegend(legend, r);
    EXPECT_EQ(r.legend_flags, 5 | OV_LEGEND_SHOW_TITLE);
    EXPECT_EQ(r.legend_spacing, 0.0f);
}

TEST(PageModels, TickGridLeavesWhatItsKindDoesNotOwn)
{
    for (uint8_t kind : {1, 2, 7, 8}) {
        SCOPED_TRACE(kind);
        ChartRecord r = SaneRecord(kind);
        TickGridValues v = LoadTickGrid(r);
        EXPECT_EQ(v.hideY, kind != 2);  // axis 1 is not shown
        v.hideX = v.hideY = true;
        v.grid = 0;
        v.secondMinor = 3;
        StoreTickGrid(v, r);
        EXPECT_EQ(r.axes[OV_AXIS_X].shown, kind == 2 ? 1 : 0);
        EXPECT_EQ(r.grid_style, kind >= 7 ? 2 : 0);
        EXPECT_EQ(r.colour_map_3d, kind == 8 ? 3 : SaneRecord(kind).colour_map_3d);
    }
    ChartRecord r = SaneRecord(7);
    EXPECT_TRUE(StoreTextAlignment(r, 4));
    EXPECT_EQ(r.grid_style, 3);
    EXPECT_FALSE(StoreTextAlignment(r, 5));
    EXPECT_EQ(r.grid_style, 3);
}

TEST(LineFillEditing, SwatchesOfferedByFillStyle)
{
    // fill style: colours 2 and 3 offered
    const std::tuple<int, bool, bool> cases[] = {{0, false, false}, {1, false, false}, {2, true, false},
                                                 {54, true, false}, {55, true, true},  {57, true, true},
                                                 {58, true, false}, {59, true, false}};
    for (const auto& [fill, two, three] : cases) {
        EXPECT_TRUE(SwatchOffered(fill, 0) && SwatchOffered(fill, 1)) << fill;
        EXPECT_EQ(SwatchOffered(fill, 2), two) << fill;
        EXPECT_EQ(SwatchOffered(fill, 3), three) << fill;
    }
}

TEST(PageModels, FontPrefixSearchListSectionsAndDefaults)
{
    const std::vector<std::u16string> families = {u"DejaVu Sans", u"DejaVu Serif", u"Noto Sans CJK SC"};
    EXPECT_EQ(FindFontByPrefix(families, u"dejavu"), 0);
    EXPECT_EQ(FindFontByPrefix(families, u"DejaVu Se"), 1);
    EXPECT_EQ(FindFontByPrefix(families, u"Arial"), -1);
    EXPECT_EQ(FindFontByPrefix(families, u""), -1);

    std::string xml = "<T><gCB05><S01 en=\"a\"/><S02 en=\"b\"/><S04 en=\"d\"/></gCB05><gBIG>";
    for (int i = 1; i <= 120; ++i) xml += (i < 10 ? "<S0" : "<S") + std::to_string(i) + " en=\"x\"/>";
    xml += "</gBIG></T>";
    LangTable texts;
    texts.OpenBuffer(u"en", xml.data(), xml.size());
    EXPECT_EQ(SectionListEntries(texts, "gCB05"), (std::vector<std::u16string>{u"a", u"b"}));
    EXPECT_EQ(SectionListEntries(texts, "gBIG").size(), 100u);
    EXPECT_EQ(SectionListEntries(texts, "gNONE").size(), 0u);

    const std::string key = "Software\\Ornivex\\MP\\GPPSet";
    for (const auto& [typed, stored] :
         {std::pair{u"0.5", 4.0f}, std::pair{u"300", 240.0f}, std::pair{u"12", 12.0f}}) {
        ASSERT_TRUE(SavePlotFontDefaults(key, u"DejaVu Sans", typed));
        const RegKeyHandle read(key);
        EXPECT_EQ(std::bit_cast<float>(read.ReadDword("PlotFontSize", 0)), stored);
        EXPECT_EQ(read.ReadString("PlotFontFace", u""), u"DejaVu Sans");
    }
}
