// The fading pop-up base: the opacity steps, the restart and showing without taking the focus.
#include "framework/ui/CDialogFadeEx.h"
#include "testhost/ModalDriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QWindow>

#include <gtest/gtest.h>

#include <vector>

using namespace ov;

TEST(FadeDialog, IsCreatedHiddenAndStepsThroughTheAlphaTableThenStops)
{
    ovtest::EnsureTestApplication();
    CDialogFadeEx popup(nullptr);
    EXPECT_FALSE(popup.isVisible());
    popup.FadeIn({20, 30, 120, 80});
    EXPECT_TRUE(popup.isVisible());
    EXPECT_EQ(popup.geometry(), QRect(20, 30, 120, 80));
    EXPECT_EQ(popup.FadeAlpha(), 5);
    EXPECT_TRUE(popup.IsFading());
    std::vector<int> seen;
    for (int tick = 0; tick < 9; ++tick) {
        popup.AdvanceFade();
        seen.push_back(popup.FadeAlpha());
    }
    EXPECT_EQ(seen, (std::vector<int>{20, 40, 65, 95, 120, 160, 205, 255, 255}));
    EXPECT_FALSE(popup.IsFading());
    EXPECT_DOUBLE_EQ(popup.windowOpacity(), 1.0);
    popup.FadeIn({5, 5, 60, 60});  // shown again: the fade restarts from its first step
    EXPECT_EQ(popup.FadeAlpha(), 5);
    EXPECT_TRUE(popup.IsFading());
}

TEST(FadeDialog, APopupShownBeforeItsFadeStartsIsTransparent)
{
    ovtest::EnsureTestApplication();
    CDialogFadeEx popup(nullptr);
    EXPECT_EQ(popup.FadeAlpha(), 1);
    popup.setGeometry(0, 0, 50, 50);
    popup.show();  // shown without FadeIn: the first frame the platform composes
    ASSERT_NE(popup.windowHandle(), nullptr);
    EXPECT_DOUBLE_EQ(popup.windowHandle()->opacity(), 1 / 255.0);
    EXPECT_FALSE(popup.IsFading());
}

TEST(FadeDialog, ShowingKeepsTheFocusWhereItWas)
{
    ovtest::EnsureTestApplication();
    QWidget owner;
    auto* edit = new QLineEdit(&owner);
    owner.show();
    owner.activateWindow();
    edit->setFocus();
    QApplication::processEvents();
    CDialogFadeEx popup(&owner);
    popup.FadeIn({0, 0, 50, 50});
    QApplication::processEvents();
    EXPECT_NE(QApplication::activeWindow(), &popup);
    EXPECT_EQ(QApplication::focusWidget(), edit);
}
