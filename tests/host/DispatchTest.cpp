// The entry points' dispatch driven through real modal dialogs: routing by code, results, copy-in and
// copy-back, host-list handling, index arithmetic of the host arrays, value lists refilled on OK only,
// the current magnet cleared, and the refusal of calls that break their preconditions.
#include "host/Dispatch.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace ov;
using namespace ovtest;

namespace {

// Every slot filled with a dialog that edits whatever copy it is handed and records which slot ran.
struct Recorder {
    DialogRegistry registry;
    std::string ran;
    ChartSheetCall chart;
    TimeSeriesCall series;
    SystemPropsCall props;
    int prepared = 0;
    UiPreparer prepare = [this] { return ++prepared, true; };

    Recorder()
    {
        auto chartSlot = [this](const char* name) {
            return [this, name](ChartSheetCall& c) {
                ran = name, chart = c;
                std::memset(c.record, 0xAB, 16);  // the dialog edits its copy only
                return RunBareDialog(c.parent);
            };
        };
        registry.xyChart = chartSlot("xy");
        registry.pieChart = chartSlot("pie");
        registry.surface = chartSlot("surface");
        registry.numberAxis = chartSlot("axis");
        registry.clipPath = [this](PathsCall& c) { return ran = "clip", RunBareDialog(c.parent); };
        registry.pointsAlongPaths = [this](PathsCall& c) { return ran = "points", RunBareDialog(c.parent); };
        registry.timeSeries = [this](TimeSeriesCall& c) {
            return ran = "series", series = c, RunBareDialog(c.parent);
        };
        registry.generateAnimation = [this](AnimationCall& c) {
            return ran = "animation", RunBareDialog(c.parent);
        };
        registry.systemProps = [this](SystemPropsCall& c) {
            ran = "props", props = c;
            std::memset(reinterpret_cast<char*>(c.record) + sizeof(void*), 0xCD, 8);
            return RunBareDialog(c.parent);
        };
    }
    int32_t Run(const GEEdtParams& p, const DialogAction& act)
    {
        return RunModal([&] { return DispatchGEEdt(&p, registry, prepare); }, act);
    }
};

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override { EnsureTestApplication(); }
    Recorder rec;
};

}  // namespace

TEST_F(Dispatch, OpensTheSlotOfEveryCodeAndFormsItsResult)
{
    struct Route {
        uint32_t code;
        const char* slot;
        int32_t resultOnOk;
    } routes[] = {{0x100, "animation", 0}, {0xFF, "series", 1}, {1, "xy", 1},    {2, "pie", 1},
                  {4, "surface", 1},       {5, "axis", 1},      {6, "clip", 1},  {7, "points", 1},
                  {0, "props", 0},         {3, "props", 0},     {8, "props", 0}, {0xFFFFFFFF, "props", 0}};
    for (const Route& r : routes) {
        for (bool ok : {true, false}) {
            ChartRecord chart = PatternRecord<ChartRecord>(3);
            std::memset(&chart, 1, 1);  // kind 1: an X-Y chart
            SystemSettings settings = PatternRecord<SystemSettings>(5);
            int dummy[3] = {};
            HostList list = HostList::Pointers({&dummy[0], &dummy[1], &dummy[2]});
            void* record = std::string(r.slot) == "props" ? static_cast<void*>(&settings) : &chart;
            GEEdtParams p{record, list.get(), nullptr, r.code, &dummy[0]};
            rec.ran.clear();
            EXPECT_EQ(rec.Run(p, ok ? Accept : Cancel), ok ? r.resultOnOk : 0)
                << r.code << (ok ? " OK" : " Cancel");
            EXPECT_EQ(rec.ran, r.slot) << "code " << r.code;
        }
    }
}

