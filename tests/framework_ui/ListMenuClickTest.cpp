// The list menu click: only a right-button press on the watched viewport opens the menu, at the
// press's screen position.
#include "framework/ui/ListMenuClick.h"
#include "testhost/ModalDriver.h"

#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

TEST(ListMenuClick, OnlyARightPressOnTheViewportCounts)
{
    ovtest::EnsureTestApplication();
    QWidget viewport, other;
    const auto click = [&](QWidget* watched, QEvent::Type type, Qt::MouseButton button) {
        const QMouseEvent event(type, QPointF(3, 4), QPointF(130, 240), button, button, Qt::NoModifier);
        return ov::ListMenuClickAt(watched, &viewport, &event);
    };
    EXPECT_EQ(click(&viewport, QEvent::MouseButtonPress, Qt::RightButton), QPoint(130, 240));
    EXPECT_FALSE(click(&other, QEvent::MouseButtonPress, Qt::RightButton));
    EXPECT_FALSE(click(&viewport, QEvent::MouseButtonPress, Qt::LeftButton));
    EXPECT_FALSE(click(&viewport, QEvent::MouseButtonRelease, Qt::RightButton));
}
