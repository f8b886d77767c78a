// The entry points' dispatch driven through real modal dialogs: routing by code, results, copy-in and
// copy-back, host-list handling and the refusal of calls that break their preconditions.
#include "host/Dispatch.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cstring>

using namespace ov;
using namespace ovtest;

namespace {

// A small real dialog: a text box and OK/Cancel. Returns 1 or 2 like the library's dialogs.
int RunTestDialog(QWidget* parent, QString* typed = nullptr)
{
    QDialog dialog(parent);
    auto* layout = new QVBoxLayout(&dialog);
    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName("edit");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("ok");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancel");
    layout->addWidget(edit);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    const int result = dialog.exec() == QDialog::Accepted ? kDialogOk : kDialogCancel;
    if (typed) *typed = edit->text();
    return result;
}

// Every slot filled with a dialog that edits whatever copy it is handed and records which slot ran.
struct Recorder {
    DialogRegistry registry;
    std::string ran;
    ChartSheetCall chart;
    TimeSeriesCall series;
    SystemPropsCall props;
    PathsCall paths;
    int prepared = 0;
    UiPreparer prepare = [this] { return ++prepared, true; };

    Recorder()
    {
        auto chartSlot = [this](const char* name) {
            return [this, name](ChartSheetCall& c) {
                ran = name;
                chart = c;
                std::memset(c.record, 0xAB, 16);  // the dialog edits its copy only
                return RunTestDialog(c.parent);
            };
        };
        registry.xyChart = chartSlot("xy");
        registry.pieChart = chartSlot("pie");
        registry.surface = chartSlot("surface");
        registry.numberAxis = chartSlot("axis");
        registry.clipPath = [this](PathsCall& c) { return ran = "clip", paths = c, RunTestDialog(c.parent); };
        registry.pointsAlongPaths = [this](PathsCall& c) {
            return ran = "points", paths = c, RunTestDialog(c.parent);
        };
        registry.timeSeries = [this](TimeSeriesCall& c) {
            return ran = "series", series = c, RunTestDialog(c.parent);
        };
        registry.generateAnimation = [this](AnimationCall& c) {
            return ran = "animation", RunTestDialog(c.parent);
        };
        registry.systemProps = [this](SystemPropsCall& c) {
            ran = "props";
            props = c;
            std::memset(reinterpret_cast<char*>(c.record) + sizeof(void*), 0xCD, 8);
            return RunTestDialog(c.parent);
        };
    }
};

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override { EnsureTestApplication(); }
};

struct RouteCase {
    uint32_t code;
    const char* slot;
    int32_t resultOnOk;
};

class DispatchRoutes : public Dispatch, public ::testing::WithParamInterface<RouteCase> {};

}  // namespace

TEST_P(DispatchRoutes, OpensTheSlotOfTheCodeAndFormsItsResult)
{
    const RouteCase rc = GetParam();
    for (bool ok : {true, false}) {
        Recorder rec;
        ChartRecord chart = PatternRecord<ChartRecord>(3);
        std::memset(&chart, 1, 1);  // kind 1: an X-Y chart
        SystemSettings settings = PatternRecord<SystemSettings>(5);
        int dummy[3] = {};
        HostList list = HostList::Pointers({&dummy[0], &dummy[1], &dummy[2]});
        RecordingHostWindow window;
        const bool isProps = std::string(rc.slot) == "props";
        GEEdtParams p{isProps ? static_cast<void*>(&settings) : static_cast<void*>(&chart), list.get(),
                      window.get(), rc.code, &dummy[0]};
        const int32_t result =
            RunModal([&] { return DispatchGEEdt(&p, rec.registry, rec.prepare); }, ok ? Accept : Cancel);
        EXPECT_TRUE(LastRunSawDialog());
        EXPECT_EQ(rec.ran, rc.slot) << "code " << rc.code;
        EXPECT_EQ(result, ok ? rc.resultOnOk : 0) << "code " << rc.code << (ok ? " OK" : " Cancel");
    }
}

