// Segment chains: building from path data, cleaning, joining, moving and dividing, with the chain's
// links checked for consistent prev/next pointers after every edit. Hostile path data
// (non-finite points, unknown types, steps past the end) replays from the chain fuzzer's corpus.
#include "paths/BezierCubic.h"
#include "paths/COvSeg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <vector>

namespace ov {
namespace {

using Pts = std::vector<OvPointF>;
using Types = std::vector<uint8_t>;

// The chain as "kind: points | kind: points ..."; checks on the way that every link's next points
// back at it and the head has no predecessor.
std::string ChainText(const COvSeg& head)
{
    EXPECT_EQ(head.prev, nullptr);
    std::ostringstream text;
    for (const COvSeg* s = &head; s; s = s->next.get()) {
        if (s->next) {
            EXPECT_EQ(s->next->prev, s);
        }
        text << (s == &head ? "" : " | ") << int(s->kind) << ":";
        for (const OvPointF p : s->points) text << " " << p.x << "," << p.y;
    }
    return text.str();
}

void ExpectAt(OvPointF p, float x, float y, double tol = 1e-5)
{
    EXPECT_NEAR(p.x, x, tol);
    EXPECT_NEAR(p.y, y, tol);
}

// Links point back at their predecessor, so a chain lives on the heap; the test program keeps it.
COvSeg& Build(const Pts& pts, const Types& types, bool closed = false)
{
    static std::vector<std::unique_ptr<COvSeg>> kept;
    COvSeg& head = *kept.emplace_back(std::make_unique<COvSeg>());
    head.FromPathData(pts.data(), types.data(), static_cast<int32_t>(pts.size()), closed);
    return head;
}

TEST(FromPathData, LinksOfEachKindEndInATerminalLink)
{
    const struct {
        Pts pts;
        Types types;
        bool closed;
        const char* chain;
    } rows[] = {
        {{{0, 0}, {10, 0}, {12, 4}, {18, 4}, {20, 0}, {30, 0}},
         {0, 1, 3, 3, 3, 1},
         false,
         "1: 0,0 | 2: 10,0 12,4 18,4 | 1: 20,0 | 1: 30,0"},
        // a closing link only beyond a thousandth
        {{{0, 0}, {10, 0}, {10, 10}, {0.0005f, 0}},
         {0, 1, 1, 1 | OV_PATH_CLOSE},
         true,
         "1: 0,0 | 1: 10,0 | 1: 10,10 | 1: 0.0005,0"},
        {{{0, 0}, {10, 0}, {10, 10}, {0.002f, 0}},
         {0, 1, 1, 1 | OV_PATH_CLOSE},
         true,
         "1: 0,0 | 1: 10,0 | 1: 10,10 | 1: 0.002,0 | 1: 0,0"},
        // the Bézier step at index 2 needs three points but only two remain
        {{{0, 0}, {5, 0}, {6, 1}, {7, 1}}, {0, 1, 3, 3}, false, "1: 0,0 | 1: 5,0"},
    };
    for (const auto& row : rows) {
        COvSeg& head = Build(row.pts, row.types, row.closed);
        EXPECT_EQ(ChainText(head), row.chain);
    }
    COvSeg lone;
    EXPECT_FALSE(lone.FromPathData(Pts{{1, 1}}.data(), Types{0}.data(), 1, false));
    EXPECT_FALSE(lone.FromPathData(Pts{{1, 1}, {2, 2}}.data(), Types{0, 0}.data(), 2, false));
    EXPECT_FALSE(lone.FromPathData(Pts{{1, 1}, {2, 2}}.data(), nullptr, 2, false));
}

TEST(ChainEdits, ShortAndTinyLinksGoAndEditsKeepTheLinks)
{
    // Strictly below the tolerance goes, but never the head.
    COvSeg& shorts = Build({{0, 5}, {0.0009f, 5}, {0.0018f, 5}, {10, 5}}, {0, 1, 1, 1});
    shorts.RemoveShort(0.001);
    EXPECT_EQ(ChainText(shorts), "1: 0,5 | 1: 0.0018,5 | 1: 10,5");
    shorts.RemoveShort(0.0009);
    EXPECT_EQ(ChainText(shorts), "1: 0,5 | 1: 0.0018,5 | 1: 10,5");
    // A one-point link before the junction goes when closer than the tolerance, unless it is the
    // head or holds more points.
    COvSeg& tiny = Build({{0, 5}, {10, 5}, {10.0004f, 5}, {20, 5}}, {0, 1, 1, 1});
    tiny.next->next->JoinTiny(double(10.0004f) - 10.0);
    tiny.next->points.push_back({10, 6});
    tiny.next->next->JoinTiny(0.001);
    EXPECT_EQ(ChainText(tiny), "1: 0,5 | 1: 10,5 10,6 | 1: 10.0004,5 | 1: 20,5");
    tiny.next->points.pop_back();
    tiny.next->next->JoinTiny(0.001);
    EXPECT_EQ(ChainText(tiny), "1: 0,5 | 1: 10.0004,5 | 1: 20,5");
    tiny.next->JoinTiny(0.001);
    EXPECT_EQ(ChainText(tiny), "1: 0,5 | 1: 10.0004,5 | 1: 20,5");
    tiny.figureId = 7;
    COvSeg* added = tiny.InsertAfter(kSegArc);
    EXPECT_EQ(added->figureId, 7);
    added->points = {{1, 1}, {2, 2}, {3, 3}};
    added->ClearPoints(1);
    EXPECT_EQ(ChainText(tiny), "1: 0,5 | 3: 1,1 | 1: 10.0004,5 | 1: 20,5");

    COvSeg& line = Build({{0, 0}, {10, 0}, {20, 0}}, {0, 1, 1});
    line.Translate(1, 2, &line.next->points[0]);
    EXPECT_EQ(ChainText(line), "1: 0,0 | 1: 10,0 | 1: 21,2");
    line.Scale(5, 5, 4, 0.5f);
    line.Scale(5, 5, 0.25f, 2);
    const Pts back = line.AllPoints();
    ExpectAt(back[2], 21, 2);
    ExpectAt(back[1], 10, 0);
    // A chain of 200,000 links is built and freed without deep recursion.
    Pts many(200000);
    for (size_t i = 0; i < many.size(); ++i) many[i] = {float(i % 2), float(i)};
    Types manyTypes(many.size(), 1);
    manyTypes[0] = 0;
    COvSeg longChain;
    ASSERT_TRUE(longChain.FromPathData(many.data(), manyTypes.data(), int32_t(many.size()), false));
    EXPECT_EQ(longChain.AllPoints().size(), 200000u);
}

TEST(Divide, RunsKeepTheirEndsAndSmoothRunsAreSpacedEvenlyByLength)
{
    // Two tangent-continuous cubics on one straight line, with uneven parameter speed.
    COvSeg& smooth =
        Build({{0, 0}, {1, 0}, {2, 0}, {10, 0}, {11, 0}, {19, 0}, {20, 0}}, {0, 3, 3, 3, 3, 3, 3});
    const Pts even = smooth.Divide(10, 1.0);
    ASSERT_EQ(even.size(), 11u);
    for (int k = 0; k <= 10; ++k) ExpectAt(even[k], 2.0f * k, 0, 1e-3);
    // A broken tangent starts a new run; each run keeps both ends.
    COvSeg& broken =
        Build({{0, 0}, {3, 3}, {7, 3}, {10, 0}, {13, 3}, {17, 3}, {20, 0}}, {0, 3, 3, 3, 3, 3, 3});
    const Pts runs = broken.Divide(2, 1.0);
    ASSERT_EQ(runs.size(), 6u);
    for (const size_t i : {0, 2, 3, 5}) ExpectAt(runs[i], i < 2 ? 0 : i == 5 ? 20 : 10, 0);
}

}  // namespace
}  // namespace ov
