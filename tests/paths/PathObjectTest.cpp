// The path object: curves through their points, arcs on their ellipse, reverse and transform round
// trips, bounds, outline hit tests, the conversion the dialogs draw and the C path handle and record.
#include "paths/BezierCubic.h"
#include "paths/PathObject.h"
#include "paths/PathPainter.h"

#include <ornivex/path.h>
#include <ornivex/segpath.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
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

TEST(PathObject, ClosedCurvesPassThroughTheirPointsAndArcsStayOnTheirEllipse)
{
    const Pts square{{0, 0}, {12, 0}, {12, 12}, {0, 12}};
    PathObject curve;
    ASSERT_TRUE(curve.AddClosedCurve(square, 0.5f));
    EXPECT_EQ(curve.Types().back(), OV_PATH_BEZIER | OV_PATH_CLOSE);
    // Through every point, the handles on either side mirror each other along the chord of its neighbours.
    const Pts& c = curve.Points();
    for (size_t i = 0; i < square.size(); ++i) {
        const OvPointF at = c[3 * i], in = c[(3 * i + 11) % 12], out = c[3 * i + 1];
        const OvPointF chord{square[(i + 1) % 4].x - square[(i + 3) % 4].x,
                             square[(i + 1) % 4].y - square[(i + 3) % 4].y};
        ExpectPoints({at, {out.x - at.x, out.y - at.y}}, {square[i], {at.x - in.x, at.y - in.y}}, 1e-5);
        EXPECT_NEAR((out.x - at.x) * chord.y - (out.y - at.y) * chord.x, 0, 1e-4);
        EXPECT_GT((out.x - at.x) * chord.x + (out.y - at.y) * chord.y, 0);
    }
    EXPECT_TRUE(PathObject().AddClosedCurve(Pts{{0, 0}, {10, 0}, {5, 8}}, 0.5f));
    PathObject open;
    ASSERT_TRUE(open.AddCurve(Pts{{0, 0}, {10, 0}, {5, 8}}, 0.5f));
    EXPECT_EQ(open.PointCount(), 7);  // two pieces, not three round to the start
    EXPECT_FALSE(curve.AddCurve(Pts{{1, 1}}, 0.5f));
    EXPECT_FALSE(curve.AddPolygon(Pts{{1, 1}, {2, 2}}));
    EXPECT_FALSE(curve.AddClosedCurve(Pts{{1, 1}, {2, 2}}, 0.5f));
    EXPECT_EQ(curve.PointCount(), 13);
    // Width, height, start, sweep and the points the arc takes; each piece stays on the ellipse and the
    // arc starts on the ray of its start angle.
    const struct {
        float w, h, start, sweep;
        size_t points;
    } arcs[] = {{40, 20, 45, 90, 4}, {40, 20, 30, -200, 10}, {40, 20, 10, 720, 13}, {30, 10, 350, 20, 4}};
    for (const auto& k : arcs) {
        PathObject path;
        ASSERT_TRUE(path.AddArc(-k.w / 2, -k.h / 2, k.w, k.h, k.start, k.sweep));
        const auto& p = path.Points();
        ASSERT_EQ(p.size(), k.points) << k.sweep;
        const double a = k.start * M_PI / 180;
        EXPECT_NEAR(std::atan2(p[0].y, p[0].x), std::atan2(std::sin(a), std::cos(a)), 1e-5);
        for (size_t i = 0; i + 3 < p.size(); i += 3)
            for (int s = 0; s <= 8; ++s) {
                const Vec2 q = BezierPoint({{{p[i].x, p[i].y},
                                             {p[i + 1].x, p[i + 1].y},
                                             {p[i + 2].x, p[i + 2].y},
                                             {p[i + 3].x, p[i + 3].y}}},
                                           s / 8.0);
                EXPECT_NEAR(std::hypot(q.x / (k.w / 2), q.y / (k.h / 2)), 1.0, 1e-3) << k.sweep;
            }
    }
    PathObject none;
    EXPECT_FALSE(none.AddArc(0, 0, 0, 10, 0, 90));
    EXPECT_FALSE(none.AddArc(0, 0, 10, 10, NAN, 90));
    EXPECT_EQ(none.PointCount(), 0);
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

TEST(PathObject, ReverseAndTransformRoundTripAndBoundsFollowTheCurve)
{
    PathObject path = TwoFigures();
    EXPECT_EQ(path.Types(), (Types{0, 1, 3, 3, 3, 0, 1, 1 | OV_PATH_CLOSE}));  // no repeated joint
    path.Reverse();
    ExpectPoints(path.Points(), {{25, 8}, {30, 0}, {20, 0}, {8, 0}, {7, 1}, {6, 1}, {5, 0}, {0, 0}}, 0);
    EXPECT_EQ(path.Types(), (Types{0, 1, 1 | OV_PATH_CLOSE, 0, 3, 3, 3, 1}));
    path.Reverse();
    EXPECT_EQ(path.Types(), TwoFigures().Types());
    const Box before = path.WorldBounds();
    EXPECT_NEAR(before.maxY, 8, 1e-4);
    path.Transform({2, 0, 0, 3, 10, -5});
    const Box after = path.WorldBounds();
    EXPECT_NEAR(after.minX, before.minX * 2 + 10, 1e-4);
    EXPECT_NEAR(after.maxY, before.maxY * 3 - 5, 1e-4);
    path.Transform({0.5f, 0, 0, 1 / 3.0f, -5, 5 / 3.0f});
    ExpectPoints(path.Points(), TwoFigures().Points(), 1e-4);

    PathObject circle;
    circle.AddArc(0, 0, 20, 20, 0, 360);
    EXPECT_NEAR(circle.WorldBounds().maxY, 20, 1e-3);  // the control points reach beyond
    EXPECT_NEAR(circle.WorldBounds(4).minX, -2, 1e-3);
    EXPECT_TRUE(PathObject().WorldBounds().IsEmpty());
}

TEST(PathObject, OutlineHitsLieWithinHalfThePenWidth)
{
    const struct {
        float x, y, width;
        bool hit;
    } rows[] = {{2, 0.4f, 1, true},     {2, 0.6f, 1, false},
                {2, 5.9f, 12, true},    {6.5f, 0.75f, 1, true},  // top of the Bézier bump
                {6.5f, 1.4f, 1, false},                          // its control points
                {22.5f, 4, 1, true},                             // the closing side
                {25, 4, 4, false},                               // inside, far from the outline
                {2, 0.4f, 0, true}};                             // hairline counts as 1
    for (const auto& k : rows)
        EXPECT_EQ(TwoFigures().IsOutlineVisible(k.x, k.y, k.width), k.hit) << k.x << "," << k.y;
}

TEST(PathObject, AppendConnectsOnlyWhenAsked)
{
    PathObject open;
    open.AddLines(Pts{{0, 0}, {1, 0}});
    PathObject joined = open, other;
    other.AddLines(Pts{{2, 0}, {3, 0}});
    joined.Append(other, true);
    open.Append(other, false);
    EXPECT_EQ(joined.Types(), (Types{0, 1, 1, 1}));
    EXPECT_EQ(open.Types(), (Types{0, 1, 0, 1}));
    open.Append(open, false);  // appending a path to itself doubles it
    EXPECT_EQ(open.Types(), (Types{0, 1, 0, 1, 0, 1, 0, 1}));
}

// What the dialogs draw: figures, lines, Bezier triples, the close flag and the fill rule.
TEST(PathPainter, MirrorsThePathData)
{
    PathObject path = TwoFigures();
    path.SetFillMode(OV_FILL_WINDING);
    const QPainterPath q = ToPainterPath(path);
    EXPECT_EQ(q.fillRule(), Qt::WindingFill);
    const auto elements = [](const QPainterPath& q) {
        std::string text;  // M move, L line, C and c the three points of a cubic
        for (int i = 0; i < q.elementCount(); ++i) {
            const QPainterPath::Element e = q.elementAt(i);
            text += std::string(1, "MLCc"[e.type]) + std::to_string(int(e.x)) + "," +
                    std::to_string(int(e.y)) + " ";
        }
        return text;
    };
    EXPECT_EQ(elements(q), "M0,0 L5,0 C6,1 c7,1 c8,0 M20,0 L30,0 L25,8 L20,0 ");
    // Host data as given: a cubic, a line, and a cubic cut short at the end, drawn as lines.
    path.SetData(Pts{{0, 0}, {1, 1}, {2, 1}, {3, 0}, {4, 0}, {5, 1}, {6, 0}}, Types{0, 3, 3, 3, 1, 3, 3});
    EXPECT_EQ(elements(ToPainterPath(path)), "M0,0 C1,1 c2,1 c3,0 L4,0 L5,1 L6,0 ");
}

// The C handle and record: round trips through the C boundary and the documented refusals.
TEST(PathApi, BuildsReversesMeasuresAndFillsRecordsThroughTheHandle)
{
    std::unique_ptr<OvPath, void (*)(OvPath*)> p(ov_path_create(OV_FILL_ALTERNATE), ov_path_destroy);
    const OvPointF tri[] = {{-3, 2}, {10, 0}, {5, 8}};
    // Refused: a Bézier figure of one point, a negative width, the bounds of an empty path.
    EXPECT_EQ(ov_path_add_beziers(p.get(), tri, 1), 0);
    EXPECT_EQ(ov_path_add_arc(p.get(), 0, 0, -5, 5, 0, 90), 0);
    OvRectF box{1, 1, 1, 1};
    EXPECT_EQ(ov_path_get_bounds(p.get(), 1, &box), 0);
    EXPECT_EQ(box.width, 0);
    ASSERT_EQ(ov_path_add_polygon(p.get(), tri, 3), 1);
    ASSERT_EQ(ov_path_add_arc(p.get(), 20, 0, 10, 10, 0, 180), 1);
    ov_path_reverse(p.get());
    std::vector<OvPointF> pts(10);
    std::vector<uint8_t> types(10);
    ASSERT_EQ(ov_path_point_count(p.get()), 10);
    EXPECT_EQ(ov_path_get_data(p.get(), pts.data(), types.data(), 10), 10);
    EXPECT_EQ(types, (std::vector<uint8_t>{0, 3, 3, 3, 3, 3, 3, 0, 1, 0x81}));
    const float shift[6] = {1, 0, 0, 1, 100, 0};
    ASSERT_EQ(ov_path_transform(p.get(), shift), 1);
    ASSERT_EQ(ov_path_get_bounds(p.get(), 2, &box), 1);
    EXPECT_EQ(std::vector<float>({box.x, box.y, box.width, box.height}),
              std::vector<float>({96, -1, 35, 12}));
    EXPECT_EQ(ov_path_is_outline_visible(p.get(), 103.5f, 1, 1), 1);
    EXPECT_EQ(ov_path_is_outline_visible(p.get(), 105, 4, 1), 0);
    // The record takes the data and its box; release frees the host's buffers with it.
    COvSegPath r;
    ov_path_record_init(&r);
    EXPECT_EQ(ov_path_record_set(nullptr, p.get()), 0);
    ASSERT_EQ(ov_path_record_set(&r, p.get()), 1);
    EXPECT_EQ(std::vector<float>({r.min_x, r.min_y, r.max_x, r.max_y}), std::vector<float>({97, 0, 130, 10}));
    EXPECT_EQ(r.count, 10);
    r.extra1 = std::malloc(16);  // NOLINT(cppcoreguidelines-no-malloc)
    r.extra1_count = 4;
    ov_path_record_release(&r);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.extra1, nullptr);
}

}  // namespace
}  // namespace ov