INSTANTIATE_TEST_SUITE_P(AllCodes, DispatchRoutes,
                         ::testing::Values(RouteCase{0x100, "animation", 0}, RouteCase{0xFF, "series", 1},
                                           RouteCase{1, "xy", 1}, RouteCase{2, "pie", 1},
                                           RouteCase{4, "surface", 1}, RouteCase{5, "axis", 1},
                                           RouteCase{6, "clip", 1}, RouteCase{7, "points", 1},
                                           RouteCase{0, "props", 0}, RouteCase{3, "props", 0},
                                           RouteCase{8, "props", 0}, RouteCase{0x101, "props", 0},
                                           RouteCase{0xFFFFFFFF, "props", 0}));

TEST_F(Dispatch, ChartRecordIsCopiedBackOnOkOnlyAndCancelLeavesEveryByte)
{
    for (uint32_t code : {1u, 2u, 4u, 5u}) {
        Recorder rec;
        int element = 0;
        ChartRecord host = PatternRecord<ChartRecord>(7);
        std::memset(&host, 1, 1);
        const ChartRecord before = host;
        HostList list = HostList::Pointers({&element, &element});
        GEEdtParams p{&host, list.get(), nullptr, code, nullptr};

        RunModal([&] { return DispatchGEEdt(&p, rec.registry, rec.prepare); }, Cancel);
        EXPECT_EQ(std::memcmp(&host, &before, sizeof host), 0) << "code " << code;

        HostList again = HostList::Pointers({&element, &element});
        p.context = again.get();
        EXPECT_EQ(RunModal([&] { return DispatchGEEdt(&p, rec.registry, rec.prepare); }, Accept), 1);
        EXPECT_EQ(reinterpret_cast<const uint8_t*>(&host)[0], 0xAB) << "code " << code;
        EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&host) + 16,
                              reinterpret_cast<const char*>(&before) + 16, sizeof host - 16),
                  0);
        EXPECT_NE(rec.chart.record, &host) << "the dialog must never see the host's memory as its record";
    }
}

TEST_F(Dispatch, SystemPropertiesReturnZeroButStoreTheRecordOnOk)
{
    Recorder rec;
    HotkeyTable hotkeys{};
    SystemSettings host = PatternRecord<SystemSettings>(9);
    host.hotkey_table = &hotkeys;
    const SystemSettings before = host;
    GEEdtParams p{&host, nullptr, nullptr, 3, nullptr};

    EXPECT_EQ(RunModal([&] { return DispatchGEEdt(&p, rec.registry, rec.prepare); }, Cancel), 0);
    EXPECT_EQ(std::memcmp(&host, &before, sizeof host), 0);
    EXPECT_EQ(RunModal([&] { return DispatchGEEdt(&p, rec.registry, rec.prepare); }, Accept), 0);
    EXPECT_NE(std::memcmp(&host, &before, sizeof host), 0);
    EXPECT_EQ(rec.props.hotkeyTable, &hotkeys);
}

TEST_F(Dispatch, XYChartTakesTheDrawingContextOffTheListAndHandsTheList)
{
    Recorder rec;
    int a = 0, b = 0, context = 0;
    ChartRecord chart{};
    std::memset(&chart, 1, 1);
    HostList list = HostList::Pointers({&a, &b, &context});
    GEEdtParams p{&chart, list.get(), nullptr, 1, nullptr};
    RunModal([&] { return DispatchGEEdt(&p, rec.registry, rec.prepare); }, Cancel);
    EXPECT_EQ(rec.chart.element, &context);
    EXPECT_EQ(rec.chart.seriesList, list.get());
    EXPECT_EQ(rec.chart.object3d, nullptr);
    EXPECT_EQ(list.PointersNow(), (std::vector<void*>{&a, &b}));
}

