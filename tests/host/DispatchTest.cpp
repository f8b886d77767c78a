// The entry points' dispatch driven through real modal dialogs: routing by code, results, the list
// elements each dialog takes, copy-in and copy-back, value lists refilled on OK only, the current
// magnet cleared, and the refusal of calls that break their preconditions.
#include "host/Dispatch.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

using namespace ov;
using namespace ovtest;
using Texts = std::vector<std::u16string>;

namespace {

// Every slot filled with a dialog that edits whatever copy it is handed and records which slot ran
// and which list element it took.
struct Recorder {
    DialogRegistry registry;
    std::string ran;
    void* taken = nullptr;
    ChartSheetCall chart;
    TimeSeriesCall series;
    SystemPropsCall props;
    int prepared = 0;
    UiPreparer prepare = [this] { return ++prepared, true; };

    Recorder()
    {
        auto chartSlot = [this](const char* name) {
            return [this, name](ChartSheetCall& c) {
                ran = name, chart = c, taken = c.element;
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
            return ran = "series", series = c, taken = c.magnetRecord, RunBareDialog(c.parent);
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
};

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override { EnsureTestApplication(); }
    Recorder rec;
};

}  // namespace

// Each code opens its slot and forms its result. The X-Y sheet takes the drawing context off the list
// (a 3-D chart, kind 6, also the object before it, which stays, and that object's series), the time
// series its magnet record; the surface sheet reads the last element and leaves the list. A dialog
// edits a copy of the host's record: Cancel leaves every byte, OK copies the edited record back.
TEST_F(Dispatch, OpensTheSlotOfEveryCodeAndCopiesItsRecordBackOnOkOnly)
{
    const struct Route {
        uint32_t code;
        const char* slot;
        int32_t resultOnOk;
        bool takesLast;
        size_t left;
    } routes[] = {
        {0x100, "animation", 0, false, 3}, {0xFF, "series", 1, true, 2}, {1, "xy", 1, true, 2},
        {2, "pie", 1, false, 3},           {4, "surface", 1, true, 3},   {5, "axis", 1, false, 3},
        {6, "clip", 1, false, 3},          {7, "points", 1, false, 3},   {0, "props", 0, false, 3},
        {3, "props", 0, false, 3},         {8, "props", 0, false, 3},    {0xFFFFFFFF, "props", 0, false, 3}};
    HostList series;
    for (const Route& r : routes) {
        for (const auto& [ok, kind] : {std::pair{true, 1}, {false, 1}, {true, 6}}) {
            SCOPED_TRACE(std::to_string(r.code) + (ok ? " OK, kind " : " Cancel, kind ") +
                         std::to_string(kind));
            ChartRecord chart = PatternRecord<ChartRecord>(3);
            std::memset(&chart, kind, 1);
            SystemSettings settings = PatternRecord<SystemSettings>(5);
            ChartRecord chartAfter = chart;
            SystemSettings settingsAfter = settings;
            const bool props = std::string(r.slot) == "props";
            if (ok && props) std::memset(reinterpret_cast<char*>(&settingsAfter) + sizeof(void*), 0xCD, 8);
            if (ok && !props && r.code >= 1 && r.code <= 5) std::memset(&chartAfter, 0xAB, 16);
            Host3DObject e[3] = {};
            e[1].series_list = series.get();
            HostList list = HostList::Pointers({&e[0], &e[1], &e[2]});
            rec.ran.clear(), rec.taken = nullptr, rec.chart.record = nullptr;
            const GEEdtParams p{props ? static_cast<void*>(&settings) : &chart, list.get(), nullptr, r.code,
                                &e[0]};
            EXPECT_EQ(
                RunModal([&] { return DispatchGEEdt(&p, rec.registry, rec.prepare); }, ok ? Accept : Cancel),
                ok ? r.resultOnOk : 0);
            EXPECT_EQ(rec.ran, r.slot);
            EXPECT_EQ(std::memcmp(&chart, &chartAfter, sizeof chart), 0);
            EXPECT_EQ(std::memcmp(&settings, &settingsAfter, sizeof settings), 0);
            EXPECT_NE(rec.chart.record, &chart) << "the dialog must edit a copy";
            EXPECT_TRUE(!props || rec.props.hotkeyTable == PatternRecord<SystemSettings>(5).hotkey_table);
            EXPECT_EQ(rec.taken, r.takesLast ? &e[2] : nullptr);
            EXPECT_EQ(list.PointersNow().size(), r.left);
            const bool is3d = kind == 6;
            EXPECT_TRUE(r.code != 1 || (rec.chart.seriesList == (is3d ? series.get() : list.get()) &&
                                        rec.chart.object3d == (is3d ? &e[1] : nullptr)));
            EXPECT_TRUE(r.code != 0xFF || (rec.series.selection == &chart && rec.series.nextId == &e[0]));
        }
    }
}

// Refused calls return 0 before any dialog is built and leave the host's list as it was.
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
    EXPECT_EQ(single.PointersNow().size(), 1u);
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
    SetStringsSetup seen;
    rec.registry.setStrings = [&](SetStringsCall& c) {
        seen = c.setup;
        c.setup.values = {u"10", u"20", u"30"};
        return RunBareDialog(c.parent);
    };
    const auto run = [&](const char16_t* title, GSSParams* params, const DialogAction& act) {
        return RunModal([&] { return DispatchGSS(title, params, rec.registry, UiAlwaysReady); }, act);
    };
    const auto nodesBefore = values.get()->head;
    EXPECT_EQ(run(u"Size", &p, Cancel), 0);
    EXPECT_EQ(seen.title, u"Size");
    EXPECT_EQ(seen.labels, (Texts{u"Width", u"Height"}));
    EXPECT_EQ(seen.values, (Texts{u"1", u"2"}));
    EXPECT_EQ(seen.choiceLists, (std::vector<ChoiceList>{std::nullopt, Texts{u"mm", u"in"}}));
    ASSERT_TRUE(seen.placement.has_value());
    EXPECT_EQ(std::pair(int(seen.placement->mode), seen.placement->x), std::pair(3, 30));
    EXPECT_EQ(values.get()->head, nodesBefore) << "cancel must not even rebuild the list";
    EXPECT_EQ(run(u"t", &p, Accept), 1);
    EXPECT_EQ(values.StringsNow(), (Texts{u"10", u"20", u"30"}));
    for (OvHostList& l : lists) ov_list_init(&l);  // the copies share nodes with `perRow`

