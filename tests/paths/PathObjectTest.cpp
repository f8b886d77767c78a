// The path object: curve and arc construction against their documented geometry, reverse and
// transform round trips, bounds, outline hit tests and the painter conversion.
#include "paths/BezierCubic.h"
#include "paths/CardinalSpline.h"
#include "paths/PathObject.h"
#include "paths/PathPainter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace ov {
namespace {

using Pts = std::vector<OvPointF>;
using Types = std::vector<uint8_t>;

void ExpectPoints(const Pts& got, const Pts& want, double tol)
{
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].x, want[i].x, tol) << "point " << i;
        EXPECT_NEAR(got[i].y, want[i].y, tol) << "point " << i;
    }
}

const Pts kSquare{{0, 0}, {12, 0}, {12, 12}, {0, 12}};

struct CardinalCase {
    const char* name;
    float tension;
    bool closed;
    Pts want;
};

class Cardinal : public ::testing::TestWithParam<CardinalCase> {};

// Handles are p[i] ± (p[i+1] - p[i-1]) · tension / 3; open ends use the end point as neighbour.
TEST_P(Cardinal, ControlPointsFollowTheTangentRule)
{
    const auto& k = GetParam();
    const Pts got = CardinalToBeziers(kSquare, k.tension, k.closed);
    ExpectPoints(got, k.want, 1e-5);
}

const Pts kOpen{{0, 0}, {2, 0}, {10, -2}, {12, 0}, {14, 2}, {14, 10}, {12, 12}, {10, 14}, {2, 12}, {0, 12}};
const Pts kStraight{{0, 0},   {0, 0},   {12, 0},  {12, 0}, {12, 0},
                    {12, 12}, {12, 12}, {12, 12}, {0, 12}, {0, 12}};
const Pts kClosed{{0, 0},   {2, -2}, {10, -2}, {12, 0},  {14, 2}, {14, 10}, {12, 12},
                  {10, 14}, {2, 14}, {0, 12},  {-2, 10}, {-2, 2}, {0, 0}};