// Cancel leaves every byte the host handed in; OK copies the edited record back. The dialog never
// sees the host's memory as its record.
TEST_F(Dispatch, RecordsAreCopiedBackOnOkOnlyAndCancelLeavesEveryByte)
{
    int element = 0;
    ChartRecord host = PatternRecord<ChartRecord>(7);
    std::memset(&host, 1, 1);
    const ChartRecord before = host;
    HostList list = HostList::Pointers({&element, &element});
    GEEdtParams p{&host, list.get(), nullptr, 1, nullptr};
    rec.Run(p, Cancel);
    EXPECT_EQ(std::memcmp(&host, &before, sizeof host), 0);
    HostList again = HostList::Pointers({&element, &element});
    p.context = again.get();
    EXPECT_EQ(rec.Run(p, Accept), 1);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&host)[0], 0xAB);
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&host) + 16,
                          reinterpret_cast<const char*>(&before) + 16, sizeof host - 16),
              0);
    EXPECT_NE(rec.chart.record, &host);

    HotkeyTable hotkeys{};
    SystemSettings settings = PatternRecord<SystemSettings>(9);
    settings.hotkey_table = &hotkeys;
    const SystemSettings settingsBefore = settings;
    GEEdtParams q{&settings, nullptr, nullptr, 3, nullptr};
    EXPECT_EQ(rec.Run(q, Cancel), 0);
    EXPECT_EQ(std::memcmp(&settings, &settingsBefore, sizeof settings), 0);
    EXPECT_EQ(rec.Run(q, Accept), 0);
    EXPECT_NE(std::memcmp(&settings, &settingsBefore, sizeof settings), 0);
    EXPECT_EQ(rec.props.hotkeyTable, &hotkeys);

    DialogRegistry registry;
    registry.floodFill = [](FloodFillCall& c) {
        c.seedX *= 100;
        const OvPointF tri[] = {{0, 0}, {1, 0}, {0, 1}};
        ov_path_add_polygon(c.outline, tri, 3);
        return RunBareDialog(c.parent);
    };
    float x = 0.5f, y = 0.25f;
    OvPathData data{0, nullptr, nullptr};
    EXPECT_EQ(RunModal([&] { return DispatchDFF(u"a.png", &x, &y, &data, registry, UiAlwaysReady); }, Cancel),
              0);
    EXPECT_EQ(x, 0.5f);
    EXPECT_EQ(data.count, 0);
    EXPECT_EQ(data.points, nullptr);
}

// The X-Y sheet takes the drawing context off the list (a 3-D chart also its object), the surface
// sheet and the time series take the last element and leave the rest.
TEST_F(Dispatch, SheetsTakeTheirElementsOffTheHostList)
{
    int a = 0, b = 0, context = 0, selection = 0, nextId = 0;
    ChartRecord chart{};
    std::memset(&chart, 1, 1);
    HostList list = HostList::Pointers({&a, &b, &context});
    rec.Run(GEEdtParams{&chart, list.get(), nullptr, 1, nullptr}, Cancel);
    EXPECT_EQ(rec.chart.element, &context);
    EXPECT_EQ(rec.chart.seriesList, list.get());
    EXPECT_EQ(rec.chart.object3d, nullptr);
    EXPECT_EQ(list.PointersNow(), (std::vector<void*>{&a, &b}));

    HostList series;
    Host3DObject object3d{};
    object3d.series_list = series.get();
    std::memset(&chart, 6, 1);
    HostList list3d = HostList::Pointers({&object3d, &context});
    rec.Run(GEEdtParams{&chart, list3d.get(), nullptr, 1, nullptr}, Cancel);
    EXPECT_EQ(rec.chart.element, &context);
    EXPECT_EQ(rec.chart.object3d, &object3d);
    EXPECT_EQ(rec.chart.seriesList, series.get());
    EXPECT_EQ(list3d.PointersNow(), (std::vector<void*>{&object3d}));

    rec.Run(GEEdtParams{&chart, list.get(), nullptr, 4, nullptr}, Cancel);
    EXPECT_EQ(rec.chart.element, &b);
    EXPECT_EQ(list.PointersNow().size(), 2u) << "the surface sheet leaves the list alone";
    rec.Run(GEEdtParams{&selection, list.get(), nullptr, 0xFF, &nextId}, Cancel);
    EXPECT_EQ(rec.series.magnetRecord, &b);
    EXPECT_EQ(rec.series.selection, &selection);
    EXPECT_EQ(rec.series.nextId, &nextId);
    EXPECT_EQ(list.PointersNow(), (std::vector<void*>{&a}));
}

TEST_F(Dispatch, BrokenPreconditionsReturnZeroBeforeAnyDialog)
{
    ChartRecord kind1{}, kind6{};
    std::memset(&kind1, 1, 1);
    std::memset(&kind6, 6, 1);
    int one = 0;
    HostList empty;
    HostList single = HostList::Pointers({&one});
    const GEEdtParams cases[] = {
        {nullptr, single.get(), nullptr, 1, nullptr},   {&kind1, nullptr, nullptr, 1, nullptr},
        {&kind1, empty.get(), nullptr, 1, nullptr},     {&kind6, single.get(), nullptr, 1, nullptr},
        {&kind1, empty.get(), nullptr, 4, nullptr},     {nullptr, nullptr, nullptr, 5, nullptr},
        {nullptr, empty.get(), nullptr, 0xFF, nullptr}, {nullptr, nullptr, nullptr, 3, nullptr},
        {nullptr, single.get(), nullptr, 0xFF, nullptr}};
    for (const GEEdtParams& p : cases) EXPECT_EQ(DispatchGEEdt(&p, rec.registry, rec.prepare), 0) << p.code;
    EXPECT_EQ(DispatchGEEdt(nullptr, rec.registry, rec.prepare), 0);
    GEEdtParams p{&kind1, nullptr, nullptr, 5, nullptr};
    DialogRegistry none;
    EXPECT_EQ(DispatchGEEdt(&p, none, UiAlwaysReady), 0);                 // empty slot
    EXPECT_EQ(DispatchGEEdt(&p, rec.registry, [] { return false; }), 0);  // UI refused
    SystemSettings settings{};
    GEEdtParams props{&settings, nullptr, nullptr, 3, nullptr};
    EXPECT_EQ(DispatchGEEdt(&props, rec.registry, [] { return false; }), 0);
    EXPECT_EQ(rec.ran, "");
    EXPECT_EQ(rec.prepared, 0);
    EXPECT_EQ(single.PointersNow().size(), 1u) << "a refused call leaves the list as it was";
}

