// The view maths of the 3-D view: projection through the view state, camera modes and resets, arcball
// drags, resizing with the pan, reference points and walls, the pass table and its walk, and the
// back-to-front order of the projected model.
#include "view3d/COvQuickSort.h"
#include "view3d/DrawPasses.h"
#include "view3d/ModelItems.h"
#include "view3d/ModelProjection.h"
#include "view3d/ReferencePoints.h"
#include "view3d/ViewState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

using namespace ov;

namespace {

constexpr float kIdentity9[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};

Vec3 Project(const ViewFrame& frame, Vec3 p)
{
    Vec3 w{};
    EXPECT_TRUE(ProjectPoint(p, frame, w));
    return w;
}

double Dot(const Vec3& a, const Vec3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Window x and y of a projected point.
void ExpectXY(const Vec3& w, double x, double y, double tolerance = 1e-9)
{
    EXPECT_NEAR(w.x, x, tolerance);
    EXPECT_NEAR(w.y, y, tolerance);
}

bool Same(const Vec3& a, const Vec3& b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

Vec3 Rotate(const Mat3& m, const Vec3& v)
{
    return {m[0] * v.x + m[3] * v.y + m[6] * v.z, m[1] * v.x + m[4] * v.y + m[7] * v.z,
            m[2] * v.x + m[5] * v.y + m[8] * v.z};
}

ViewState SizedView(int mode, int w, int h)
{
    ViewState view(mode, kIdentity9);
    view.Resize(w, h);
    return view;
}

// The passes of a record as "F1 L0": fill or line pass and its draw mode.
std::string PassText(const ChartRecord& record)
{
    std::string text;
    for (const DrawPass& p : DrawPassesOf(record))
        text += (text.empty() ? "" : " ") + std::string(p.filled ? "F" : "L") + std::to_string(p.mode);
    return text;
}

// Size and pan of a view as "width x height, pan x y".
std::string SizeAndPan(const ViewState& view)
{
    return std::to_string(std::lround(view.Width())) + "x" + std::to_string(std::lround(view.Height())) +
           ", pan " + std::to_string(view.Pan().x) + " " + std::to_string(view.Pan().y);
}

// A host object whose items the test frees.
struct Items {
    Host3DObject object{};
    ~Items() { FreeModelItems(object.items); }
    ModelItem* Quad(OvHostList& list, float z, float x = 0)
    {
        ModelItem* q = AppendModelItem(list, OV_ITEM_QUAD, 4);
        for (int k = 0; k < 4; ++k)
            q->points[k] = {x + (k == 1 || k == 2 ? 0.1f : 0.0f), k >= 2 ? 0.1f : 0.0f, z};
        return q;
    }
};

}  // namespace

TEST(ViewState, PerspectiveFrameCentresTheBoxAndFollowsThePan)
{
    ViewState view = SizedView(0, 400, 300);
    const ViewFrame frame = view.Frame(1);
    EXPECT_EQ(frame.viewport, (std::array<int, 4>{0, 0, 400, 300}));
    ExpectXY(Project(frame, {0, 0, 0}), 200, 150);
    // the near corner of the box is nearer than the far one
    EXPECT_LT(Project(frame, {1, 1, 1}).z, Project(frame, {-1, -1, -1}).z);

    // A unit point square to the line of sight from the eye (4, 6, 3), in the plane of the up vector
    // (1, 1, 1): its height on screen follows from the 15° field of view and zoom 0.6.
    const double n = std::sqrt(9 * 9 + 17 * 17 + 22 * 22);
    ExpectXY(Project(frame, {9 / n, -17 / n, 22 / n}), 200,
             150 + 150 * (0.6 / std::sqrt(61.0)) / std::tan(7.5 * M_PI / 180), 1e-6);

    view.SetPan({10, 20});
    ExpectXY(Project(view.Frame(2), {0, 0, 0}), 400 + 10, 300 - 20);
    EXPECT_EQ(view.Frame(2).viewport[3], 600);
}

TEST(ViewState, OrthographicPresetsLookAlongTheAxes)
{
    ViewState view = SizedView(0, 300, 150);  // r = 150 / 100
    view.SetView(1);
    EXPECT_NEAR(Project(view.Frame(1), {1, 0, 0}).x, 150 + 150 * 0.6 / 3, 1e-9);
    view.SetView(2);  // from −y, z up
    EXPECT_NEAR(Project(view.Frame(1), {0, 0, 1}).y, 75 + 75 * 0.6 / 1.5, 1e-9);
    EXPECT_NEAR(Project(view.Frame(1), {0, 1, 0}).y, 75, 1e-9);
    view.SetView(3);  // from +x, z up, y to the right
    EXPECT_NEAR(Project(view.Frame(1), {0, 1, 0}).x, 150 + 75 * 0.6 / 1.5, 1e-9);
    EXPECT_EQ(view.Up().z, 1);
    view.SetView(0);  // perspective keeps the last camera
    EXPECT_EQ(view.Eye().x, 5);
}

TEST(ViewState, ResetsAndModeChangesRestoreTheDefaultOrientation)
{
    const float stored[9] = {0, 1, 0, -1, 0, 0, 0, 0, 1};
    ViewState view(2, stored);
    EXPECT_EQ(view.Rotation(), (Mat3{0, 1, 0, -1, 0, 0, 0, 0, 1}));
    view.SetPan({5, 5});
    view.SetView(2);  // the same mode: nothing
    EXPECT_EQ(std::tuple(view.Transform()[1], view.Rotation()[1], view.Pan().x), std::tuple(1.0f, 1.0f, 5));
    view.SetView(-1);  // re-applied
    EXPECT_EQ(view.Rotation(), kDefaultRotation);
    EXPECT_EQ(std::tuple(view.Pan().x, view.Mode(), view.Eye().y), std::tuple(0, 2, -5.0));

    EXPECT_FALSE(view.ResetToDefaultByClick());  // orthographic: nothing
    view.SetView(0);
    view.Resize(200, 200);
    view.BeginDrag(100, 100);
    view.DragTo(150, 120);
    EXPECT_NE(view.Rotation(), kDefaultRotation);
    EXPECT_TRUE(view.ResetToDefaultByClick());
    EXPECT_EQ(view.Rotation(), kDefaultRotation);
}

TEST(Arcball, PointsMapOntoTheSphereAndDragsTurnTowardsTheEnd)
{
    const Vec3 centre = MapToSphere(50, 25, 100, 50);
    EXPECT_TRUE(Same(centre, {0, 0, 1}) && Same(MapToSphere(0, 25, 100, 50), {1, 0, 0}));
    const Vec3 corner = MapToSphere(100, 50, 100, 50);
    ExpectXY(corner, -std::sqrt(0.5), std::sqrt(0.5), 1e-12);
    EXPECT_EQ(corner.z, 0);
    const Vec3 inside = MapToSphere(25, 37.5, 100, 50);
    EXPECT_NEAR(Dot(inside, inside), 1, 1e-12);

    EXPECT_EQ(DragRotation(inside, inside), IdentityRotation());
    const Mat3 r = DragRotation(centre, inside);
    const Vec3 turned = Rotate(r, centre);
    EXPECT_NEAR(Dot(turned, turned), 1, 1e-6);  // a rotation keeps lengths
    EXPECT_GT(Dot(turned, inside), Dot(centre, inside));

    Mat4 scaled = Scaling(2, 2, 2);
    scaled[12] = 7;
    const Mat4 t = TransformWithRotation(scaled, r);
    EXPECT_NEAR(t[1], 2 * r[1], 1e-6);
    EXPECT_NEAR(t[10], 2 * r[8], 1e-6);
    EXPECT_EQ(t[12], 7);
}

TEST(ViewState, DragsTurnFromTheStartRotationAndOnlyWhileDragging)
{
    ViewState view = SizedView(0, 200, 100);
    EXPECT_FALSE(view.DragTo(10, 10));
    view.BeginDrag(100, 50);
    EXPECT_TRUE(view.DragTo(150, 50));
    const Mat3 once = view.Rotation();
    view.DragTo(150, 50);  // the same end again: the same rotation, not twice
    EXPECT_EQ(view.Rotation(), once);
    EXPECT_EQ(once,
              MultiplyRotations(DragRotation({0, 0, 1}, MapToSphere(150, 50, 200, 100)), IdentityRotation()));
    view.EndDrag();
    EXPECT_FALSE(view.DragTo(0, 0));
    EXPECT_NEAR(view.Transform()[0], once[0], 1e-6);
}

TEST(ViewState, ResizingScalesThePanAndPansReportTouches)
{
    ViewState view = SizedView(0, 400, 300);
    view.SetPan({101, -60});
    // Half the width halves the horizontal pan; an unchanged or empty size is no resize; sides of 2 stay
    // 2, below 2 count as 1.
    std::string sizes;
    for (const auto& [w, h] : {std::pair{200, 300}, {200, 300}, {0, 300}, {200, 100}, {2, 2}, {1, 1}}) {
        sizes += view.Resize(w, h) ? "+" : "-";
        sizes += SizeAndPan(view) + "; ";
    }
    EXPECT_EQ(sizes,
              "+200x300, pan 50 -60; -200x300, pan 50 -60; -200x300, pan 50 -60; +200x100, pan 50 -20; "
              "+2x2, pan 0 0; +1x1, pan 0 0; ");

    EXPECT_FALSE(view.EndPan());
    view.BeginPan(10, 10);
    view.PanTo(15, 3);
    EXPECT_EQ(SizeAndPan(view), "1x1, pan 5 -7");
    EXPECT_TRUE(view.EndPan());
    EXPECT_FALSE(view.EndPan());
}

TEST(ReferencePoints, TheBoxPointsAreCornersEdgeAndFaceCentresScaledByTheRatios)
{
    const std::array<double, 3> unit{1, 1, 1};
    auto p = [&](int k) { return ReferencePoint(k, unit); };
    auto mid = [](const Vec3& a, const Vec3& b) {
        return Vec3{(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
    };
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(p(k).z, -1);
        EXPECT_TRUE(Same(p(k + 4), {p(k).x, p(k).y, 1})) << k;                 // top corners over bottom ones
        EXPECT_TRUE(Same(p(8 + k), mid(p(k), p((k + 1) % 4)))) << k;           // bottom edge centres
        EXPECT_TRUE(Same(p(12 + k), mid(p(k), p(k + 4)))) << k;                // upright edge centres
        EXPECT_TRUE(Same(p(16 + k), mid(p(4 + k), p(4 + (k + 1) % 4)))) << k;  // top edge centres
        EXPECT_TRUE(Same(p(20 + k), mid(p(8 + k), p(16 + k)))) << k;           // side face centres
    }
    const std::pair<int, Vec3> fixed[] = {{1, {1, -1, -1}}, {2, {1, 1, -1}}, {3, {-1, 1, -1}},
                                          {24, {0, 0, -1}}, {25, {0, 0, 1}}, {26, {0, 0, 0}}};
    for (const auto& [k, point] : fixed) EXPECT_TRUE(Same(p(k), point)) << k;
    EXPECT_TRUE(Same(ReferencePoint(6, {1, 0.5, 0.1}), {1, 0.5, 0.1}));

    ChartRecord record{};
    for (int a = 0; a < 3; ++a) record.axes[a].ratio_3d = 1.0f / (1 << a);
    EXPECT_EQ(AxisRatios(record), (std::array<double, 3>{1, 0.5, 0.25}));
}

TEST(ReferencePoints, ProjectedPointsAndTheWallsAtTheFarCorner)
{
    const std::array<double, 3> ratios{1, 0.5, 0.1};
    Host3DObject object{};
    const ViewFrame frame = SizedView(0, 300, 200).Frame(1);
    ProjectReferencePoints(object, frame, ratios);
    const Vec3 w = Project(frame, ReferencePoint(5, ratios));
    EXPECT_FLOAT_EQ(object.reference_points[5].x, static_cast<float>(w.x));
    EXPECT_FLOAT_EQ(object.reference_points[5].y, static_cast<float>(-w.y));
    EXPECT_FLOAT_EQ(object.reference_points[26].x, 150);

    for (int corner = 0; corner < 4; ++corner) {
        for (int k = 0; k < 4; ++k) object.reference_points[k].z = k == corner ? 0.9f : 0.5f;
        EXPECT_EQ(FarthestBottomCorner(object), corner);
        for (const Wall& wall : WallsAtCorner(corner)) {
            EXPECT_NE(std::find(wall.begin(), wall.end(), corner), wall.end());
            // a face of the box: neighbouring vertices differ along one axis
            for (int k = 0; k < 4; ++k) {
                const Vec3 a = ReferencePoint(wall[k], {1, 1, 1}),
                           b = ReferencePoint(wall[(k + 1) % 4], {1, 1, 1});
                EXPECT_EQ((a.x != b.x) + (a.y != b.y) + (a.z != b.z), 1) << corner;
            }
        }
    }
    for (int k = 0; k < 4; ++k) object.reference_points[k].z = 0.5f;
    object.reference_points[3].z = 0.7f;
    object.reference_points[2].z = 0.7f;
    EXPECT_EQ(FarthestBottomCorner(object), 2);
}

TEST(DrawPasses, PresetsChooseFillAndLinePasses)
{
    ChartRecord record{};
    record.kind = kSurfaceChartKind;
    record.fill_colour_3d = 0x80ff8000;
    record.line_colour_3d = 0xff0000ff;
    // Per preset (10 is none): F fill or L line pass and its mode, with item colours (colour map 3) and a
    // line width index of 2, then with neither.
    const char* coloured[] = {"F1 L0", "F0 L1", "F1 L0", "F0 L1", "F1 L0", "L1",
                              "L1",    "F0 L1", "F3",    "L3",    ""};
    const char* plain[] = {"F0", "F0 L0", "F0", "F0 L0", "F0", "L0", "L0", "F0 L0", "F2", "L2", ""};
    for (int preset = 0; preset <= 10; ++preset) {
        record.view_preset_3d = static_cast<uint8_t>(preset);
        record.colour_map_3d = 3;
        record.line_width_3d = 2;
        EXPECT_EQ(PassText(record), coloured[preset]) << preset;
        record.colour_map_3d = 0;
        record.line_width_3d = 0;
        EXPECT_EQ(PassText(record), plain[preset]) << preset;
    }
    record.view_preset_3d = 7;
    record.line_width_3d = 4;
    const auto passes = DrawPassesOf(record);
    EXPECT_EQ(
        std::tuple(passes[0].colour, passes[0].lineWidth, passes[1].colour, passes[1].lineWidth),
        std::tuple(std::array<float, 3>{1, 128 / 255.0f, 0}, 1.0f, std::array<float, 3>{0, 0, 1}, 4.0f));
    record.line_width_3d = 0;
    EXPECT_EQ(DrawPassesOf(record)[1].lineWidth, 1);

    record.kind = 6;  // a 3-D chart: one line pass, pass colour
    record.view_preset_3d = 8;
    EXPECT_EQ(PassText(record), "L0");
}

TEST(DrawPasses, WalkingDrawsOwnGeometryOrOnlyTheChildren)
{
    Items items;
    ModelItem* cell = items.Quad(items.object.items, 0);
    cell->colour[0] = 0.25f;
    ModelItem* band = items.Quad(cell->children, 0);
    band->colour[1] = 0.5f;
    ModelItem* group = AppendModelItem(items.object.items, OV_ITEM_GROUP, 0);
    items.Quad(group->children, 1);
    ModelItem* line = AppendModelItem(group->children, OV_ITEM_LINES, 4);
    AppendModelItem(items.object.items, OV_ITEM_QUAD, 0);  // no points: nothing

    auto walk = [&](int mode) {
        std::vector<Primitive> out;
        WalkPass(items.object.items, {true, mode, {0.1f, 0.2f, 0.3f}, 1},
                 [&](const Primitive& p) { out.push_back(p); });
        return out;
    };
    const auto own = walk(0);
    ASSERT_EQ(own.size(), 5u);  // cell, group's quad, three segments of the four-point line
    EXPECT_EQ(std::tuple(own[0].quad, own[0].colour[0], own[4].quad, own[4].points[1].x),
              std::tuple(true, 0.1f, false, line->points[3].x));
    EXPECT_EQ(walk(1)[0].colour[0], 0.25f);
    const auto children = walk(3);
    ASSERT_EQ(children.size(), 5u);  // the band, then the group's quad and three segments
    EXPECT_EQ(children[0].colour[1], 0.5f);
}

TEST(COvQuickSort, OrdersFarthestFirstAndKeepsTiesInIndexOrder)
{
    EXPECT_EQ(COvQuickSort::Order({0.2f, 0.9f, 0.2f, 0.5f}), (std::vector<int>{1, 3, 0, 2}));
    EXPECT_EQ(COvQuickSort::Order({0.3f, std::numeric_limits<float>::quiet_NaN()}), (std::vector<int>{1, 0}));
    EXPECT_TRUE(COvQuickSort::Order({}).empty());
    EXPECT_EQ(COvQuickSort::Order({1, 3, 3, 2, 3, 0, 1}), (std::vector<int>{1, 2, 4, 3, 0, 6, 5}));
}

TEST(ModelProjection, PointsGoToWindowCoordinatesAndItemsBackToFront)
{
    Items items;
    items.Quad(items.object.items, 1);  // nearest to the camera at +z
    ModelItem* group = AppendModelItem(items.object.items, OV_ITEM_GROUP, 0);
    items.Quad(group->children, -1);
    items.Quad(group->children, 0.5f);
    items.Quad(group->children, -0.5f);
    AppendModelItem(items.object.items, OV_ITEM_GROUP, 0);  // empty: depth 0, drawn last

    ViewState view = SizedView(1, 300, 200);  // looking down −z
    const ViewFrame frame = view.Frame(1);
    ProjectModel(items.object, frame, false);
    const auto unsorted = ModelItemsOf(items.object.items);
    const Vec3 w = Project(frame, {0.1, 0.1, 1});
    EXPECT_FLOAT_EQ(unsorted[0]->points[2].x, static_cast<float>(w.x));
    EXPECT_FLOAT_EQ(unsorted[0]->points[2].y, static_cast<float>(-w.y));
    EXPECT_FLOAT_EQ(unsorted[0]->mean_depth, static_cast<float>(w.z));
    const auto kids = ModelItemsOf(group->children);
    EXPECT_FLOAT_EQ(group->mean_depth, (kids[0]->mean_depth + kids[1]->mean_depth + kids[2]->mean_depth) / 3);

    SortBackToFront(items.object.items);
    EXPECT_EQ(ModelItemsOf(items.object.items), (std::vector<ModelItem*>{group, unsorted[0], unsorted[2]}));
    EXPECT_EQ(ModelItemsOf(group->children), (std::vector<ModelItem*>{kids[0], kids[2], kids[1]}));
    EXPECT_EQ(unsorted[2]->mean_depth, 0);
}
