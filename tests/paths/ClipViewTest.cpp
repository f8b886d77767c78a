// The Clipped Path view's transform and pointer: wheel steps, the title, click or drag, centring, and
// result records that stay document points shifted by the pan whatever the zoom.
#include "PathTestKit.h"

#include "paths/ClipDrag.h"
#include "paths/ClipPieces.h"
#include "paths/ClipResults.h"
#include "paths/SegPathRecord.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ov {
namespace {

COvSegPath ViewRecord(int32_t step, double scale)
{
    COvSegPath r;
    InitSegPath(r);
    r.zoom_step = step;
    r.scale = scale;
    return r;
}

std::vector<PathObject> OneTriangle()
{
    std::vector<PathObject> paths(1);
    paths[0].AddPolygon(std::vector<OvPointF>{{10, 20}, {50, 20}, {30, 60}});
    return paths;
}

TEST(ClipView, ViewRecordStepsAreClampedAndBadScalesFollowTheStep)
{
    ClipPieces view;
    view.ApplyViewRecord(ViewRecord(70, 2.5));
    EXPECT_EQ(view.ZoomStep(), 50);
    EXPECT_EQ(view.Scale(), 2.5);
    view.ApplyViewRecord(ViewRecord(0, -1.0));
    EXPECT_EQ(view.ZoomStep(), 1);
    EXPECT_DOUBLE_EQ(view.Scale(), 0.1);
    view.ApplyViewRecord(ViewRecord(7, NAN));
    EXPECT_DOUBLE_EQ(view.Scale(), 0.7);
    view.ApplyViewRecord(ViewRecord(7, 0.0));
    EXPECT_DOUBLE_EQ(view.Scale(), 0.7);
}

TEST(ClipView, WheelStepsStopAtOneAndFiftyScaleAboutThePointerAndShowInTheTitle)
{
    ClipPieces view;
    view.ApplyViewRecord(ViewRecord(50, 5.0));
    view.Rebuild(OneTriangle());
    EXPECT_FALSE(view.Zoom(120, {0, 0}));
    EXPECT_EQ(view.ZoomStep(), 50);
    EXPECT_EQ(StartOf(*view.Pieces()[0]).x, 10.0f);

    ASSERT_TRUE(view.Zoom(-120, {10, 20}));
    EXPECT_EQ(view.ZoomStep(), 49);
    EXPECT_DOUBLE_EQ(view.Scale(), 4.9);
    // The point under the pointer stays; the others move towards it by 4.9 / 5.
    EXPECT_EQ(StartOf(*view.Pieces()[0]).x, 10.0f);
    const OvPointF second = view.Pieces()[0]->next->points[0];
    EXPECT_NEAR(second.x, 10 + 40 * 0.98, 1e-4);
    EXPECT_NEAR(view.Origin().x, 10 - 10 * 0.98, 1e-9);
    EXPECT_NEAR(view.Centre().y, 20 + 20 * 0.98, 1e-9);

    ClipPieces low;
    low.ApplyViewRecord(ViewRecord(1, 0.1));
    EXPECT_FALSE(low.Zoom(-1, {0, 0}));
    EXPECT_TRUE(low.Zoom(1, {0, 0}));
    EXPECT_EQ(low.ZoomStep(), 2);
    // The title shows twice the scale as percent, rounded.
    EXPECT_EQ(ClipViewTitle(low.Scale()), "Ornivex / Clipped Path - 40%");
    EXPECT_EQ(ClipViewTitle(0.123), "Ornivex / Clipped Path - 25%");
}

TEST(ClipView, CentringPutsTheBoundsMiddleInTheViewAndResizeKeepsIt)
{
    ClipPieces view;
    view.Rebuild(OneTriangle());
    view.CentreIn(400, 300);
    EXPECT_DOUBLE_EQ(view.Centre().x, 200);
    EXPECT_DOUBLE_EQ(view.Centre().y, 150);
    EXPECT_DOUBLE_EQ(view.Origin().x, 170);
    EXPECT_DOUBLE_EQ(view.Origin().y, 110);
    EXPECT_EQ(StartOf(*view.Pieces()[0]).x, 180.0f);
    view.Resized(100, -40);
    EXPECT_DOUBLE_EQ(view.Centre().x, 250);
    EXPECT_DOUBLE_EQ(view.Centre().y, 130);
    EXPECT_EQ(StartOf(*view.Pieces()[0]).y, 110.0f);
}

TEST(ClipView, FourPixelsAreAClickSixPixelsADrag)
{
    ClipDrag drag;
    EXPECT_FALSE(drag.Move({3, 3}).has_value());  // not pressed
    drag.Press({100, 100});
    EXPECT_FALSE(drag.Move({103, 101}).has_value());
    EXPECT_FALSE(drag.Move({105, 100}).has_value());  // exactly 5 is still a click
    EXPECT_TRUE(drag.Release());
    EXPECT_EQ(drag.Current(), ClipDrag::kIdle);

    drag.Press({100, 100});
    const auto first = drag.Move({104, 102});
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->x, 4);
    EXPECT_EQ(first->y, 2);
    EXPECT_EQ(drag.Current(), ClipDrag::kDragging);
    const auto next = drag.Move({105, 102});  // once dragging every move pans
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->x, 1);
    EXPECT_FALSE(drag.Release());
    EXPECT_FALSE(drag.Release());
}

class ResultsAtStep : public testing::TestWithParam<int> {};

TEST_P(ResultsAtStep, AreDocumentPointsShiftedByThePan)
{
    ClipPieces view;
    view.ApplyViewRecord(ViewRecord(10, 1.0));
    view.Rebuild(OneTriangle());
    view.CentreIn(640, 480);
    while (view.ZoomStep() < GetParam() && view.Zoom(1, {300, 200})) {
    }
    while (view.ZoomStep() > GetParam() && view.Zoom(-1, {250, 260})) {
    }
    ASSERT_EQ(view.ZoomStep(), GetParam());
    view.Pan(-17, 9);
    view.SetAllPicked(true);
    EXPECT_EQ(view.PickedCount(), 1);

    testkit::HostRecords host;
    ASSERT_EQ(BuildResults(view, &host.list), 1);
    const COvSegPath& record = host.view;
    EXPECT_EQ(record.zoom_step, GetParam());
    EXPECT_DOUBLE_EQ(record.scale, GetParam() * 0.1);
    EXPECT_NEAR(record.pan_x, view.Origin().x, 1e-3);
    EXPECT_NEAR(record.pan_y, view.Origin().y, 1e-3);
    const COvSegPath& result = host.Result(0);
    const OvPointF doc[] = {{10, 20}, {50, 20}, {30, 60}, {10, 20}};
    ASSERT_EQ(result.count, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(result.points[i].x, doc[i].x + record.pan_x, 2e-3) << i;
        EXPECT_NEAR(result.points[i].y, doc[i].y + record.pan_y, 2e-3) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, ResultsAtStep, testing::Values(3, 10, 50));

}  // namespace
}  // namespace ov
