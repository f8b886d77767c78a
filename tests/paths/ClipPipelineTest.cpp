// The clipping pipeline: pieces of crossing rectangles, self-crossing cubics, closed figures joined
// again, shared borders, the grid search against testing every pair, and the result records in
// nearest-end order with the zoom undone.
#include "paths/BezierCubic.h"
#include "paths/BezierIntersection.h"
#include "paths/ClipPieces.h"
#include "paths/ClipResults.h"
#include "paths/CrossingSearch.h"
#include "paths/PathChains.h"
#include "paths/SegPathRecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

namespace ov {
namespace {

using Pts = std::vector<OvPointF>;

PathObject Polygon(const Pts& pts)
{
    PathObject p;
    p.AddPolygon(pts);
    return p;
}

PathObject Lines(const Pts& pts)
{
    PathObject p;
    p.AddLines(pts);
    return p;
}

PathObject Beziers(const Pts& pts)
{
    PathObject p;
    p.AddBeziers(pts);
    return p;
}

bool Near(OvPointF a, OvPointF b, double tol = 1e-3)
{
    return std::hypot(a.x - b.x, a.y - b.y) < tol;
}

// The piece whose points pass through p, or null.
COvSeg* PieceThrough(ClipPieces& view, OvPointF p)
{
    for (Chain& piece : view.Pieces())
        for (const OvPointF q : piece->AllPoints())
            if (Near(p, q)) return piece.get();
    return nullptr;
}

// Every link's next points back at it and the chain ends in a one-point straight link.
void ExpectWellFormed(const COvSeg& head)
{
    EXPECT_EQ(head.prev, nullptr);
    const COvSeg* s = &head;
    for (; s->next; s = s->next.get()) {
        EXPECT_EQ(s->next->prev, s);
        EXPECT_GE(s->ControlPoints().size(), 2u);
    }
    EXPECT_EQ(s->points.size(), 1u);
    EXPECT_EQ(s->kind, kSegLine);
}

struct HostRecords {
    OvHostList list{};
    COvSegPath view{};
    HostRecords()
    {
        ov_list_init(&list);
        InitSegPath(view);
        ov_list_append(&list, &view);
    }
    ~HostRecords()
    {
        while (list.count > 1) {
            auto* r = static_cast<COvSegPath*>(ov_list_remove_last(&list));
            ReleaseSegPath(*r);
            std::free(r);  // NOLINT(cppcoreguidelines-no-malloc)
        }
        ov_list_remove_last(&list);
    }
    HostRecords(const HostRecords&) = delete;
    HostRecords& operator=(const HostRecords&) = delete;
    const COvSegPath& Result(int i) const { return *static_cast<COvSegPath*>(ov_list_at(&list, i + 1)); }
};

// Two squares overlapping corner to corner; the second one runs the other way round.
std::vector<PathObject> CrossingSquares()
{
    std::vector<PathObject> paths;
    paths.push_back(Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
    paths.push_back(Polygon({{5, 5}, {5, 15}, {15, 15}, {15, 5}}));
    return paths;
}

TEST(ClipPipeline, CornerOverlappingSquaresGiveFourPiecesJoinedAtTheFigureStart)
{
    ClipPieces view;
    view.Rebuild(CrossingSquares());
    ASSERT_EQ(view.Pieces().size(), 4u);
    for (const Chain& piece : view.Pieces()) {
        ExpectWellFormed(*piece);
        EXPECT_EQ(piece->state, 0);
        const OvPointF s = StartOf(*piece), e = EndOf(*piece);
        // Every piece runs from one crossing to the other.
        EXPECT_TRUE((Near(s, {10, 5}) && Near(e, {5, 10})) || (Near(s, {5, 10}) && Near(e, {10, 5})));
    }
    // The outer piece of the first square was cut at its start and joined again there.
    COvSeg* outer = PieceThrough(view, {0, 0});
    ASSERT_NE(outer, nullptr);
    const Pts points = outer->AllPoints();
    const Pts expected{{5, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 5}};
    ASSERT_EQ(points.size(), expected.size());
    for (size_t i = 0; i < points.size(); ++i) EXPECT_TRUE(Near(points[i], expected[i])) << i;
    EXPECT_EQ(view.Nodes().size(), 2u);
}

TEST(ClipPipeline, OuterPiecesComeBackInNearestEndOrderTheSecondReversed)
{
    ClipPieces view;
    view.Rebuild(CrossingSquares());
    COvSeg* first = PieceThrough(view, {0, 0});
    COvSeg* second = PieceThrough(view, {15, 15});
    ASSERT_TRUE(first && second);
    second->state = 1;  // picked first, yet the order comes from the ends
    first->state = 1;
    HostRecords host;
    ASSERT_EQ(BuildResults(view, &host.list), 2);
    EXPECT_EQ(first->state, kPlacedForward);
    EXPECT_EQ(second->state, kPlacedReversed);
    const COvSegPath& a = host.Result(0);
    const COvSegPath& b = host.Result(1);
    ASSERT_EQ(a.count, 5);
    ASSERT_EQ(b.count, 5);
    EXPECT_TRUE(Near(a.points[0], {5, 10}));
    EXPECT_TRUE(Near(a.points[2], {0, 0}));
    EXPECT_TRUE(Near(b.points[0], a.points[4]));
    EXPECT_TRUE(Near(b.points[1], {15, 5}));
    EXPECT_TRUE(Near(b.points[4], {5, 10}));
    EXPECT_EQ(host.view.min_x, 0.0f);
    EXPECT_EQ(host.view.max_y, 15.0f);
}

TEST(ClipPipeline, ASinglePickedPieceKeepsItsDirection)
{
    ClipPieces view;
    view.Rebuild(CrossingSquares());
    COvSeg* piece = PieceThrough(view, {15, 15});
    ASSERT_NE(piece, nullptr);
    piece->state = 1;
    const Pts points = piece->AllPoints();
    HostRecords host;
    ASSERT_EQ(BuildResults(view, &host.list), 1);
    EXPECT_EQ(piece->state, kPlacedForward);
    const COvSegPath& r = host.Result(0);
    ASSERT_EQ(r.count, static_cast<int32_t>(points.size()));
    for (int32_t i = 0; i < r.count; ++i) EXPECT_TRUE(Near(r.points[i], points[static_cast<size_t>(i)]));
}

TEST(ClipPipeline, NothingPickedWritesOnlyTheViewRecord)
{
    ClipPieces view;
    view.Rebuild(CrossingSquares());
    HostRecords host;
    host.view.pan_x = 99;
    EXPECT_EQ(BuildResults(view, &host.list), 0);
    EXPECT_EQ(host.list.count, 1);
    EXPECT_EQ(host.view.pan_x, 0.0f);
    EXPECT_EQ(BuildResults(view, nullptr), 0);
}

// A cubic that loops once; its crossing lies well inside.
const Pts kLoop{{0, 0}, {120, 80}, {-20, 80}, {100, 0}};

TEST(ClipPipeline, AFigureEightCubicIsCutInThreeAtItsCrossing)
{
    Cubic c;
    for (size_t i = 0; i < 4; ++i) c[i] = {kLoop[i].x, kLoop[i].y};
    const auto crossing = SelfIntersection(c, 1e-4);
    ASSERT_TRUE(crossing.has_value());
    const OvPointF x{float(crossing->point.x), float(crossing->point.y)};

    ClipPieces view;
    std::vector<PathObject> paths;
    paths.push_back(Beziers(kLoop));
    view.Rebuild(paths);
    ASSERT_EQ(view.Pieces().size(), 3u);
    int loops = 0, fromStart = 0, toEnd = 0;
    for (const Chain& piece : view.Pieces()) {
        ExpectWellFormed(*piece);
        const OvPointF s = StartOf(*piece), e = EndOf(*piece);
        loops += Near(s, x, 0.02) && Near(e, x, 0.02);
        fromStart += Near(s, {0, 0}) && Near(e, x, 0.02);
        toEnd += Near(s, x, 0.02) && Near(e, {100, 0});
    }
    EXPECT_EQ(loops, 1);
    EXPECT_EQ(fromStart, 1);
    EXPECT_EQ(toEnd, 1);
    EXPECT_EQ(view.Passes().size(), 2u);
}

TEST(ClipPipeline, ACrossedClosedFigureIsOnePieceFromTheCrossingRoundToIt)
{
    std::vector<PathObject> paths;
    paths.push_back(Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
    paths.push_back(Lines({{5, -5}, {5, 5}}));
    ClipPieces view;
    view.Rebuild(paths);
    ASSERT_EQ(view.Pieces().size(), 3u);
    COvSeg* ring = PieceThrough(view, {10, 10});
    ASSERT_NE(ring, nullptr);
    ExpectWellFormed(*ring);
    EXPECT_TRUE(Near(StartOf(*ring), {5, 0}));
    EXPECT_TRUE(Near(EndOf(*ring), {5, 0}));
    // No tiny link left where the figure's end met its start.
    const Pts points = ring->AllPoints();
    EXPECT_EQ(points.size(), 6u);
    for (size_t i = 1; i < points.size(); ++i) EXPECT_FALSE(Near(points[i - 1], points[i], 0.001));
}

TEST(ClipPipeline, ACurveCrossingALineSplitsBothAndEveryPieceIsWellFormed)
{
    std::vector<PathObject> paths;
    paths.push_back(Beziers({{0, 0}, {10, 20}, {20, 20}, {30, 0}}));
    paths.push_back(Lines({{-5, 10}, {35, 10}}));
    ClipPieces view;
    view.Rebuild(paths);
    ASSERT_EQ(view.Pieces().size(), 6u);
    for (const Chain& piece : view.Pieces()) ExpectWellFormed(*piece);
    EXPECT_EQ(view.Nodes().size(), 6u);
    for (const PassStats& pass : view.Passes()) EXPECT_LE(pass.visits, pass.budget);
    EXPECT_EQ(view.Passes()[0].budget, 9 + 27);
}

TEST(ClipPipeline, FiguresWithNonFinitePointsAreLeftOut)
{
    std::vector<PathObject> paths;
    paths.push_back(Lines({{0, 0}, {NAN, 5}, {10, 10}}));
    paths.push_back(Lines({{0, 10}, {10, 0}}));
    paths.push_back(PathObject());
    ClipPieces view;
    view.Rebuild(paths);
    ASSERT_EQ(view.Pieces().size(), 1u);
    EXPECT_EQ(view.Bounds().minX, 0.0);
    EXPECT_EQ(view.Bounds().maxY, 10.0);
    view.Rebuild({});
    EXPECT_TRUE(view.Pieces().empty());
}

Chain Piece(const Pts& pts, int32_t figure)
{
    auto head = std::make_unique<COvSeg>();
    head->figureId = figure;
    const std::vector<uint8_t> types =
        pts.size() == 4 ? std::vector<uint8_t>{0, 3, 3, 3} : std::vector<uint8_t>{0, 1};
    EXPECT_TRUE(head->FromPathData(pts.data(), types.data(), static_cast<int32_t>(pts.size()), false));
    return head;
}

TEST(PieceCleanup, ABorderTwoFiguresShareGoesAndTheirNearbyEndsMeetInItsMiddle)
{
    ChainList pieces;
    pieces.push_back(Piece({{0, 0}, {3, 0}, {5, 0}, {8, 0}}, 0));  // border of figure 0
    pieces.push_back(Piece({{8, 0}, {8, -10}}, 0));
    pieces.push_back(Piece({{8, 0.2f}, {20, 0.2f}}, 2));                       // close by, of a third figure
    pieces.push_back(Piece({{0, 0.5f}, {3, 0.5f}, {5, 0.5f}, {8, 0.5f}}, 1));  // border of figure 1
    pieces.push_back(Piece({{0, 0.5f}, {-10, 0.5f}}, 1));
    ClosedPairs pairs{{pieces[0].get(), pieces[0]->Last()}, {pieces[1].get(), pieces[1]->Last()}};
    RemoveSharedBorders(pieces, pairs);
    ASSERT_EQ(pieces.size(), 3u);
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].first, pieces[0].get());
    EXPECT_TRUE(Near(StartOf(*pieces[0]), {4, 0.25f}, 1e-5));
    EXPECT_TRUE(Near(EndOf(*pieces[0]), {8, -10}, 1e-5));
    EXPECT_TRUE(Near(StartOf(*pieces[1]), {8, 0.2f}, 1e-5));
    EXPECT_TRUE(Near(StartOf(*pieces[2]), {4, 0.25f}, 1e-5));
}

TEST(PieceCleanup, NodesAreThePieceEndsOnceEach)
{
    ChainList pieces;
    pieces.push_back(Piece({{0, 0}, {10, 0}}, 0));
    pieces.push_back(Piece({{10.005f, 0}, {10, 10}}, 1));
    pieces.push_back(Piece({{10, 10}, {0, 0}}, 2));
    const auto nodes = PieceNodes(pieces);
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes[1], &EndOf(*pieces[0]));
    pieces[0]->Translate(1, 1);
    EXPECT_EQ(nodes[0]->x, 1.0f);  // nodes follow the pieces
}

ChainList ChainsOf(const std::vector<PathObject>& paths)
{
    ChainSet set;
    int32_t figure = 0;
    for (const PathObject& p : paths)
        AppendChains(p.Points().data(), p.Types().data(), p.PointCount(), figure, set);
    ChainList chains;
    for (auto& c : set.chains) chains.push_back(std::move(c));
    return chains;
}

TEST(CrossingSearch, ACubicCrossingCloseToTheOtherCubicsStartCutsOnceAndIsRecorded)
{
    // The flat cubic crosses the arch 0.63 from the arch's start: near that end, yet no crossing of
    // the arch's figure was taken there before.
    std::vector<PathObject> paths;
    paths.push_back(Beziers({{0, 0}, {10, 30}, {30, 30}, {40, 0}}));
    paths.push_back(Beziers({{-20, 0.6f}, {-5, 0.6f}, {5, 0.6f}, {20, 0.6f}}));
    ChainList chains = ChainsOf(paths);
    std::vector<RecordedCrossing> recorded;
    const PassStats stats = IntersectPass(chains, 0, recorded);
    EXPECT_EQ(chains.size(), 4u);
    EXPECT_EQ(stats.cuts, 2);
    EXPECT_EQ(stats.visits, 6);  // every finished chain once, and once more per cut
    EXPECT_EQ(stats.budget, 2 * 27);
    ASSERT_EQ(recorded.size(), 2u);
    for (const RecordedCrossing& c : recorded) {
        EXPECT_NEAR(c.point.y, 0.6, 1e-3);
        EXPECT_NEAR(c.point.x, 0.2, 0.01);
    }
    EXPECT_NE(recorded[0].figure, recorded[1].figure);
    for (const Chain& c : chains) ExpectWellFormed(*c);
    // A second pass finds the same crossings at the ends of the pieces and cuts nothing.
    const PassStats again = IntersectPass(chains, 0, recorded);
    EXPECT_EQ(again.cuts, 0);
    EXPECT_EQ(chains.size(), 4u);
    EXPECT_EQ(recorded.size(), 2u);
}

TEST(ClipResults, PiecesJoinAtEitherEndOfTheSequenceInTheirOrientation)
{
    ChainList pieces;
    pieces.push_back(Piece({{10, 0}, {20, 0}}, 0));
    pieces.push_back(Piece({{0, 0}, {9.9f, 0}}, 1));
    pieces.push_back(Piece({{30, 0}, {20.2f, 0}}, 2));
    pieces.push_back(Piece({{-10, 0}, {-0.3f, 0}}, 3));
    std::vector<COvSeg*> picked;
    for (Chain& p : pieces) picked.push_back(p.get());
    const auto order = OrderPicked(picked);
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order[0], pieces[2].get());
    EXPECT_EQ(order[1], pieces[0].get());
    EXPECT_EQ(order[2], pieces[1].get());
    EXPECT_EQ(order[3], pieces[3].get());
    EXPECT_EQ(pieces[2]->state, kPlacedForward);
    EXPECT_EQ(pieces[0]->state, kPlacedReversed);
    EXPECT_EQ(pieces[1]->state, kPlacedReversed);
    EXPECT_EQ(pieces[3]->state, kPlacedReversed);
}

