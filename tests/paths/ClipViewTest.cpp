// The Clipped Path view's transform: the view record, wheel steps about the pointer, centring, and
// result records that stay document points shifted by the pan whatever the zoom.
#include "PathTestKit.h"

#include "paths/ClipPieces.h"
#include "paths/ClipResults.h"

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

const std::vector<PathObject> kTriangle{testkit::Polygon({{10, 20}, {50, 20}, {30, 60}})};

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
        testkit::HostRecords host;
        ASSERT_EQ(BuildResults(view, &host.list), 1);
        const COvSegPath& record = host.view;
        EXPECT_EQ(record.zoom_step, step);
        EXPECT_DOUBLE_EQ(record.scale, step * 0.1);
        EXPECT_NEAR(record.pan_x, view.Origin().x, 1e-3);
        EXPECT_NEAR(record.pan_y, view.Origin().y, 1e-3);
        EXPECT_EQ(std::vector<float>({record.min_x, record.min_y, record.max_x, record.max_y}),
                  std::vector<float>({10, 20, 50, 60}));  // the triangle's bounds
        // The document points (10, 20), (50, 20), (30, 60) round again to the start.
        const COvSegPath& result = host.Result(0);
        std::string doc;
        for (int i = 0; i < result.count; ++i)
            doc += std::to_string(std::lround((result.points[i].x - record.pan_x) * 100)) + "," +
                   std::to_string(std::lround((result.points[i].y - record.pan_y) * 100)) + " ";
        EXPECT_EQ(doc, "1000,2000 5000,2000 3000,6000 1000,2000 ") << step;
    }
}

}  // namespace
}  // namespace ov
