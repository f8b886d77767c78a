// The clipping pipeline: pieces of crossing rectangles, self-crossing cubics, closed figures joined
// again, the grid search against testing every pair, and the result records in nearest-end order
// with the zoom undone.
#include "PathTestKit.h"

#include "paths/ClipPieces.h"
#include "paths/ClipResults.h"
#include "paths/CrossingSearch.h"

#include <random>

namespace ov {
namespace {

using namespace testkit;
// The piece whose points pass through p, or null.
COvSeg* PieceThrough(ClipPieces& view, OvPointF p)
{
    for (Chain& piece : view.Pieces())
        for (const OvPointF q : piece->AllPoints())
            if (Near(p, q)) return piece.get();
    return nullptr;
}

// Two squares overlapping corner to corner; the second one runs the other way round.
class Squares : public testing::Test {
protected:
    void SetUp() override
    {
        view.Rebuild(std::vector<PathObject>{Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}),
                                             Polygon({{5, 5}, {5, 15}, {15, 15}, {15, 5}})});
    }
    ClipPieces view;
    HostRecords host;
};

TEST_F(Squares, GiveFourPiecesJoinedAtTheFigureStart)
{
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

TEST_F(Squares, OuterPiecesComeBackInNearestEndOrderTheSecondReversed)
{
    COvSeg* first = PieceThrough(view, {0, 0});
    COvSeg* second = PieceThrough(view, {15, 15});
    ASSERT_TRUE(first && second);
    second->state = 1;  // picked first, yet the order comes from the ends
    first->state = 1;
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

TEST_F(Squares, ASinglePickedPieceKeepsItsDirectionAndNothingPickedWritesOnlyTheViewRecord)
{
    host.view.pan_x = 99;
    EXPECT_EQ(BuildResults(view, &host.list), 0);
    EXPECT_EQ(host.list.count, 1);
    EXPECT_EQ(host.view.pan_x, 0.0f);
    EXPECT_EQ(BuildResults(view, nullptr), 0);
    COvSeg* piece = PieceThrough(view, {15, 15});
    ASSERT_NE(piece, nullptr);
    piece->state = 1;
    const Pts points = piece->AllPoints();
    ASSERT_EQ(BuildResults(view, &host.list), 1);
    EXPECT_EQ(piece->state, kPlacedForward);
    const COvSegPath& r = host.Result(0);
    ASSERT_EQ(r.count, static_cast<int32_t>(points.size()));
    for (int32_t i = 0; i < r.count; ++i) EXPECT_TRUE(Near(r.points[i], points[static_cast<size_t>(i)]));
}

TEST(ClipPipeline, AFigureEightCubicIsCutInThreeAtItsCrossing)
{
    ClipPieces view;
    view.Rebuild(std::vector<PathObject>{Beziers({{0, 0}, {120, 80}, {-20, 80}, {100, 0}})});
    ASSERT_EQ(view.Pieces().size(), 3u);
    int loops = 0;
    for (const Chain& piece : view.Pieces()) {
        ExpectWellFormed(*piece);
        loops += Near(StartOf(*piece), EndOf(*piece), 0.02);
    }
    EXPECT_EQ(loops, 1);
    EXPECT_EQ(view.Passes().size(), 2u);
}

TEST(ClipPipeline, ACrossedClosedFigureIsOnePieceFromTheCrossingRoundToIt)
{
    ClipPieces view;
    view.Rebuild(
        std::vector<PathObject>{Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}), Lines({{5, -5}, {5, 5}})});
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

TEST(ClipPipeline, ACurveCrossingALineSplitsBothAndFiguresWithNonFinitePointsAreLeftOut)
{
    ClipPieces view;
    view.Rebuild(
        std::vector<PathObject>{Beziers({{0, 0}, {10, 20}, {20, 20}, {30, 0}}), Lines({{-5, 10}, {35, 10}})});
    ASSERT_EQ(view.Pieces().size(), 6u);
    for (const Chain& piece : view.Pieces()) ExpectWellFormed(*piece);
    EXPECT_EQ(view.Nodes().size(), 6u);
    for (const PassStats& pass : view.Passes()) EXPECT_LE(pass.visits, pass.budget);
    view.Rebuild(std::vector<PathObject>{Lines({{0, 0}, {NAN, 5}, {10, 10}}), Lines({{0, 10}, {10, 0}}),
                                         PathObject()});
    ASSERT_EQ(view.Pieces().size(), 1u);
    EXPECT_EQ(view.Bounds().minX, 0.0);
    EXPECT_EQ(view.Bounds().maxY, 10.0);
    view.Rebuild({});
    EXPECT_TRUE(view.Pieces().empty());
}

struct OrderCase {
    std::vector<Pts> pieces;
    std::vector<size_t> order;   // indices of the pieces in the result order
    std::vector<bool> reversed;  // per piece
};

class PickedOrder : public testing::TestWithParam<OrderCase> {};

// Pieces join at either end of the sequence in their orientation; ends compare by distance and
// ties keep the earlier piece.
TEST_P(PickedOrder, FollowsTheNearestEnd)
{
    const OrderCase& k = GetParam();
    ChainList pieces;
    std::vector<COvSeg*> picked;
    for (const Pts& p : k.pieces)
        picked.push_back(pieces.emplace_back(ChainOf(p, {}, int32_t(pieces.size()))).get());
    const auto order = OrderPicked(picked);
    ASSERT_EQ(order.size(), k.order.size());
    for (size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], pieces[k.order[i]].get()) << i;
    for (size_t i = 0; i < pieces.size(); ++i)
        EXPECT_EQ(pieces[i]->state, k.reversed[i] ? kPlacedReversed : kPlacedForward) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PickedOrder,
    testing::Values(
        OrderCase{{{{10, 0}, {20, 0}}, {{0, 0}, {9.9f, 0}}, {{30, 0}, {20.2f, 0}}, {{-10, 0}, {-0.3f, 0}}},
                  {2, 0, 1, 3},
                  {true, true, false, true}},
        OrderCase{{{{0, 5}, {10, 5}}, {{11, 5}, {10, -5}}}, {0, 1}, {false, false}},
        // the third and fourth are both 1 from the tail
        OrderCase{{{{0, 0}, {10, 0}}, {{10, 0}, {20, 0}}, {{21, 0}, {30, 0}}, {{20, 1}, {20, 11}}},
                  {0, 1, 2, 3},
                  {false, false, false, false}},
        OrderCase{{}, {}, {}}));

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