TEST(ClipResults, EndsAreComparedByTheirDistance)
{
    ChainList pieces;
    pieces.push_back(Piece({{0, 5}, {10, 5}}, 0));
    pieces.push_back(Piece({{11, 5}, {10, -5}}, 1));
    const auto order = OrderPicked({pieces[0].get(), pieces[1].get()});
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], pieces[0].get());
    EXPECT_EQ(pieces[0]->state, kPlacedForward);
    EXPECT_EQ(pieces[1]->state, kPlacedForward);
}

TEST(ClipResults, TiesKeepTheEarlierPiece)
{
    ChainList pieces;
    pieces.push_back(Piece({{0, 0}, {10, 0}}, 0));
    pieces.push_back(Piece({{10, 0}, {20, 0}}, 1));
    pieces.push_back(Piece({{21, 0}, {30, 0}}, 2));   // 1 from the tail
    pieces.push_back(Piece({{20, 1}, {20, 11}}, 3));  // 1 from the tail as well
    std::vector<COvSeg*> picked;
    for (Chain& p : pieces) picked.push_back(p.get());
    const auto order = OrderPicked(picked);
    ASSERT_EQ(order.size(), 4u);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(order[i], pieces[i].get()) << i;
    for (const Chain& p : pieces) EXPECT_EQ(p->state, kPlacedForward);
    EXPECT_TRUE(OrderPicked({}).empty());
}

