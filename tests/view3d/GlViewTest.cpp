// The OpenGL view read back through Mesa: which passes each view preset draws, the middle double
// click, read-back sizes, the saved frame against GLU, mouse input and resizing. Without a GL display
// every case is skipped with the reason.
#include "view3d/ModelItems.h"
#include "view3d/SurfaceData.h"
#include "view3d/ViewState.h"
#include "view3d/gl/COvOG.h"
#include "view3d/gl/GlAvailability.h"

#include "testhost/ModalDriver.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>
#include <vector>

using namespace ov;

namespace {

constexpr ov_argb kFillBlue = 0xff0000ff;
constexpr ov_argb kLineRed = 0xffff0000;
constexpr int kSide = 160;

struct Counts {
    int fill = 0;  // clearly blue pixels
    int line = 0;  // clearly red pixels (smoothed lines blend into the white around them)
};

Counts CountColours(const std::vector<uint8_t>& rgba)
{
    Counts c;
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
        const int r = rgba[i], g = rgba[i + 1], b = rgba[i + 2];
        if (b - std::max(r, g) > 60) ++c.fill;
        if (r - std::max(g, b) > 60) ++c.line;
    }
    return c;
}

// A 12 × 12 bump under a view of kSide × kSide pixels in a shown window.
class GlView : public ::testing::Test {
protected:
    void SetUp() override
    {
        ovtest::EnsureTestApplication();
        if (!OpenGlViewAvailable())
            GTEST_SKIP() << "no OpenGL on this display: run the GL tests under xvfb-run -a";
        record_.kind = 5;
        for (int a = 0; a < 3; ++a) {
            record_.axes[a].shown = 1;
            record_.axes[a].ratio_3d = 1;
        }
        record_.contour_levels = 8;
        record_.fill_colour_3d = kFillBlue;
        record_.line_colour_3d = kLineRed;
        record_.line_width_3d = 1;
        std::copy(kDefaultRotation.begin(), kDefaultRotation.end(), record_.view_state_3d);
        std::vector<double> z;
        for (int j = 0; j < 12; ++j)
            for (int i = 0; i < 12; ++i)
                z.push_back(std::exp(-((i - 5.5) * (i - 5.5) + (j - 5.5) * (j - 5.5)) / 12));
        ASSERT_TRUE(SetSurfaceData(grid_, z.data(), 12, 12, 0, 1, 0, 1));
        object_.surface = &grid_;
        grid_.host3d = &object_;
    }
    void TearDown() override
    {
        window_.reset();
        FreeModelItems(object_.items);
        FreeSurfaceData(&grid_);
    }
    COvOG& Open()
    {
        window_ = std::make_unique<QWidget>();
        window_->resize(kSide + 20, kSide + 20);
        auto* view = new COvOG(window_.get(), &object_, &record_);
        view->setGeometry(10, 10, kSide, kSide);
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        return *view;
    }
    Counts Draw(int preset, uint32_t lineWidth)
    {
        record_.view_preset_3d = static_cast<uint8_t>(preset);
        record_.line_width_3d = lineWidth;
        COvOG& view = window_ ? *window_->findChild<COvOG*>() : Open();
        view.Rebuild();
        return CountColours(view.ReadPixels(1));
    }

    ChartRecord record_{};
    SurfaceGrid grid_{};
    Host3DObject object_{};
    std::unique_ptr<QWidget> window_;
};

}  // namespace

TEST_F(GlView, BandsFillOnlyAndLevelLinesOutlineOnly)
{
    const Counts bands = Draw(8, 1);
    EXPECT_GT(bands.fill, kSide * kSide / 20);
    EXPECT_EQ(bands.line, 0);
    const Counts lines = Draw(9, 1);
    EXPECT_GT(lines.line, kSide / 2);
    EXPECT_EQ(lines.fill, 0);
}

TEST_F(GlView, LineWidthZeroDropsOnlyTheOptionalOutlines)
{
    for (int preset : {0, 2, 4}) {
        const Counts none = Draw(preset, 0);
        EXPECT_EQ(none.line, 0) << "preset " << preset;
        EXPECT_GT(none.fill, 0) << "preset " << preset;
        EXPECT_GT(Draw(preset, 1).line, 0) << "preset " << preset;
    }
    for (int preset : {1, 3, 5, 6, 7, 9}) {
        const Counts zero = Draw(preset, 0);
        EXPECT_GT(zero.line, 0) << "preset " << preset;
        // Index 0 draws its lines one pixel wide, as index 1 does; index 4 draws them wider.
        EXPECT_EQ(zero.line, Draw(preset, 1).line) << "preset " << preset;
        EXPECT_GT(Draw(preset, 4).line, zero.line) << "preset " << preset;
    }
}