TEST_F(Dispatch, ThreeDChartHandsTheNewLastElementAndItsSeriesListAndKeepsItListed)
{
    Recorder rec;
    HostList series;
    Host3DObject object3d{};
    object3d.series_list = series.get();
    int context = 0;
    ChartRecord chart{};
    std::memset(&chart, 6, 1);
    HostList list = HostList::Pointers({&object3d, &context});
    GEEdtParams p{&chart, list.get(), nullptr, 1, nullptr};
    RunModal([&] { return DispatchGEEdt(&p, rec.registry, rec.prepare); }, Cancel);
    EXPECT_EQ(rec.chart.element, &context);
    EXPECT_EQ(rec.chart.object3d, &object3d);
    EXPECT_EQ(rec.chart.seriesList, series.get());
    EXPECT_EQ(list.PointersNow(), (std::vector<void*>{&object3d}));
}

TEST_F(Dispatch, SurfaceAndTimeSeriesHandTheLastElement)
{
    Recorder rec;
    int s1 = 0, surface = 0, selection = 0, nextId = 0, magnets = 0;
    ChartRecord chart{};
    HostList list = HostList::Pointers({&s1, &surface});
    GEEdtParams p{&chart, list.get(), nullptr, 4, nullptr};
    RunModal([&] { return DispatchGEEdt(&p, rec.registry, rec.prepare); }, Cancel);
    EXPECT_EQ(rec.chart.element, &surface);
    EXPECT_EQ(list.PointersNow().size(), 2u) << "the surface sheet leaves the list alone";

    HostList series = HostList::Pointers({&s1, &magnets});
    GEEdtParams q{&selection, series.get(), nullptr, 0xFF, &nextId};
    RunModal([&] { return DispatchGEEdt(&q, rec.registry, rec.prepare); }, Cancel);
    EXPECT_EQ(rec.series.magnetRecord, &magnets);
    EXPECT_EQ(rec.series.selection, &selection);
    EXPECT_EQ(rec.series.nextId, &nextId);
    EXPECT_EQ(rec.series.list, series.get());
    EXPECT_EQ(series.PointersNow(), (std::vector<void*>{&s1}));
}

TEST_F(Dispatch, BrokenPreconditionsReturnZeroBeforeAnyDialog)
{
    Recorder rec;
    ChartRecord kind1{}, kind6{};
    std::memset(&kind1, 1, 1);
    std::memset(&kind6, 6, 1);
    int one = 0;
    HostList empty;
    HostList single = HostList::Pointers({&one});
    const GEEdtParams cases[] = {
        {nullptr, single.get(), nullptr, 1, nullptr},  // no record
        {&kind1, nullptr, nullptr, 1, nullptr},        // no list
        {&kind1, empty.get(), nullptr, 1, nullptr},    // empty list
        {&kind6, single.get(), nullptr, 1, nullptr},   // a 3-D chart needs two elements
        {nullptr, nullptr, nullptr, 2, nullptr},        {nullptr, single.get(), nullptr, 4, nullptr},
        {&kind1, empty.get(), nullptr, 4, nullptr},     {nullptr, nullptr, nullptr, 5, nullptr},
        {nullptr, empty.get(), nullptr, 0xFF, nullptr}, {nullptr, nullptr, nullptr, 3, nullptr},
    };
    for (const GEEdtParams& p : cases) {
        EXPECT_EQ(DispatchGEEdt(&p, rec.registry, rec.prepare), 0) << "code " << p.code;
    }
    EXPECT_EQ(DispatchGEEdt(nullptr, rec.registry, rec.prepare), 0);
    EXPECT_EQ(rec.ran, "");
    EXPECT_EQ(rec.prepared, 0);
    EXPECT_EQ(single.PointersNow().size(), 1u) << "a refused call leaves the list as it was";
}

TEST_F(Dispatch, EmptySlotOrRefusedUiGivesZeroWithoutDialog)
{
    DialogRegistry empty;
    ChartRecord chart{};
    GEEdtParams p{&chart, nullptr, nullptr, 5, nullptr};
    EXPECT_EQ(DispatchGEEdt(&p, empty, [] { return true; }), 0);
    Recorder rec;
    EXPECT_EQ(DispatchGEEdt(&p, rec.registry, [] { return false; }), 0);
    EXPECT_EQ(rec.ran, "");
}
