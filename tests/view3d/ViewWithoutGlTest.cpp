// The 3-D view where the display has no OpenGL (the offscreen platform): the message stands in the
// view's place inside a window that still shows, the services answer without GL, and the view and
// its message go together whichever goes first.
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "view3d/ModelItems.h"
#include "view3d/SurfaceData.h"
#include "view3d/gl/COvOG.h"
#include "view3d/gl/GlAvailability.h"
#include "view3d/gl/ViewMessage.h"

#include "testhost/ModalDriver.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPointer>
#include <QTest>

#include <cmath>
#include <utility>

using namespace ov;

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
