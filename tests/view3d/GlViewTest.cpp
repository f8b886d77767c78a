// The OpenGL view read back through Mesa: mouse input, read-back sizes and the saved frame against GLU.
// Without a GL display every GL case is skipped with the reason; on the offscreen platform the view's
// message stands in its place inside a window that still shows, the services answer without GL, and
// the view and its message go together whichever goes first.
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "view3d/ModelItems.h"
#include "view3d/SurfaceData.h"
#include "view3d/ViewState.h"
#include "view3d/gl/COvOG.h"
#include "view3d/gl/GlAvailability.h"
#include "view3d/gl/ViewMessage.h"

#include "testhost/ModalDriver.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

using namespace ov;

namespace {

constexpr int kSide = 160;
constexpr Mat3 kStored = {0, 1, 0, -1, 0, 0, 0, 0, 1};  // the record's rotation: a quarter turn

// Grey pixels: the walls behind the model.
int GreyPixels(const std::vector<uint8_t>& rgba)
{
    int grey = 0;
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
        const auto [lo, hi] = std::minmax({rgba[i], rgba[i + 1], rgba[i + 2]});
        grey += hi < 200 && hi - lo < 20;
    }
    return grey;
}

// Clearly blue pixels: the fill colour.
int FillPixels(const std::vector<uint8_t>& rgba)
{
    int fill = 0;
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4)
        fill += rgba[i + 2] - std::max(rgba[i], rgba[i + 1]) > 60;
    return fill;
}

// A 12 × 12 bump in a view of kSide × kSide pixels inside a shown window.
class GlView : public ::testing::Test {
protected:
    void SetUp() override
    {
        ovtest::EnsureTestApplication();
        if (!OpenGlViewAvailable())
            GTEST_SKIP() << "no OpenGL on this display: run the GL tests under xvfb-run -a";
        record_.kind = 5;
        for (int a = 0; a < 3; ++a) record_.axes[a].ratio_3d = 1;
        record_.contour_levels = 8;
        record_.fill_colour_3d = 0xff0000ff;
        record_.line_colour_3d = 0xffff0000;
        std::copy(kStored.begin(), kStored.end(), record_.view_state_3d);
        std::vector<double> z;
        for (int k = 0; k < 144; ++k)
            z.push_back(std::exp(-(std::pow(k % 12 - 5.5, 2) + std::pow(k / 12 - 5.5, 2)) / 12));
        ASSERT_TRUE(SetSurfaceData(grid_, z.data(), 12, 12, 0, 1, 0, 1));
        object_.surface = &grid_;
        window_ = std::make_unique<QWidget>();
        window_->resize(kSide + 20, kSide + 20);
        view_ = new COvOG(window_.get(), &object_, &record_);
        view_->setGeometry(10, 10, kSide, kSide);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }
    void TearDown() override
    {
        window_.reset();
        FreeModelItems(object_.items);
        FreeSurfaceData(&grid_);
    }
    void Drag()
    {
        QTest::mousePress(view_, Qt::LeftButton, {}, QPoint(40, 80));
        QTest::mouseMove(view_, QPoint(120, 60));
        QTest::mouseRelease(view_, Qt::LeftButton, {}, QPoint(120, 60));
    }
    Mat3 Rotation() const
    {
        float stored[9];
        view_->StoreViewState(stored);
        return std::to_array(stored);
    }

    ChartRecord record_{};
    SurfaceGrid grid_{};
    Host3DObject object_{};
    std::unique_ptr<QWidget> window_;
    COvOG* view_ = nullptr;  // a child of the window
};

}  // namespace

