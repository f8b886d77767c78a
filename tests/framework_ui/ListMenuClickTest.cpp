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
    const QPointF local(3, 4), global(130, 240);
    const auto press = [&](QEvent::Type type, Qt::MouseButton button) {
        return QMouseEvent(type, local, global, button, button, Qt::NoModifier);
    };
    const QMouseEvent right = press(QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_EQ(ov::ListMenuClickAt(&viewport, &viewport, &right), QPoint(130, 240));
    EXPECT_FALSE(ov::ListMenuClickAt(&other, &viewport, &right));
    const QMouseEvent left = press(QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_FALSE(ov::ListMenuClickAt(&viewport, &viewport, &left));
    const QMouseEvent release = press(QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_FALSE(ov::ListMenuClickAt(&viewport, &viewport, &release));
}