TEST_F(Dispatch, SetStringsPicksTheIndexedChoiceListAndPlacementAndRefillsValuesOnOkOnly)
{
    HostList labels = HostList::Strings({u"Width", u"Height"});
    HostList values = HostList::Strings({u"1", u"2"});
    // Each array element is a list with one entry per row: a list of choices, or null for a text row.
    HostList units = HostList::Strings({u"mm", u"in"});
    HostList other = HostList::Strings({u"x"});
    HostList perRow[3] = {HostList::Pointers({other.get()}), HostList::Pointers({other.get()}),
                          HostList::Pointers({nullptr, units.get()})};
    OvHostList lists[3] = {*perRow[0], *perRow[1], *perRow[2]};
    DialogPlacement placements[3] = {
        {nullptr, 1, {}, 10, 11}, {nullptr, 2, {}, 20, 21}, {nullptr, 3, {}, 30, 31}};
    GSSParams p{labels.get(), values.get(), lists, placements, 2};
    DialogRegistry registry;
    SetStringsSetup seen;
    registry.setStrings = [&](SetStringsCall& c) {
        seen = c.setup;
        c.setup.values = {u"10", u"20", u"30"};
        return RunBareDialog(c.parent);
    };
    const auto nodesBefore = values.get()->head;
    EXPECT_EQ(RunModal([&] { return DispatchGSS(u"Size", &p, registry, UiAlwaysReady); }, Cancel), 0);
    EXPECT_EQ(seen.title, u"Size");
    EXPECT_EQ(seen.labels, (std::vector<std::u16string>{u"Width", u"Height"}));
    EXPECT_EQ(seen.values, (std::vector<std::u16string>{u"1", u"2"}));
    ASSERT_EQ(seen.choiceLists.size(), 2u);
    EXPECT_FALSE(seen.choiceLists[0].has_value());
    EXPECT_EQ(seen.choiceLists[1], (std::vector<std::u16string>{u"mm", u"in"}));
    ASSERT_TRUE(seen.placement.has_value());
    EXPECT_EQ(seen.placement->mode, 3);
    EXPECT_EQ(seen.placement->x, 30);
    EXPECT_EQ(values.get()->head, nodesBefore) << "cancel must not even rebuild the list";
    EXPECT_EQ(RunModal([&] { return DispatchGSS(u"t", &p, registry, UiAlwaysReady); }, Accept), 1);
    EXPECT_EQ(values.StringsNow(), (std::vector<std::u16string>{u"10", u"20", u"30"}));
    for (OvHostList& l : lists) ov_list_init(&l);  // the copies share nodes with `perRow`

    GSSParams noLabels{nullptr, values.get(), nullptr, nullptr, 0};
    GSSParams negative{labels.get(), values.get(), nullptr, placements, -1};
    seen.title = u"none";
    for (GSSParams* bad : {static_cast<GSSParams*>(nullptr), &noLabels, &negative})
        EXPECT_EQ(DispatchGSS(u"t", bad, registry, UiAlwaysReady), 0);
    EXPECT_EQ(seen.title, u"none");
}

TEST_F(Dispatch, MagnetsClearTheCurrentMagnetBeforeAndAfter)
{
    MagnetRecord record{};
    auto* magnet = reinterpret_cast<OvMagnet*>(&record);  // any non-null pointer; never dereferenced
    record.current_magnet = magnet;
    DialogRegistry registry;
    void* seenCurrent = magnet;
    registry.magnets = [&](MagnetsCall& c) {
        seenCurrent = c.record->current_magnet;
        c.record->current_magnet = magnet;  // the dialog may set it while it runs
        return RunBareDialog(c.parent);
    };
    EXPECT_EQ(RunModal([&] { return DispatchGMagnet(nullptr, &record, registry, UiAlwaysReady); }, Accept),
              1);
    EXPECT_EQ(seenCurrent, nullptr);
    EXPECT_EQ(record.current_magnet, nullptr);
    EXPECT_EQ(DispatchGMagnet(nullptr, nullptr, registry, UiAlwaysReady), 0);
}
