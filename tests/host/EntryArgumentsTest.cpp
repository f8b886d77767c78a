// The Set Strings, Flood Fill and Magnets entry points: index arithmetic of the host arrays, value
// lists refilled on OK only, seeds and traced paths handed back, the current magnet cleared.
#include "host/Dispatch.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"

#include <QDialog>

#include <gtest/gtest.h>

#include <cstring>

using namespace ov;
using namespace ovtest;

namespace {

int RunBareDialog(QWidget* parent)
{
    QDialog dialog(parent);
    return dialog.exec() == QDialog::Accepted ? kDialogOk : kDialogCancel;
}

const UiPreparer kReady = [] { return true; };

class EntryArguments : public ::testing::Test {
protected:
    void SetUp() override { EnsureTestApplication(); }
};

}  // namespace

TEST_F(EntryArguments, SetStringsPicksTheIndexedChoiceListAndPlacement)
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
    EXPECT_EQ(reinterpret_cast<char*>(&p.choice_lists[2]) - reinterpret_cast<char*>(lists),
              2 * sizeof(OvHostList));
    EXPECT_EQ(reinterpret_cast<char*>(&p.placements[2]) - reinterpret_cast<char*>(placements),
              2 * sizeof(DialogPlacement));

    DialogRegistry registry;
    SetStringsSetup seen;
    registry.setStrings = [&](SetStringsCall& c) {
        seen = c.setup;
        return RunBareDialog(c.parent);
    };
    RunModal([&] { return DispatchGSS(u"Size", &p, registry, kReady); }, Cancel);
    EXPECT_EQ(seen.title, u"Size");
    EXPECT_EQ(seen.labels, (std::vector<std::u16string>{u"Width", u"Height"}));
    EXPECT_EQ(seen.values, (std::vector<std::u16string>{u"1", u"2"}));
    ASSERT_EQ(seen.choiceLists.size(), 2u);
    EXPECT_FALSE(seen.choiceLists[0].has_value());
    EXPECT_EQ(seen.choiceLists[1], (std::vector<std::u16string>{u"mm", u"in"}));
    ASSERT_TRUE(seen.placement.has_value());
    EXPECT_EQ(seen.placement->mode, 3);
    EXPECT_EQ(seen.placement->x, 30);
    EXPECT_EQ(seen.placement->y, 31);
    for (OvHostList& l : lists) ov_list_init(&l);  // the copies share nodes with `perRow`
}

TEST_F(EntryArguments, SetStringsWithoutArraysHasNoChoicesAndNoPlacement)
{
    HostList labels = HostList::Strings({u"Name"});
    HostList values = HostList::Strings({u"x"});
    GSSParams p{labels.get(), values.get(), nullptr, nullptr, 0};
    DialogRegistry registry;
    SetStringsSetup seen;
    registry.setStrings = [&](SetStringsCall& c) {
        seen = c.setup;
        return RunBareDialog(c.parent);
    };
    RunModal([&] { return DispatchGSS(nullptr, &p, registry, kReady); }, Cancel);
    EXPECT_TRUE(seen.choiceLists.empty());
    EXPECT_FALSE(seen.placement.has_value());
    EXPECT_EQ(seen.title, u"");
}

TEST_F(EntryArguments, SetStringsRefillsTheValueListOnOkOnly)
{
    HostList labels = HostList::Strings({u"A", u"B"});
    HostList values = HostList::Strings({u"1", u"2"});
    GSSParams p{labels.get(), values.get(), nullptr, nullptr, 0};
    DialogRegistry registry;
    registry.setStrings = [&](SetStringsCall& c) {
        c.setup.values = {u"10", u"20", u"30"};
        return RunBareDialog(c.parent);
    };
    const auto nodesBefore = values.get()->head;
    EXPECT_EQ(RunModal([&] { return DispatchGSS(u"t", &p, registry, kReady); }, Cancel), 0);
    EXPECT_EQ(values.StringsNow(), (std::vector<std::u16string>{u"1", u"2"}));
    EXPECT_EQ(values.get()->head, nodesBefore) << "cancel must not even rebuild the list";
    EXPECT_EQ(RunModal([&] { return DispatchGSS(u"t", &p, registry, kReady); }, Accept), 1);
    EXPECT_EQ(values.StringsNow(), (std::vector<std::u16string>{u"10", u"20", u"30"}));
}