TEST_F(GlView, MiddleDoubleClickRestoresTheDefaultOnlyInPerspective)
{
    record_.view_preset_3d = 1;
    COvOG& view = Open();
    const std::vector<uint8_t> atDefault = view.ReadPixels(1);
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(40, 80));
    QTest::mouseMove(&view, QPoint(120, 60));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(120, 60));
    float turned[9];
    view.StoreViewState(turned);
    EXPECT_FALSE(std::equal(turned, turned + 9, kDefaultRotation.begin()));
    EXPECT_NE(view.ReadPixels(1), atDefault);

    QTest::mouseDClick(&view, Qt::MiddleButton, {}, QPoint(80, 80));
    float back[9];
    view.StoreViewState(back);
    EXPECT_TRUE(std::equal(back, back + 9, kDefaultRotation.begin()));
    EXPECT_EQ(view.ReadPixels(1), atDefault);

    view.SetView(1);
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(40, 80));
    QTest::mouseMove(&view, QPoint(120, 60));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(120, 60));
    view.StoreViewState(turned);
    const std::vector<uint8_t> orthographic = view.ReadPixels(1);
    QTest::mouseDClick(&view, Qt::MiddleButton, {}, QPoint(80, 80));
    view.StoreViewState(back);
    EXPECT_TRUE(std::equal(back, back + 9, turned));
    EXPECT_EQ(view.ReadPixels(1), orthographic);
}

TEST_F(GlView, ReadBackSizeFollowsTheFactor)
{
    record_.view_preset_3d = 8;
    COvOG& view = Open();
    const std::vector<uint8_t> one = view.ReadPixels(1);
    const std::vector<uint8_t> two = view.ReadPixels(2);
    ASSERT_EQ(one.size(), std::size_t{kSide} * kSide * 4);
    ASSERT_EQ(two.size(), std::size_t{2 * kSide} * (2 * kSide) * 4);
    // The same picture, four times the area.
    const double ratio = double(CountColours(two).fill) / CountColours(one).fill;
    EXPECT_NEAR(ratio, 4.0, 0.4);
    EXPECT_TRUE(view.ReadPixels(0).empty());
}

TEST_F(GlView, ReferencePointsMatchTheFrameGlDrew)
{
    record_.axes[0].ratio_3d = 1.5f;
    COvOG& view = Open();
    view.State().SetPan({12, -7});
    view.Render(1, true);
    view.makeCurrent();
    GLdouble modelView[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    view.doneCurrent();
    EXPECT_EQ(viewport[2], kSide);
    // The rebuild scaled the ratios to a largest of 1.
    const double rx = record_.axes[0].ratio_3d, ry = record_.axes[1].ratio_3d;
    EXPECT_FLOAT_EQ(rx, 1.0f);
    const double corners[][3] = {{rx, ry, ry}, {-rx, -ry, -ry}, {rx, -ry, ry}};
    const int index[] = {6, 0, 5};
    for (int k = 0; k < 3; ++k) {
        GLdouble x = 0, y = 0, z = 0;
        ASSERT_EQ(gluProject(corners[k][0], corners[k][1], corners[k][2], modelView, projection, viewport, &x,
                             &y, &z),
                  GL_TRUE);
        const OvPoint3F& p = object_.reference_points[index[k]];
        EXPECT_NEAR(p.x, x, 1e-3);
        EXPECT_NEAR(p.y, -y, 1e-3);
        EXPECT_NEAR(p.z, z, 1e-5);
    }
}

TEST_F(GlView, RightButtonReportsTouchedViewsAndResizeScalesThePan)
{
    COvOG& view = Open();
    QSignalSpy changed(&view, &COvOG::ViewChanged);
    QTest::mousePress(&view, Qt::RightButton, {}, QPoint(50, 50));
    QTest::mouseRelease(&view, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(changed.count(), 1);
    QTest::mouseRelease(&view, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(changed.count(), 1);  // a release without a press after it reports nothing

    view.State().SetPan({40, -30});
    view.resize(kSide / 2, kSide);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.State().Pan().x, 20);
    EXPECT_EQ(view.State().Pan().y, -30);
    EXPECT_EQ(view.ViewWidth(), kSide / 2);
    EXPECT_EQ(view.ReadPixels(1).size(), std::size_t{kSide / 2} * kSide * 4);
}
