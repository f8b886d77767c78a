// The fading pop-up base: the opacity steps, the restart and showing without taking the focus.
#include "framework/ui/CDialogFadeEx.h"
#include "testhost/ModalDriver.h"

#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <vector>

using namespace ov;

// A fade steps through the alpha table, stops, and restarts when the pop-up is shown again; showing
// it leaves the focus where it was.
TEST(FadeDialog, StepsThroughTheAlphaTableThenStopsAndKeepsTheFocusWhereItWas)
{
    ovtest::EnsureTestApplication();
    QWidget owner;
    auto* edit = new QLineEdit(&owner);
    owner.show();
    owner.activateWindow();
    edit->setFocus();
    CDialogFadeEx popup(&owner);
    popup.FadeIn({20, 30, 120, 80});
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(popup.geometry(), QRect(20, 30, 120, 80));
    std::vector<int> seen{popup.FadeAlpha()};
    for (int tick = 0; tick < 9; ++tick) {
        popup.AdvanceFade();
        seen.push_back(popup.FadeAlpha());
    }
    EXPECT_EQ(seen, (std::vector<int>{5, 20, 40, 65, 95, 120, 160, 205, 255, 255}));
    EXPECT_FALSE(popup.IsFading());
    EXPECT_DOUBLE_EQ(popup.windowOpacity(), 1.0);
    popup.FadeIn({5, 5, 60, 60});
    EXPECT_EQ(popup.FadeAlpha(), 5);
    EXPECT_TRUE(popup.IsFading());
}
