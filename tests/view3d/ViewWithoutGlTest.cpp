// The 3-D view where the display has no OpenGL (the offscreen platform): the message stands in the
// view's place inside a window that still shows, and every service answers without GL.
#include "view3d/ModelItems.h"
#include "view3d/SurfaceData.h"
#include "view3d/ViewState.h"
#include "view3d/gl/COvOG.h"
#include "view3d/gl/GlAvailability.h"
#include "view3d/gl/ViewMessage.h"

#include "testhost/ModalDriver.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPointer>
#include <QTest>

#include <memory>

using namespace ov;

namespace {

class ViewWithoutGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        ovtest::EnsureTestApplication();
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            GTEST_SKIP() << "the no-GL cases need the offscreen platform";
        for (int a = 0; a < 3; ++a) record_.axes[a].ratio_3d = 1;
        record_.kind = 5;
        const float turned[9] = {0, 1, 0, -1, 0, 0, 0, 0, 1};
        std::copy(turned, turned + 9, record_.view_state_3d);
        const double z[] = {0, 1, 2, 3, 4, 5};
        ASSERT_TRUE(SetSurfaceData(grid_, z, 3, 2, 0, 1, 0, 1));
        object_.surface = &grid_;
        grid_.host3d = &object_;
    }
    void TearDown() override
    {
        window_.reset();
        FreeModelItems(object_.items);
        FreeSurfaceData(&grid_);
    }

    ChartRecord record_{};
    SurfaceGrid grid_{};
    Host3DObject object_{};
    std::unique_ptr<QWidget> window_ = std::make_unique<QWidget>();
};

}  // namespace

TEST_F(ViewWithoutGl, MessageTakesTheViewsPlaceAndTheWindowStillShows)
{
    ASSERT_FALSE(OpenGlViewAvailable());
    QPointer<COvOG> view = new COvOG(window_.get(), &object_, &record_);
    EXPECT_FALSE(view->HasContext());
    EXPECT_EQ(view->parentWidget(), nullptr);  // a GL widget inside the window would bring it down
    auto* message = qobject_cast<QWidget*>(view->MessageWidget());
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->parentWidget(), window_.get());
    EXPECT_EQ(static_cast<ViewMessage*>(message)->Text(), NoOpenGlMessage());
    EXPECT_FALSE(NoOpenGlMessage().isEmpty());

    view->setGeometry(5, 6, 200, 150);
    view->show();
    window_->resize(220, 170);
    window_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    EXPECT_EQ(message->geometry(), QRect(5, 6, 200, 150));
    EXPECT_TRUE(message->isVisible());
    EXPECT_FALSE(window_->grab().isNull());
    view->hide();
    EXPECT_FALSE(message->isVisible());

    // The view goes with its window's children.
    window_.reset();
    EXPECT_TRUE(view.isNull());
}

TEST_F(ViewWithoutGl, ServicesAnswerWithoutAContext)
{
    auto* view = new COvOG(window_.get(), &object_, &record_);
    view->setGeometry(0, 0, 300, 200);
    view->show();
    EXPECT_TRUE(view->ReadPixels(1).empty());
    EXPECT_EQ(view->ViewWidth(), 300.0f);
    EXPECT_EQ(view->ViewHeight(), 200.0f);
    float stored[9];
    view->StoreViewState(stored);
    EXPECT_TRUE(std::equal(stored, stored + 9, record_.view_state_3d));

    // Projection runs on the plain maths: the items get window depths, back to front.
    record_.view_preset_3d = 3;
    view->ProjectModelItems();
    const std::vector<ModelItem*> items = ModelItemsOf(object_.items);
    ASSERT_GE(items.size(), 2u);
    for (std::size_t k = 0; k < items.size(); ++k) {
        EXPECT_GT(items[k]->mean_depth, 0.0f);
        EXPECT_LT(items[k]->mean_depth, 1.0f);
        if (k > 0) {
            EXPECT_GE(items[k - 1]->mean_depth, items[k]->mean_depth);
        }
    }
    EXPECT_GT(items.front()->mean_depth, items.back()->mean_depth);
    const OvPoint3F centre = object_.reference_points[26];
    EXPECT_NEAR(centre.x, 150, 1);
    EXPECT_NEAR(centre.y, -100, 1);

    view->ResetView(false);
    view->StoreViewState(stored);
    EXPECT_TRUE(std::equal(stored, stored + 9, kDefaultRotation.begin()));

    // A view destroyed first takes its message along and leaves the window alone.
    QPointer<QWidget> message = view->MessageWidget();
    delete view;
    EXPECT_TRUE(message.isNull());
}
