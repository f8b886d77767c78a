// Segment chains: building from path data, cleaning, joining, moving, drawing and dividing, with
// the chain's links checked for consistent prev/next pointers after every edit.
#include "paths/BezierCubic.h"
#include "paths/COvSeg.h"
#include "paths/PathChains.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace ov {
namespace {

using Pts = std::vector<OvPointF>;
using Types = std::vector<uint8_t>;

std::vector<uint8_t> KindsOf(const COvSeg& head)
{
    std::vector<uint8_t> kinds;
    for (const COvSeg* s = &head; s; s = s->next.get()) kinds.push_back(s->kind);
    return kinds;
}

// Every link's next points back to it, and the head has no predecessor.
void ExpectLinked(const COvSeg& head)
{
    EXPECT_EQ(head.prev, nullptr);
    for (const COvSeg* s = &head; s->next; s = s->next.get()) EXPECT_EQ(s->next->prev, s);
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

TEST(FromPathData, LineBezierLineGivesKinds121AndTheTerminalLinkAndRoundTrips)
{
    const Pts pts{{0, 0}, {10, 0}, {12, 4}, {18, 4}, {20, 0}, {30, 0}};
    COvSeg& head = Build(pts, {0, 1, 3, 3, 3, 1});
    EXPECT_EQ(KindsOf(head), (std::vector<uint8_t>{1, 2, 1, 1}));
    ExpectLinked(head);
    const COvSeg& bezier = *head.next;
    ASSERT_EQ(bezier.points.size(), 3u);
    ExpectAt(bezier.points[0], 10, 0);
    ExpectAt(bezier.points[2], 18, 4);
    const Pts cps = bezier.ControlPoints();
    ASSERT_EQ(cps.size(), 4u);
    ExpectAt(cps[3], 20, 0);
    ASSERT_EQ(head.Last()->points.size(), 1u);
    ExpectAt(head.Last()->points[0], 30, 0);
    EXPECT_EQ(head.AllPoints().size(), pts.size());
    // Back to path data, to the drawn path and to the hull.
    PathObject out;
    head.ToPath(out);
    EXPECT_EQ(out.Types(), (Types{0, 1, 3, 3, 3, 1}));
    EXPECT_EQ(out.Points().size(), pts.size());
    EXPECT_EQ(head.drawPath.Types(), out.Types());
    EXPECT_EQ(head.hullPath.Types(), (Types{0, 1, 1, 1, 1, 1}));
}

TEST(FromPathData, AClosingLinkIsAddedOnlyBeyondATenthOfAThousandth)
{
    for (const float g : {0.0005f, 0.002f}) {
        COvSeg& head = Build({{0, 0}, {10, 0}, {10, 10}, {g, 0}}, {0, 1, 1, 1 | OV_PATH_CLOSE}, true);
        EXPECT_EQ(KindsOf(head).size(), g < 0.001f ? 4u : 5u);
        ExpectAt(head.Last()->points[0], g < 0.001f ? g : 0, 0);
    }
}

TEST(FromPathData, StopsWhereAStepRunsPastTheEnd)
{
    // The Bézier step at index 2 needs three points but only two remain.
    COvSeg& head = Build({{0, 0}, {5, 0}, {6, 1}, {7, 1}}, {0, 1, 3, 3});
    EXPECT_EQ(KindsOf(head), (std::vector<uint8_t>{1, 1}));
    ExpectAt(head.Last()->points[0], 5, 0);
    COvSeg lone;
    EXPECT_FALSE(lone.FromPathData(Pts{{1, 1}}.data(), Types{0}.data(), 1, false));
    EXPECT_FALSE(lone.FromPathData(Pts{{1, 1}, {2, 2}}.data(), Types{0, 0}.data(), 2, false));
    EXPECT_TRUE(lone.points.empty());
}

TEST(RemoveShort, DropsALinkOfChord0009ButSparesTheHead)
{
    // Head of chord 0.0009, then a link of chord 0.0009, then a long one.
    COvSeg& head = Build({{0, 0}, {0.0009f, 0}, {0.0018f, 0}, {10, 0}}, {0, 1, 1, 1});
    ASSERT_EQ(KindsOf(head).size(), 4u);
    head.RemoveShort(0.001);
    EXPECT_EQ(KindsOf(head).size(), 3u);
    ExpectAt(head.points[0], 0, 0);
    ExpectAt(head.next->points[0], 0.0018f, 0);
    ExpectLinked(head);
    head.RemoveShort(0.0009);  // strictly below: a chord equal to the tolerance stays
    EXPECT_EQ(KindsOf(head).size(), 3u);
}

TEST(JoinTiny, RemovesAOnePointLinkAtTheJunctionAndRelinks)
{
    COvSeg& head = Build({{0, 0}, {10, 0}, {10.0004f, 0}, {20, 0}}, {0, 1, 1, 1});
    COvSeg* after = head.next->next.get();
    after->JoinTiny(0.001);
    EXPECT_EQ(KindsOf(head).size(), 3u);
    EXPECT_EQ(head.next.get(), after);
    ExpectLinked(head);
    head.next->JoinTiny(0.001);  // its predecessor is the head, which has none: kept
    EXPECT_EQ(KindsOf(head).size(), 3u);
}

TEST(ChainEdits, InsertAfterAndClearPointsKeepTheLinksConsistent)
{
    COvSeg& head = Build({{0, 0}, {10, 0}, {20, 0}}, {0, 1, 1});
    head.figureId = 7;
    COvSeg* added = head.InsertAfter(kSegArc);
    EXPECT_EQ(added->figureId, 7);
    EXPECT_EQ(added->kind, kSegArc);
    ExpectLinked(head);
    added->points = {{1, 1}, {2, 2}, {3, 3}};
    added->ClearPoints(1);
    EXPECT_EQ(added->points.size(), 1u);
    added->ClearPoints(5);
    EXPECT_EQ(added->points.size(), 1u);
}

TEST(ChainEdits, TranslateAfterAPointAndScaleRoundTrip)
{
    COvSeg& head = Build({{0, 0}, {10, 0}, {20, 0}}, {0, 1, 1});
    head.Translate(1, 2, &head.next->points[0]);
    const Pts moved = head.AllPoints();
    ExpectAt(moved[0], 0, 0);
    ExpectAt(moved[1], 10, 0);
    ExpectAt(moved[2], 21, 2);
    head.Scale(5, 5, 4, 0.5f);
    head.Scale(5, 5, 0.25f, 2);
    const Pts back = head.AllPoints();
    for (size_t i = 0; i < moved.size(); ++i) ExpectAt(back[i], moved[i].x, moved[i].y);
}

Types DrawnKinds(uint8_t kind, const Pts& own, OvPointF end)
{
    COvSeg head;
    head.kind = kind;
    head.points = own;
    head.InsertAfter(kSegLine)->points = {end};
    PathObject out;
    head.ToPath(out);
    Types kinds;
    for (const uint8_t t : out.Types()) kinds.push_back(t & OV_PATH_TYPE_MASK);
    return kinds;
}

TEST(ToPath, EachKindDrawsAsDocumented)
{
    // Collinear arc points fall back to a polyline; a real arc becomes Bézier pieces.
    EXPECT_EQ(DrawnKinds(kSegArc, {{0, 0}, {5, 0}}, {10, 0}), (Types{0, 1, 1}));
    EXPECT_EQ(DrawnKinds(kSegArc, {{0, 0}, {5, 5}}, {10, 0}), (Types{0, 3, 3, 3, 3, 3, 3}));
    // A Bézier link without a complete set of control points is a polyline.
    EXPECT_EQ(DrawnKinds(kSegBezier, {{0, 0}, {5, 5}}, {10, 0}), (Types{0, 1, 1}));
    EXPECT_EQ(DrawnKinds(kSegBezierAlt, {{0, 0}, {3, 5}, {6, 5}}, {10, 0}), (Types{0, 3, 3, 3}));
    EXPECT_EQ(DrawnKinds(kSegCardinal, {{0, 0}, {5, 5}}, {10, 0}), (Types{0, 3, 3, 3, 3, 3, 3}));
}

TEST(ToPath, ArcThroughThreePointsEndsOnThem)
{
    COvSeg head;
    head.kind = kSegArc;
    head.points = {{10, 0}, {0, 10}};
    head.InsertAfter(kSegLine)->points = {{-10, 0}};
    PathObject out;
    head.ToPath(out);
    ExpectAt(out.Points().front(), 10, 0, 1e-4);
    ExpectAt(out.Points().back(), -10, 0, 1e-4);
    EXPECT_TRUE(out.IsOutlineVisible(0, 10, 1));
}

TEST(Divide, SmoothBezierRunIsSpacedEvenlyByLength)
{
    // Two tangent-continuous cubics on one straight line, with uneven parameter speed.
    COvSeg& head = Build({{0, 0}, {1, 0}, {2, 0}, {10, 0}, {11, 0}, {19, 0}, {20, 0}}, {0, 3, 3, 3, 3, 3, 3});
    const Pts pts = head.Divide(10, 1.0);
    ASSERT_EQ(pts.size(), 11u);
    for (int k = 0; k <= 10; ++k) ExpectAt(pts[k], 2.0f * k, 0, 1e-3);
}

TEST(Divide, BrokenTangentStartsANewRun)
{
    COvSeg& head = Build({{0, 0}, {3, 3}, {7, 3}, {10, 0}, {13, 3}, {17, 3}, {20, 0}}, {0, 3, 3, 3, 3, 3, 3});
    const Pts pts = head.Divide(2, 1.0);
    ASSERT_EQ(pts.size(), 6u);  // two runs, each with both ends
    ExpectAt(pts[2], 10, 0);
    ExpectAt(pts[3], 10, 0);
}

TEST(Divide, FractionsStayInOrderForExtremeBias)
{
    for (const double bias : {1e-9, 0.5, 2.0, 1e9, double(NAN), -3.0}) {
        const auto f = DivisionFractions(50, bias);
        ASSERT_EQ(f.size(), 51u);
        EXPECT_EQ(f.front(), 0.0);
        EXPECT_EQ(f.back(), 1.0);
        for (size_t k = 1; k < f.size(); ++k) EXPECT_GE(f[k], f[k - 1]) << bias;
    }
    EXPECT_EQ(DivisionFractions(0, 1).size(), 2u);
}

TEST(IsNearlyStraight, BezierChainsNearTheirChordOnly)
{
    COvSeg& flat = Build({{0, 0}, {3, 0.1f}, {6, 0.1f}, {9, 0}}, {0, 3, 3, 3});
    const auto ends = flat.IsNearlyStraight(10, 1);
    ASSERT_TRUE(ends);
    ExpectAt(ends->second, 9, 0);
    EXPECT_FALSE(flat.IsNearlyStraight(5, 1));  // too long
    COvSeg& bent = Build({{0, 0}, {3, 4}, {6, 4}, {9, 0}}, {0, 3, 3, 3});
    EXPECT_FALSE(bent.IsNearlyStraight(100, 1));
    COvSeg& line = Build({{0, 0}, {9, 0}}, {0, 1});
    EXPECT_FALSE(line.IsNearlyStraight(100, 1));
}

TEST(AppendChains, CutsFiguresAndNumbersThemRunningOn)
{
    const Pts pts{{0, 0}, {10, 0}, {10, 10}, {20, 0}, {30, 0}, {40, 0}, {40, 10}};
    const Types types{0, 1, 1 | OV_PATH_CLOSE, 0, 1, 0, 1 | OV_PATH_CLOSE};
    ChainSet set;
    int32_t figure = 5;
    AppendChains(pts.data(), types.data(), int32_t(pts.size()), figure, set);
    ASSERT_EQ(set.chains.size(), 3u);
    EXPECT_EQ(figure, 8);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(set.chains[i]->figureId, 5 + i);
    ASSERT_EQ(set.closedPairs.size(), 3u);
    EXPECT_EQ(set.closedPairs[0].second, set.chains[0]->Last());
    // The closed path's first figure gets its closing link back to (0, 0).
    ExpectAt(set.chains[0]->Last()->points[0], 0, 0);
}

TEST(AppendChains, ThousandsOfFiguresAndLongChainsAreCheap)
{
    Pts pts;
    Types types;
    for (int i = 0; i < 5000; ++i) {
        pts.insert(pts.end(), {{float(i), 0}, {float(i), 5}});
        types.insert(types.end(), {0, 1});
    }
    for (int i = 0; i < 200000; ++i) {
        pts.push_back({float(i % 2), float(i)});
        types.push_back(i == 0 ? 0 : 1);
    }
    ChainSet set;
    int32_t figure = 0;
    AppendChains(pts.data(), types.data(), int32_t(pts.size()), figure, set);
    EXPECT_EQ(set.chains.size(), 5001u);
    EXPECT_EQ(set.chains.back()->AllPoints().size(), 200000u);
}  // the 200,000-link chain is destroyed here without deep recursion

struct HostileCase {
    const char* name;
    Pts pts;
    Types types;
};

class HostileData : public ::testing::TestWithParam<HostileCase> {};

// Whatever the data, chains come out consistent, hold only input points, and divide and draw.
TEST_P(HostileData, GivesDefinedChains)
{
    const auto& k = GetParam();
    ChainSet set;
    int32_t figure = 0;
    AppendChains(k.pts.data(), k.types.data(), int32_t(k.pts.size()), figure, set);
    for (auto& head : set.chains) {
        ExpectLinked(*head);
        EXPECT_GE(head->AllPoints().size(), 2u) << k.name;
        for (const int divisions : {1, 7}) (void)head->Divide(divisions, 1.5);
        PathObject out;
        head->ToPath(out);
        EXPECT_GE(out.PointCount(), 2) << k.name;
    }
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, HostileData,
    ::testing::Values(
        HostileCase{"NaN points", {{kNaN, 0}, {1, kNaN}, {2, 2}, {3, 3}}, {0, 3, 3, 3}},
        HostileCase{
            "infinite points", {{0, 0}, {kInf, 0}, {-kInf, 1}, {5, 5}, {kInf, kInf}}, {0, 3, 3, 3, 0x81}},
        HostileCase{"unknown types 2 and 7", {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}, {0, 2, 2, 7, 7}},
        HostileCase{"flag bits 0x10 and 0x20", {{0, 0}, {1, 1}, {2, 2}}, {0x20, 0x11, 0x91}},
        HostileCase{"all starts", {{0, 0}, {1, 1}, {2, 2}}, {0, 0, 0}},
        HostileCase{"zero-length Béziers", {{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}}, {0, 3, 3, 3, 1}},
        HostileCase{"empty", {}, {}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace
}  // namespace ov