TEST_F(GlView, MouseTurnsResetsAndReportsTheView)
{
    record_.view_preset_3d = 9;
    EXPECT_EQ(Rotation(), kStored);
    view_->ResetView(false);
    const std::vector<uint8_t> atDefault = view_->ReadPixels(1);
    EXPECT_GT(GreyPixels(atDefault), kSide);  // the walls, in perspective only
    Drag();
    EXPECT_NE(Rotation(), kDefaultRotation);
    EXPECT_NE(view_->ReadPixels(1), atDefault);
    QTest::mouseDClick(view_, Qt::MiddleButton, {}, QPoint(80, 80));
    EXPECT_EQ(Rotation(), kDefaultRotation);
    EXPECT_EQ(view_->ReadPixels(1), atDefault);
    view_->ResetView(true);
    EXPECT_EQ(Rotation(), kStored);
    // Orthographic views keep their rotation on a middle double click.
    view_->SetView(1);
    Drag();
    const Mat3 turned = Rotation();
    QTest::mouseDClick(view_, Qt::MiddleButton, {}, QPoint(80, 80));
    EXPECT_EQ(Rotation(), turned);
    EXPECT_NE(turned, kDefaultRotation);
    EXPECT_EQ(GreyPixels(view_->ReadPixels(1)), 0);

    QSignalSpy changed(view_, &COvOG::ViewChanged);
    QTest::mousePress(view_, Qt::RightButton, {}, QPoint(50, 50));
    QTest::mouseRelease(view_, Qt::RightButton, {}, QPoint(50, 50));
    QTest::mouseRelease(view_, Qt::RightButton, {}, QPoint(50, 50));  // no press before it
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(GlView, ReadBackAndSavedFrameFollowTheWindow)
{
    record_.view_preset_3d = 8;
    record_.axes[0].ratio_3d = 1.5f;
    view_->Rebuild();
    const auto one = view_->ReadPixels(1), two = view_->ReadPixels(2);
    ASSERT_EQ(one.size(), std::size_t{kSide} * kSide * 4);
    ASSERT_EQ(two.size(), std::size_t{2 * kSide} * (2 * kSide) * 4);
    EXPECT_NEAR(double(FillPixels(two)) / FillPixels(one), 4.0, 0.4);

    // The reference points are where GLU puts the box corners through the matrices GL drew with.
    view_->State().SetPan({40, -30});
    view_->Render(1, true);
    view_->makeCurrent();
    GLdouble modelView[16], projection[16], x, y, z;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    view_->doneCurrent();
    const double rx = record_.axes[0].ratio_3d, ry = record_.axes[1].ratio_3d;  // scaled to a largest 1
    ASSERT_EQ(gluProject(rx, ry, ry, modelView, projection, viewport, &x, &y, &z), GL_TRUE);
    const OvPoint3F& corner = object_.reference_points[6];
    EXPECT_LT(std::max(std::abs(corner.x - x), std::abs(corner.y + y)), 1e-3);
    EXPECT_NEAR(corner.z, z, 1e-5);

    // An export frame at twice the size puts the box centre at twice the window's middle.
    view_->State().SetPan({0, 0});
    view_->Render(2, false);
    EXPECT_NEAR(object_.reference_points[26].x, kSide, 0.5);
    view_->State().SetPan({40, -30});

    // Half the width: half the horizontal pan and half the pixels.
    view_->resize(kSide / 2, kSide);
    EXPECT_EQ(std::pair(view_->State().Pan().x, view_->State().Pan().y), std::pair(20, -30));
    EXPECT_EQ(view_->ReadPixels(1).size(), std::size_t{kSide / 2} * kSide * 4);
}

TEST(ViewWithoutGl, MessageTakesTheViewsPlaceAndServicesStillAnswer)
{
    ovtest::EnsureTestApplication();
    SetCurrentLanguageCodeForTesting(u"en");
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        GTEST_SKIP() << "needs the offscreen platform";
    ChartRecord record{};
    for (int a = 0; a < 3; ++a) record.axes[a].ratio_3d = 1;
    record.kind = 5;
    record.view_preset_3d = 3;
    SurfaceGrid grid{};
    const double z[] = {0, 1, 2, 3, 4, 5};
    ASSERT_TRUE(SetSurfaceData(grid, z, 3, 2, 0, 1, 0, 1));
    Host3DObject object{};
    object.surface = &grid;
    auto window = std::make_unique<QWidget>();

    ASSERT_FALSE(OpenGlViewAvailable());
    QPointer<COvOG> view = new COvOG(window.get(), &object, &record);
    EXPECT_EQ(view->parentWidget(), nullptr);  // a GL widget inside the window would bring it down
    QPointer<QWidget> message = view->MessageWidget();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->parentWidget(), window.get());
    LangTable texts;  // the view's own language file
    texts.Open(u"en", "LANG_05.xml");
    const std::u16string text = texts.GetLocalizedText("gMSG_1", 1);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(static_cast<ViewMessage*>(message.data())->Text(), QString::fromStdU16String(text));
    view->setGeometry(5, 6, 300, 200);
    view->show();
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(message->geometry(), QRect(5, 6, 300, 200));
    EXPECT_TRUE(message->isVisible() && !window->grab().isNull());

    EXPECT_TRUE(!view->HasContext() && view->ReadPixels(1).empty());
    EXPECT_EQ(view->ViewWidth(), 300.0f);
    view->ProjectModelItems();  // on the plain maths: the box centre lies mid-window
    EXPECT_EQ(
        std::pair(std::lround(object.reference_points[26].x), std::lround(object.reference_points[26].y)),
        std::pair(150L, -100L));
    view->hide();
    EXPECT_FALSE(message->isVisible());
    delete view.data();  // takes its message along and leaves the window alone
    EXPECT_TRUE(message.isNull());
    view = new COvOG(window.get(), &object, &record);
    window.reset();  // a view left in place goes with the window
    EXPECT_TRUE(view.isNull());
    FreeModelItems(object.items);
    FreeSurfaceData(&grid);
}
