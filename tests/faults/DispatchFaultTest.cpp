// The dispatch out of memory on its way back after OK: every failing allocation gives result 0 with
// the host's value list, seed and path data exactly as they were (as Cancel does); the first call that
// has memory enough hands over the complete result, into the host's own arrays when they are large
// enough.
#include "host/Dispatch.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

using namespace ov;
using namespace ovtest;

namespace {

// What a host keeps of its value list: the list block (head, tail, count) and every string's text.
std::pair<std::vector<unsigned char>, std::vector<std::u16string>> Snapshot(HostList& list)
{
    const auto* block = reinterpret_cast<const unsigned char*>(list.get());
    return {{block, block + sizeof(OvHostList)}, list.StringsNow()};
}

class DispatchOutOfMemory : public ::testing::Test {
protected:
    void SetUp() override { EnsureTestApplication(); }
    void TearDown() override { FailHostAllocationForTesting(0); }
};

}  // namespace

TEST_F(DispatchOutOfMemory, SetStringsKeepsTheHostsValueListUntilTheNewOneIsComplete)
{
    HostList labels = HostList::Strings({u"Width", u"Height", u"Depth"});
    HostList values = HostList::Strings({u"1", u"2"});
    DialogRegistry registry;
    registry.setStrings = [](SetStringsCall& c) {
        c.setup.values = {u"10", u"20", u"30"};
        return RunBareDialog(c.parent);
    };
    GSSParams p{labels.get(), values.get(), nullptr, nullptr, 0};
    // Three strings and three nodes: each of the six allocations fails once.
    for (int nth = 1; nth <= 6; ++nth) {
        const auto before = Snapshot(values);
        FailHostAllocationForTesting(nth);
        EXPECT_EQ(RunModal([&] { return DispatchGSS(u"t", &p, registry, UiAlwaysReady); }, Accept), 0) << nth;
        EXPECT_EQ(Snapshot(values), before) << "allocation " << nth;
    }
    FailHostAllocationForTesting(7);
    EXPECT_EQ(RunModal([&] { return DispatchGSS(u"t", &p, registry, UiAlwaysReady); }, Accept), 1);
    EXPECT_EQ(values.StringsNow(), (std::vector<std::u16string>{u"10", u"20", u"30"}));
}

TEST_F(DispatchOutOfMemory, FloodFillKeepsTheHostsSeedAndPathWhenTheOutlineCannotBeHandedOver)
{
    DialogRegistry registry;
    registry.floodFill = [](FloodFillCall& c) {
        c.seedX *= 100;
        c.seedY *= 100;
        const OvPointF tri[] = {{0, 0}, {1, 0}, {0, 1}};
        ov_path_add_polygon(c.outline, tri, 3);
        return RunBareDialog(c.parent);
    };
    // No arrays yet, and arrays too small for the outline (which are replaced, not reused); Cancel
    // (allocation 0) keeps them as well.
    OvPointF twoPoints[2] = {{7, 7}, {8, 8}};
    uint8_t twoTypes[2] = {1, 1};
    for (OvPathData held : {OvPathData{0, nullptr, nullptr}, OvPathData{2, twoPoints, twoTypes}}) {
        for (int nth : {0, 1, 2}) {
            float x = 0.5f, y = 0.25f;
            OvPathData data = held;
            FailHostAllocationForTesting(nth);
            EXPECT_EQ(RunModal([&] { return DispatchDFF(u"a.png", &x, &y, &data, registry, UiAlwaysReady); },
                               nth == 0 ? Cancel : Accept),
                      0);
            EXPECT_EQ(x, 0.5f);
            EXPECT_EQ(y, 0.25f);
            EXPECT_EQ(std::memcmp(&data, &held, sizeof data), 0) << "allocation " << nth;
        }
    }
    EXPECT_EQ(twoPoints[1].x, 8.0f);
    // Arrays at least as large are reused: larger ones, then the same size with no memory to spare.
    float x = 0.5f, y = 0.25f;
    OvPathData data{5, static_cast<OvPointF*>(std::malloc(5 * sizeof(OvPointF))),
                    static_cast<uint8_t*>(std::malloc(5))};
    const auto run = [&] {
        return RunModal([&] { return DispatchDFF(u"a.png", &x, &y, &data, registry, UiAlwaysReady); },
                        Accept);
    };
    OvPointF* const reused = data.points;
    for (int nth : {0, 1}) {
        FailHostAllocationForTesting(nth);
        EXPECT_EQ(run(), 1) << nth;
        EXPECT_EQ(data.points, reused);
        EXPECT_EQ(data.count, 3);
        EXPECT_EQ(data.points[2].y, 1.0f);
    }
    EXPECT_EQ(x, 5000.0f);
    // An empty outline releases the host's arrays.
    registry.floodFill = [](FloodFillCall& c) { return RunBareDialog(c.parent); };
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(data.count, 0);
    EXPECT_EQ(data.points, nullptr);
    EXPECT_EQ(data.types, nullptr);
}