TEST_F(EntryArguments, SetStringsRefusesMissingListsAndNegativeIndex)
{
    HostList labels = HostList::Strings({u"A"});
    HostList values = HostList::Strings({u"1"});
    DialogPlacement placement{};
    DialogRegistry registry;
    bool opened = false;
    registry.setStrings = [&](SetStringsCall&) { return opened = true, kDialogOk; };
    GSSParams noLabels{nullptr, values.get(), nullptr, nullptr, 0};
    GSSParams noValues{labels.get(), nullptr, nullptr, nullptr, 0};
    GSSParams negative{labels.get(), values.get(), nullptr, &placement, -1};
    EXPECT_EQ(DispatchGSS(u"t", nullptr, registry, kReady), 0);
    EXPECT_EQ(DispatchGSS(u"t", &noLabels, registry, kReady), 0);
    EXPECT_EQ(DispatchGSS(u"t", &noValues, registry, kReady), 0);
    EXPECT_EQ(DispatchGSS(u"t", &negative, registry, kReady), 0);
    EXPECT_FALSE(opened);
}

namespace {

OvPath* SquarePath()
{
    OvPath* path = ov_path_create(OV_FILL_ALTERNATE);
    const OvPointF square[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    ov_path_add_polygon(path, square, 4);
    return path;
}

}  // namespace

TEST_F(EntryArguments, PathHandOverAllocatesReusesAndReleases)
{
    std::unique_ptr<OvPath, void (*)(OvPath*)> path(SquarePath(), ov_path_destroy);

    OvPathData empty{0, nullptr, nullptr};
    ASSERT_TRUE(HandOverPath(path.get(), empty));
    ASSERT_EQ(empty.count, 4);
    EXPECT_EQ(empty.points[2].x, 4.0f);
    EXPECT_EQ(empty.types[0], OV_PATH_START);
    EXPECT_EQ(empty.types[3], OV_PATH_LINE | OV_PATH_CLOSE);

    // Arrays at least as large are reused, not reallocated.
    OvPathData large{10, static_cast<OvPointF*>(std::malloc(10 * sizeof(OvPointF))),
                     static_cast<uint8_t*>(std::malloc(10))};
    OvPointF* const reused = large.points;
    ASSERT_TRUE(HandOverPath(path.get(), large));
    EXPECT_EQ(large.points, reused);
    EXPECT_EQ(large.count, 4);

    // Arrays too small are released and replaced.
    OvPathData small{2, static_cast<OvPointF*>(std::malloc(2 * sizeof(OvPointF))),
                     static_cast<uint8_t*>(std::malloc(2))};
    ASSERT_TRUE(HandOverPath(path.get(), small));
    EXPECT_EQ(small.count, 4);

    // An empty path leaves the host with nothing.
    std::unique_ptr<OvPath, void (*)(OvPath*)> none(ov_path_create(OV_FILL_ALTERNATE), ov_path_destroy);
    ASSERT_TRUE(HandOverPath(none.get(), large));
    EXPECT_EQ(large.count, 0);
    EXPECT_EQ(large.points, nullptr);
    EXPECT_EQ(large.types, nullptr);
    for (OvPathData* d : {&empty, &small}) std::free(d->points), std::free(d->types);
}

TEST_F(EntryArguments, FloodFillHandsBackSeedAndOutlineOnOkOnly)
{
    DialogRegistry registry;
    registry.floodFill = [](FloodFillCall& c) {
        c.seedX *= 100;
        c.seedY *= 50;
        const OvPointF tri[] = {{0, 0}, {1, 0}, {0, 1}};
        ov_path_add_polygon(c.outline, tri, 3);
        return RunBareDialog(c.parent);
    };
    float x = 0.5f, y = 0.25f;
    OvPathData data{0, nullptr, nullptr};
    EXPECT_EQ(RunModal([&] { return DispatchDFF(u"/tmp/a.png", &x, &y, &data, registry, kReady); }, Cancel),
              0);
    EXPECT_EQ(x, 0.5f);
    EXPECT_EQ(data.count, 0);
    EXPECT_EQ(RunModal([&] { return DispatchDFF(u"/tmp/a.png", &x, &y, &data, registry, kReady); }, Accept),
              1);
    EXPECT_EQ(x, 50.0f);
    EXPECT_EQ(y, 12.5f);
    EXPECT_EQ(data.count, 3);
    std::free(data.points);
    std::free(data.types);
    EXPECT_EQ(DispatchDFF(u"p", &x, &y, nullptr, registry, kReady), 0);
    EXPECT_EQ(DispatchDFF(nullptr, &x, &y, &data, registry, kReady), 0);
}

TEST_F(EntryArguments, MagnetsClearTheCurrentMagnetBeforeAndAfter)
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
    EXPECT_EQ(RunModal([&] { return DispatchGMagnet(nullptr, &record, registry, kReady); }, Accept), 1);
    EXPECT_EQ(seenCurrent, nullptr);
    EXPECT_EQ(record.current_magnet, nullptr);
    EXPECT_EQ(DispatchGMagnet(nullptr, nullptr, registry, kReady), 0);
}
