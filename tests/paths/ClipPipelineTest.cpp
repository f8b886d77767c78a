// The clipping pipeline: the pieces of crossing, self-crossing, bordering and closed figures, the grid
// search against testing every pair, and the picked pieces in nearest-end order.
#include "PathTestKit.h"

#include "paths/ClipPieces.h"
#include "paths/ClipResults.h"
#include "paths/CrossingSearch.h"

#include <algorithm>
#include <random>

namespace ov {
namespace {

using namespace testkit;

const Pts kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
// Overlaps kSquare corner to corner and runs the other way round.
const Pts kOtherSquare{{5, 5}, {5, 15}, {15, 15}, {15, 5}};

// The pieces as sorted texts: their ends meet at crossings, closed figures are joined again at
// their start, and figures with non-finite points are left out. (Shared borders: PieceCleanupTest.)
TEST(ClipPipeline, PiecesOfTypicalFigures)
{
    const struct {
        const char* name;
        std::vector<PathObject> paths;
        std::vector<std::string> pieces;
        size_t nodes;  // the piece ends once each
    } rows[] = {
        {"rectangles",
         {Polygon(kSquare), Polygon(kOtherSquare)},
         {"10,5-5,10/3", "10,5-5,10/3", "5,10-10,5/5", "5,10-10,5/5"},
         2},
        {"figure eight",
         {Beziers({{0, 0}, {120, 80}, {-20, 80}, {100, 0}})},
         {"0,0-50,46/4", "50,46-100,0/4", "50,46-50,46/4"},
         3},
        {"closed figure",
         {Polygon(kSquare), Lines({{5, -5}, {5, 5}})},
         {"5,-5-5,0/2", "5,0-5,0/6", "5,0-5,5/2"},
         3},
        {"non-finite",
         {Lines({{0, 0}, {NAN, 5}, {10, 10}}), Lines({{0, 10}, {10, 0}}), PathObject()},
         {"0,10-10,0/2"},
         2},
    };
    for (const auto& row : rows) {
        ClipPieces view;
        view.Rebuild(row.paths);
        std::vector<std::string> pieces;
        for (Chain& piece : view.Pieces()) {
            ExpectWellFormed(*piece);
            EXPECT_EQ(piece->state, 0);
            pieces.push_back(PieceText(*piece));
        }
        std::sort(pieces.begin(), pieces.end());
        EXPECT_EQ(pieces, row.pieces) << row.name;
        EXPECT_EQ(view.Nodes().size(), row.nodes) << row.name;
    }
}

struct OrderCase {
    std::vector<Pts> pieces;
    std::vector<size_t> order;   // indices of the pieces in the result order
    std::vector<bool> reversed;  // per piece
};

// Pieces join at either end of the sequence in their orientation; ends compare by distance and
// ties keep the earlier piece.
TEST(ClipPipeline, PickedPiecesFollowTheNearestEnd)
{
    const OrderCase rows[] = {
        {{{{10, 0}, {20, 0}}, {{0, 0}, {9.9f, 0}}, {{30, 0}, {20.2f, 0}}, {{-10, 0}, {-0.3f, 0}}},
         {2, 0, 1, 3},
         {true, true, false, true}},
        {{{{0, 5}, {10, 5}}, {{11, 5}, {10, -5}}}, {0, 1}, {false, false}},
        // the third and fourth are both 1 from the tail
        {{{{0, 0}, {10, 0}}, {{10, 0}, {20, 0}}, {{21, 0}, {30, 0}}, {{20, 1}, {20, 11}}},
         {0, 1, 2, 3},
         {false, false, false, false}},
        {{{{10, 0}, {20, 0}}, {{9.5f, 0}, {0, 0}}}, {0, 1}, {true, false}},  // the closest ends: both starts
        // the first piece, left out of the closest pair, joins at the head
        {{{{-10, 0}, {-1, 0}}, {{0, 0}, {10, 0}}, {{10.1f, 0}, {20, 0}}}, {0, 1, 2}, {false, false, false}},
        {{}, {}, {}}};
    for (const OrderCase& k : rows) {
        ChainList pieces;
        std::vector<COvSeg*> picked;
        for (const Pts& p : k.pieces)
            picked.push_back(pieces.emplace_back(ChainOf(p, {}, int32_t(pieces.size()))).get());
        const auto order = OrderPicked(picked);
        std::vector<size_t> got;
        got.reserve(order.size());
        for (COvSeg* s : order)
            got.push_back(size_t(std::find(picked.begin(), picked.end(), s) - picked.begin()));
        EXPECT_EQ(got, k.order);
        std::vector<bool> reversed;
        for (const Chain& p : pieces) reversed.push_back(p->state == kPlacedReversed);
        EXPECT_EQ(reversed, k.reversed);
    }
}

// Random lines and cubics in a 100 × 100 square away from the origin, from a seed.
std::vector<PathObject> RandomPaths(unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> x(900, 1000), y(-700, -600);
    std::uniform_int_distribution<int> kind(0, 2);
    const auto p = [&] { return OvPointF{x(rng), y(rng)}; };
    std::vector<PathObject> paths;
    for (int i = 0; i < 8; ++i) {
        switch (kind(rng)) {
        case 0: paths.push_back(Lines({p(), p(), p()})); break;
        case 1: paths.push_back(Beziers({p(), p(), p(), p()})); break;
        default: paths.push_back(Polygon({p(), p(), p()})); break;
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
            ASSERT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end(),
                                   [](OvPointF u, OvPointF v) { return u.x == v.x && u.y == v.y; }))
                << "seed " << seed << " piece " << i;
        }
        for (size_t p = 0; p < grid.Passes().size(); ++p) {
            EXPECT_EQ(grid.Passes()[p].visits, all.Passes()[p].visits) << "seed " << seed;
            EXPECT_LE(grid.Passes()[p].visits, grid.Passes()[p].budget);
        }
        pieces += grid.Pieces().size();
    }
    // The inputs cross: far more pieces than the 1,600 figures.
    EXPECT_GT(pieces, 3000u);
}

}  // namespace
}  // namespace ov