INSTANTIATE_TEST_SUITE_P(Tensions, Cardinal,
                         ::testing::Values(CardinalCase{"open, default tension", 0.5f, false, kOpen},
                                           CardinalCase{"open, tension 0 is straight", 0.0f, false,
                                                        kStraight},
                                           CardinalCase{"closed wraps around", 0.5f, true, kClosed}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(PathObject, CurvesPassThroughTheirPointsAndCloseTheirFigure)
{
    PathObject path;
    ASSERT_TRUE(path.AddClosedCurve(kSquare, 0.5f));
    const auto& t = path.Types();
    EXPECT_EQ(t.front(), OV_PATH_START);
    EXPECT_EQ(t.back(), OV_PATH_BEZIER | OV_PATH_CLOSE);
    for (size_t i = 0; i < kSquare.size(); ++i) {
        EXPECT_EQ(path.Points()[3 * i].x, kSquare[i].x);
        EXPECT_EQ(path.Points()[3 * i].y, kSquare[i].y);
    }
    ExpectPoints(CardinalToBeziers(kSquare, NAN, false), CardinalToBeziers(kSquare, 0.5f, false),
                 0);  // NaN: default
    EXPECT_FALSE(path.AddCurve(Pts{{1, 1}}, 0.5f));
    EXPECT_FALSE(path.AddClosedCurve(Pts{{1, 1}, {2, 2}}, 0.5f));
}

struct ArcCase {
    float w, h, start, sweep;
    size_t points;
};

class ArcPieces : public ::testing::TestWithParam<ArcCase> {};

// Every piece stays on the ellipse, the arc starts on the ray of its start angle.
TEST_P(ArcPieces, StayOnTheEllipse)
{
    const auto& k = GetParam();
    PathObject path;
    ASSERT_TRUE(path.AddArc(-k.w / 2, -k.h / 2, k.w, k.h, k.start, k.sweep));
    const auto& p = path.Points();
    ASSERT_EQ(p.size(), k.points);
    const double a = k.start * M_PI / 180;
    EXPECT_NEAR(std::atan2(p[0].y, p[0].x), std::atan2(std::sin(a), std::cos(a)), 1e-5);
    for (size_t i = 0; i + 3 < p.size(); i += 3) {
        const Cubic c{
            {{p[i].x, p[i].y}, {p[i + 1].x, p[i + 1].y}, {p[i + 2].x, p[i + 2].y}, {p[i + 3].x, p[i + 3].y}}};
        for (int s = 0; s <= 8; ++s) {
            const Vec2 q = BezierPoint(c, s / 8.0);
            const double r = std::hypot(q.x / (k.w / 2), q.y / (k.h / 2));
            EXPECT_NEAR(r, 1.0, 1e-3);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sweeps, ArcPieces,
                         ::testing::Values(ArcCase{20, 20, 0, 90, 4}, ArcCase{40, 20, 45, 90, 4},
                                           ArcCase{40, 20, 30, -200, 10}, ArcCase{40, 20, 10, 360, 13},
                                           ArcCase{40, 20, 10, 720, 13}, ArcCase{30, 10, 350, 20, 4}));

TEST(PathObject, ArcOfABoxWithoutAreaAddsNothing)
{
    PathObject path;
    EXPECT_FALSE(path.AddArc(0, 0, 0, 10, 0, 90));
    EXPECT_FALSE(path.AddArc(0, 0, 10, 10, NAN, 90));
    EXPECT_EQ(path.PointCount(), 0);
}

// Two figures: an open line-and-Bézier figure and a closed triangle.
PathObject TwoFigures()
{
    PathObject path;
    path.AddLines(Pts{{0, 0}, {5, 0}});
    path.AddBeziers(Pts{{5, 0}, {6, 1}, {7, 1}, {8, 0}});
    path.AddPolygon(Pts{{20, 0}, {30, 0}, {25, 8}});
    return path;
}

TEST(PathObject, ContinuingRunsDoNotRepeatTheirJoiningPoint)
{
    const PathObject path = TwoFigures();
    EXPECT_EQ(path.Types(), (Types{0, 1, 3, 3, 3, 0, 1, 1 | OV_PATH_CLOSE}));
}

TEST(PathObject, ReverseTurnsFiguresAndStepsAround)
{
    PathObject path = TwoFigures();
    path.Reverse();
    ExpectPoints(path.Points(), {{25, 8}, {30, 0}, {20, 0}, {8, 0}, {7, 1}, {6, 1}, {5, 0}, {0, 0}}, 0);
    EXPECT_EQ(path.Types(), (Types{0, 1, 1 | OV_PATH_CLOSE, 0, 3, 3, 3, 1}));
    path.Reverse();
    const PathObject original = TwoFigures();
    EXPECT_EQ(path.Types(), original.Types());
    ExpectPoints(path.Points(), original.Points(), 0);
}

TEST(PathObject, TransformMapsPointsAndBoundsAlike)
{
    PathObject path = TwoFigures();
    const Box before = path.WorldBounds();
    path.Transform({2, 0, 0, 3, 10, -5});
    const Box after = path.WorldBounds();
    EXPECT_NEAR(after.minX, before.minX * 2 + 10, 1e-4);
    EXPECT_NEAR(after.maxY, before.maxY * 3 - 5, 1e-4);
    path.Transform({0.5f, 0, 0, 1 / 3.0f, -5, 5 / 3.0f});
    ExpectPoints(path.Points(), TwoFigures().Points(), 1e-4);
}

TEST(PathObject, BoundsFollowTheCurveNotItsControlPoints)
{
    PathObject path;
    path.AddArc(0, 0, 20, 20, 0, 360);
    const Box box = path.WorldBounds();
    EXPECT_NEAR(box.minX, 0, 1e-3);
    EXPECT_NEAR(box.maxY, 20, 1e-3);
    const Box wide = path.WorldBounds(4);
    EXPECT_NEAR(wide.minX, -2, 1e-3);
    EXPECT_TRUE(PathObject().WorldBounds().IsEmpty());
}

struct HitCase {
    float x, y, width;
    bool hit;
};

class OutlineHit : public ::testing::TestWithParam<HitCase> {};

TEST_P(OutlineHit, WithinHalfThePenWidth)
{
    const auto& k = GetParam();
    EXPECT_EQ(TwoFigures().IsOutlineVisible(k.x, k.y, k.width), k.hit) << k.x << "," << k.y;
}

INSTANTIATE_TEST_SUITE_P(Table, OutlineHit,
                         ::testing::Values(HitCase{2, 0, 1, true}, HitCase{2, 0.4f, 1, true},
                                           HitCase{2, 0.6f, 1, false}, HitCase{2, 5.9f, 12, true},
                                           HitCase{6.5f, 0.75f, 1, true},  // top of the Bézier bump
                                           HitCase{6.5f, 1.4f, 1, false},  // its control points
                                           HitCase{22.5f, 4, 1, true},     // the closing side
                                           HitCase{25, 4, 4, false},       // inside, far from the outline
                                           HitCase{2, 0.4f, 0, true}));    // hairline counts as 1

TEST(PathObject, AppendConnectsOnlyWhenAsked)
{
    PathObject open;
    open.AddLines(Pts{{0, 0}, {1, 0}});
    PathObject joined = open;
    PathObject other;
    other.AddLines(Pts{{2, 0}, {3, 0}});
    joined.Append(other, true);
    open.Append(other, false);
    EXPECT_EQ(joined.Types(), (Types{0, 1, 1, 1}));
    EXPECT_EQ(open.Types(), (Types{0, 1, 0, 1}));
    open.Append(open, false);  // appending a path to itself doubles it
    EXPECT_EQ(open.Types(), (Types{0, 1, 0, 1, 0, 1, 0, 1}));
}

TEST(PathPainter, ElementsMirrorThePathData)
{
    PathObject path = TwoFigures();
    path.SetFillMode(OV_FILL_WINDING);
    const QPainterPath q = ToPainterPath(path);
    EXPECT_EQ(q.fillRule(), Qt::WindingFill);
    // move, line, cubic (3 elements), move, line, line, closing line back to the start
    ASSERT_EQ(q.elementCount(), 9);
    EXPECT_EQ(q.elementAt(2).type, QPainterPath::CurveToElement);
    EXPECT_EQ(q.elementAt(5).type, QPainterPath::MoveToElement);
    EXPECT_EQ(QPointF(q.elementAt(8)), QPointF(20, 0));
}

}  // namespace
}  // namespace ov