    GSSParams noLabels{nullptr, values.get(), nullptr, nullptr, 0};
    GSSParams negative{labels.get(), values.get(), nullptr, placements, -1};
    for (GSSParams* bad : {static_cast<GSSParams*>(nullptr), &noLabels, &negative})
        EXPECT_EQ(run(u"t", bad, Accept), 0);  // OK would give 1 had a dialog opened
}

// The dialog starts without a current magnet, and whatever it leaves there is cleared again.
TEST_F(Dispatch, MagnetsClearTheCurrentMagnetBeforeAndAfter)
{
    MagnetRecord record{};
    auto* magnet = reinterpret_cast<OvMagnet*>(&record);  // any non-null pointer; never dereferenced
    record.current_magnet = magnet;
    void* seenCurrent = magnet;
    rec.registry.magnets = [&](MagnetsCall& c) {
        seenCurrent = std::exchange(c.record->current_magnet, magnet);
        return RunBareDialog(c.parent);
    };
    for (void* r : {static_cast<void*>(&record), static_cast<void*>(nullptr)}) {
        EXPECT_EQ(RunModal([&] { return DispatchGMagnet(nullptr, r, rec.registry, UiAlwaysReady); }, Accept),
                  r ? 1 : 0);
    }
    EXPECT_EQ(seenCurrent, nullptr);
    EXPECT_EQ(record.current_magnet, nullptr);
}