// Random lines and cubics in a 100 × 100 square away from the origin, from a seed.
std::vector<PathObject> RandomPaths(unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> x(900, 1000), y(-700, -600);
    std::uniform_int_distribution<int> kind(0, 2);
    std::vector<PathObject> paths;
    for (int i = 0; i < 8; ++i) {
        switch (kind(rng)) {
        case 0: paths.push_back(Lines({{x(rng), y(rng)}, {x(rng), y(rng)}, {x(rng), y(rng)}})); break;
        case 1:
            paths.push_back(
                Beziers({{x(rng), y(rng)}, {x(rng), y(rng)}, {x(rng), y(rng)}, {x(rng), y(rng)}}));
            break;
        default: paths.push_back(Polygon({{x(rng), y(rng)}, {x(rng), y(rng)}, {x(rng), y(rng)}})); break;
        }
    }
    return paths;
}

TEST(ClipPipeline, GridSearchEqualsTestingEveryPairOn200RandomInputs)
{
    size_t pieces = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        const auto paths = RandomPaths(seed);
        ClipPieces grid, all;
        grid.Rebuild(paths, CandidateSearch::Grid);
        all.Rebuild(paths, CandidateSearch::AllPairs);
        ASSERT_EQ(grid.Pieces().size(), all.Pieces().size()) << "seed " << seed;
        for (size_t i = 0; i < grid.Pieces().size(); ++i) {
            const Pts a = grid.Pieces()[i]->AllPoints(), b = all.Pieces()[i]->AllPoints();
            ASSERT_EQ(a.size(), b.size()) << "seed " << seed << " piece " << i;
            for (size_t k = 0; k < a.size(); ++k) {
                ASSERT_EQ(a[k].x, b[k].x) << "seed " << seed;
                ASSERT_EQ(a[k].y, b[k].y) << "seed " << seed;
            }
        }
        for (size_t p = 0; p < grid.Passes().size(); ++p)
            EXPECT_EQ(grid.Passes()[p].visits, all.Passes()[p].visits) << "seed " << seed;
        pieces += grid.Pieces().size();
    }
    // The inputs cross: far more pieces than the 1,600 figures.
    EXPECT_GT(pieces, 3000u);
}

}  // namespace
}  // namespace ov
