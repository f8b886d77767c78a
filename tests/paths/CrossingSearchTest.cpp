// The crossing search on small scenes: every piece lies on the curve it was cut from and pieces meet
// at crossings lying on both curves, crossings at a link's end cut at the joint, the second pass only
// tests cubics against straight links, and the visits stop at the budget of the work list.
#include "paths/BezierCubic.h"
#include "paths/BezierIntersection.h"
#include "paths/CrossingSearch.h"
#include "paths/LinkBroadPhase.h"
#include "paths/PathChains.h"
#include "paths/PathObject.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace ov {
namespace {

using Pts = std::vector<OvPointF>;

struct Scene {
    std::vector<PathObject> paths;
    void Lines(const Pts& pts) { paths.emplace_back().AddLines(pts); }
    void Cubic(const Pts& pts) { paths.emplace_back().AddBeziers(pts); }
    ChainList Chains() const
    {
        ChainSet set;
        int32_t figure = 0;
        for (const PathObject& p : paths)
            AppendChains(p.Points().data(), p.Types().data(), p.PointCount(), figure, set);
        ChainList chains;
        for (auto& c : set.chains) chains.push_back(std::move(c));
        return chains;
    }
};

ov::Cubic CubicOf(const std::vector<OvPointF>& cps)
{
    return {Vec2{cps[0].x, cps[0].y}, Vec2{cps[1].x, cps[1].y}, Vec2{cps[2].x, cps[2].y},
            Vec2{cps[3].x, cps[3].y}};
}

double DistanceToCurve(Vec2 p, const ov::Cubic& c)
{
    return Distance(BezierPoint(c, ClosestParameter(c, p, 0.0, 1.0, 2000, 1e-9)), p);
}

double DistanceToSegment(Vec2 p, Vec2 a, Vec2 b)
{
    const Vec2 ab{b.x - a.x, b.y - a.y};
    const double t =
        std::clamp(((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / (ab.x * ab.x + ab.y * ab.y), 0.0, 1.0);
    return Distance(p, {a.x + t * ab.x, a.y + t * ab.y});
}

const Pts kArch{{0, 0}, {10, 30}, {30, 30}, {40, 0}};
const Pts kWave{{-10, 15}, {10, 5}, {30, 25}, {50, 15}};
const Pts kPole{{20, -5}, {20, 40}};

TEST(CrossingSearch, PiecesOfCrossingCubicsAndALineLieOnTheirCurvesAndMeetAtTheCrossings)
{
    Scene scene;
    scene.Cubic(kArch);
    scene.Cubic(kWave);
    scene.Lines({kPole[0], kPole[1], {20.005f, 40}});  // the short last link takes no part
    ChainList chains = scene.Chains();
    std::vector<RecordedCrossing> recorded;
    const PassStats first = IntersectPass(chains, 0, recorded);
    EXPECT_EQ(first.budget, 2 * 27 + 9);
    IntersectPass(chains, 1, recorded);
    ASSERT_EQ(chains.size(), 11u);  // arch and wave cross twice and meet the pole once each
    const ov::Cubic arch = CubicOf(kArch), wave = CubicOf(kWave);
    for (const Chain& piece : chains) {
        const Vec2 s{StartOf(*piece).x, StartOf(*piece).y}, e{EndOf(*piece).x, EndOf(*piece).y};
        const auto cps = piece->ControlPoints();
        if (cps.size() == 4) {
            const ov::Cubic& from = piece->figureId == 0 ? arch : wave;
            for (int k = 0; k <= 4; ++k)
                EXPECT_LT(DistanceToCurve(BezierPoint(CubicOf(cps), k / 4.0), from), 1e-3);
        }
        // Every end is an end of the input or lies on the two curves that cross there.
        int on = 0;
        for (const Vec2 p : {s, e}) {
            const bool input = Distance(p, {0, 0}) < 1e-3 || Distance(p, {40, 0}) < 1e-3 ||
                               Distance(p, {-10, 15}) < 1e-3 || Distance(p, {50, 15}) < 1e-3 ||
                               Distance(p, {20, -5}) < 1e-3 || Distance(p, {20.005, 40}) < 1e-3;
            const int curves = (DistanceToCurve(p, arch) < 2e-3) + (DistanceToCurve(p, wave) < 2e-3) +
                               (DistanceToSegment(p, {20, -5}, {20, 40}) < 2e-3);
            on += input || curves >= 2;
        }
        EXPECT_EQ(on, 2) << s.x << "," << s.y << " " << e.x << "," << e.y;
    }
}

TEST(CrossingSearch, ACrossingNearAJointCutsAtTheJointAndNoneAtTheEndsOfAChain)
{
    Scene scene;
    scene.Lines({{0, 0}, {10, 0}, {20, 0}});
    scene.Lines({{10.004f, -5}, {10.004f, 5}});  // 0.004 past the joint
    scene.Lines({{0, 0}, {0, 8}});               // touches the first chain's start only
    scene.Lines({{20, 0}, {25, 6}});             // and its end
    ChainList chains = scene.Chains();
    std::vector<RecordedCrossing> recorded;
    IntersectPass(chains, 0, recorded);
    ASSERT_EQ(chains.size(), 6u);
    int atJoint = 0;
    for (const Chain& piece : chains) {
        if (piece->figureId != 0) continue;
        EXPECT_EQ(piece->AllPoints().size(), 2u);
        atJoint += EndOf(*piece).x == 10.0f || StartOf(*piece).x == 10.0f;
    }
    EXPECT_EQ(atJoint, 2);
}

TEST(CrossingSearch, TheSecondPassOnlyCutsCubicsAtStraightLinks)
{
    Scene scene;
    scene.Lines({{100, 0}, {110, 10}});
    scene.Lines({{100, 10}, {110, 0}});
    scene.Cubic(kArch);
    scene.Cubic(kWave);
    ChainList chains = scene.Chains();
    std::vector<RecordedCrossing> recorded;
    EXPECT_EQ(IntersectPass(chains, 1, recorded).cuts, 0);
    scene.Lines(kPole);
    chains = scene.Chains();
    const PassStats stats = IntersectPass(chains, 1, recorded);
    EXPECT_EQ(stats.cuts, 2);  // arch and wave at the pole; the pole is cut in pass 0 only
    EXPECT_EQ(chains.size(), 7u);
}

TEST(CrossingSearch, ADenseSceneStopsAtTheBudgetWithWellLinkedChains)
{
    Scene scene;
    for (int i = 0; i < 12; ++i) {
        scene.Lines({{0, float(i)}, {12, float(i) + 0.5f}});
        scene.Lines({{float(i) + 0.3f, -1}, {float(i), 13}});
    }
    ChainList chains = scene.Chains();
    std::vector<RecordedCrossing> recorded;
    const PassStats stats = IntersectPass(chains, 0, recorded);
    EXPECT_EQ(stats.budget, 24 * 9);
    EXPECT_EQ(stats.visits, stats.budget);  // 144 crossings need more cuts than the budget allows
    EXPECT_EQ(chains.size(), 24u + size_t(stats.cuts));
    for (const Chain& c : chains)
        for (const COvSeg* s = c.get(); s->next; s = s->next.get()) EXPECT_EQ(s->next->prev, s);
}

// Small, thin, point-like and scene-wide boxes, queried inside, across and outside the scene: the
// grid answers exactly the boxes that overlap, ascending, like the scan of every box.
TEST(LinkBroadPhase, CandidatesAreExactlyTheOverlappingBoxesInOrder)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> at(-50, 150), size(0, 6);
    for (const size_t count : {1u, 2u, 40u, 700u}) {
        std::vector<Box> boxes;
        for (size_t i = 0; i < count; ++i) {
            const double x = at(rng), y = at(rng), w = i % 50 == 7 ? 180 : size(rng),
                         h = i % 13 == 3 ? 0 : size(rng);
            boxes.push_back({x, y, x + w, y + h});
        }
        LinkBroadPhase grid(boxes);
        std::vector<size_t> got;
        for (int q = 0; q < 300; ++q) {
            const double x = at(rng) * 1.5, y = at(rng) * 1.5, w = q % 10 == 0 ? 400 : size(rng);
            const Box query{x, y, x + w, y + size(rng)};
            std::vector<size_t> want;
            for (size_t i = 0; i < boxes.size(); ++i)
                if (Overlaps(boxes[i], query)) want.push_back(i);
            grid.Candidates(query, got);
            ASSERT_EQ(got, want) << count << " boxes, query " << q;
        }
    }
}

}  // namespace
}  // namespace ov
