// The clipping pipeline: the pieces of crossing, self-crossing, bordering and closed figures, the grid
// search against testing every pair, the picked pieces in nearest-end order, the view's transform
// (the view record, wheel steps about the pointer, centring, results shifted by the pan), and points
// along the pieces (spacing, corners, the dropped near-repeat, grid cells and the typed values).
#include "PathTestKit.h"

#include "paths/ClipPieces.h"
#include "paths/ClipResults.h"
#include "paths/CrossingSearch.h"
#include "paths/PointsAlongPaths.h"

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

// Pieces join at either end of the sequence in their orientation; ends compare by distance and
// ties keep the earlier piece.
TEST(ClipPipeline, PickedPiecesFollowTheNearestEnd)
{
    const struct {
        std::vector<Pts> pieces;
        std::vector<size_t> order;   // indices of the pieces in the result order
        std::vector<bool> reversed;  // per piece
    } rows[] = {
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
    for (const auto& k : rows) {
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

COvSegPath ViewRecord(int32_t step, double scale)
{
    COvSegPath r;
    InitSegPath(r);
    r.zoom_step = step;
    r.scale = scale;
    return r;
}

const std::vector<PathObject> kTriangle{Polygon({{10, 20}, {50, 20}, {30, 60}})};

TEST(ClipView, StepsStayWithinOneAndFiftyAndTheWheelScalesAboutThePointer)
{
    const struct {
        int32_t step;
        double scale;
        int wantStep;
        double wantScale;
    } records[] = {{70, 2.5, 50, 2.5}, {0, -1.0, 1, 0.1}, {7, NAN, 7, 0.7}, {7, 0.0, 7, 0.7}};
    for (const auto& r : records) {
        ClipPieces view;
        view.ApplyViewRecord(ViewRecord(r.step, r.scale));
        EXPECT_EQ(view.ZoomStep(), r.wantStep);
        EXPECT_NEAR(view.Scale(), r.wantScale, 1e-12) << r.step;
    }
    ClipPieces view;
    view.ApplyViewRecord(ViewRecord(50, 5.0));
    view.Rebuild(kTriangle);
    EXPECT_FALSE(view.Zoom(120, {0, 0}));
    ASSERT_TRUE(view.Zoom(-120, {10, 20}));
    EXPECT_EQ(view.ZoomStep(), 49);
    EXPECT_DOUBLE_EQ(view.Scale(), 4.9);
    // The point under the pointer stays; the others move towards it by 4.9 / 5.
    EXPECT_EQ(StartOf(*view.Pieces()[0]).x, 10.0f);
    EXPECT_NEAR(view.Pieces()[0]->next->points[0].x, 10 + 40 * 0.98, 1e-4);
    EXPECT_NEAR(view.Origin().x, 10 - 10 * 0.98, 1e-9);
    EXPECT_NEAR(view.Centre().y, 20 + 20 * 0.98, 1e-9);
    ClipPieces low;
    low.ApplyViewRecord(ViewRecord(1, 0.1));
    EXPECT_FALSE(low.Zoom(-1, {0, 0}));
    EXPECT_TRUE(low.Zoom(1, {0, 0}));
    EXPECT_EQ(ClipViewTitle(low.Scale()), "Ornivex / Clipped Path - 40%");
    EXPECT_EQ(ClipViewTitle(0.123), "Ornivex / Clipped Path - 25%");
}

// The view record keeps the document bounds, zoom and pan; results are document points shifted by the pan.
TEST(ClipView, ResultsOfACentredViewAtSteps3And10And50AreDocumentPointsShiftedByThePan)
{
    for (const int step : {3, 10, 50}) {
        ClipPieces view;
        view.ApplyViewRecord(ViewRecord(10, 1.0));
        view.Rebuild(kTriangle);
        view.CentreIn(640, 480);  // the middle of the bounds (30, 40) goes to the middle of the view
        EXPECT_EQ(StartOf(*view.Pieces()[0]).x, 300.0f);
        view.Resized(100, -40);  // and stays there
        EXPECT_DOUBLE_EQ(view.Centre().x, 370);
        EXPECT_DOUBLE_EQ(view.Centre().y, 220);
        while (view.ZoomStep() < step && view.Zoom(1, {300, 200})) {
        }
        while (view.ZoomStep() > step && view.Zoom(-1, {250, 260})) {
        }
        view.Pan(-17, 9);
        view.SetAllPicked(true);
        HostRecords host;
        ASSERT_EQ(BuildResults(view, &host.list), 1);
        const COvSegPath& record = host.view;
        EXPECT_EQ(record.zoom_step, step);
        EXPECT_DOUBLE_EQ(record.scale, step * 0.1);
        EXPECT_NEAR(record.pan_x, view.Origin().x, 1e-3);
        EXPECT_NEAR(record.pan_y, view.Origin().y, 1e-3);
        EXPECT_EQ(std::vector<float>({record.min_x, record.min_y, record.max_x, record.max_y}),
                  std::vector<float>({10, 20, 50, 60}));  // the triangle's bounds
        // The document points (10, 20), (50, 20), (30, 60) round again to the start.
        const auto& result = *static_cast<COvSegPath*>(ov_list_at(&host.list, 1));
        std::string doc;
        for (int i = 0; i < result.count; ++i)
            doc += std::to_string(std::lround((result.points[i].x - record.pan_x) * 100)) + "," +
                   std::to_string(std::lround((result.points[i].y - record.pan_y) * 100)) + " ";
        EXPECT_EQ(doc, "1000,2000 5000,2000 3000,6000 1000,2000 ") << step;
    }
}

TEST(PointsAlongPaths, SpacedByBiasWithCornersTwiceAndNearRepeatsDropped)
{
    const struct {
        std::vector<Pts> lines;
        int divisions;
        double bias;
        std::vector<float> xs, ys;
    } rows[] = {
        {{{{0, 0}, {4, 0}, {4, 4}}}, 2, 1.0, {0, 2, 4, 4, 4, 4}, {0, 0, 0, 0, 2, 4}},
        {{{{0, 0}, {15, 0}}}, 4, 2.0, {0, 1, 3, 7, 15}, {0, 0, 0, 0, 0}},
        {{{{0, 0}, {15, 0}}}, 4, 0.5, {0, 8, 12, 14, 15}, {0, 0, 0, 0, 0}},
        {{{{0, 5}, {10, 5}}, {{10.005f, 5}, {10.005f, 15}}}, 1, 1.0, {0, 10, 10.005f}, {5, 5, 15}},
        {{{{0, 5}, {10, 5}}, {{10.02f, 5}, {10.02f, 15}}}, 1, 1.0, {0, 10, 10.02f, 10.02f}, {5, 5, 5, 15}},
    };
    for (const auto& row : rows) {
        std::vector<PathObject> paths;
        for (const auto& line : row.lines) paths.push_back(Lines(line));
        ClipPieces view;
        view.Rebuild(paths);
        const auto points = PointsAlongPieces(view.Pieces(), row.divisions, row.bias);
        ASSERT_EQ(points.size(), row.xs.size());
        for (size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(points[i].x, row.xs[i], 1e-4) << i;
            EXPECT_NEAR(points[i].y, row.ys[i], 1e-4) << i;
        }
    }
    const OvPointF cell = GridCell({25, -5}, CellGrid{5, 15, 4});
    EXPECT_EQ(cell.x, 5.0f);
    EXPECT_EQ(cell.y, -5.0f);
}

TEST(PointsAlongPaths, TypedValuesAreLeadingNumbersWithinTheirLimits)
{
    const std::pair<std::u16string, int> divisions[] = {
        {u"0", 1},        {u"-4", 1}, {u"abc", 1}, {u"", 1},
        {u"  12xyz", 12}, {u"+7", 7}, {u"3.9", 3}, {u"99999999999999999999", 2147483647}};
    for (const auto& [text, want] : divisions) EXPECT_EQ(ParseDivisions(text), want);
    const std::pair<std::u16string, double> biases[] = {{u"50", 10.0},   {u"0", 0.1},    {u"text", 0.1},
                                                        {u" 2.5x", 2.5}, {u"+0.5", 0.5}, {u"1e999", 10.0},
                                                        {u"0.1", 0.1},   {u"10", 10.0}};
    for (const auto& [text, want] : biases) EXPECT_EQ(ParseBias(text), want);
    EXPECT_EQ(ClampBias(NAN), 0.1);
    EXPECT_EQ(ClampBias(3.0), 3.0);
}

}  // namespace
}  // namespace ov
