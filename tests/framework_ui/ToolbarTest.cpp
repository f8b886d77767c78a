// The toolbar's mouse handling, its overflow menu and its icon names.
#include "framework/toolbar/CDlgToolbar.h"
#include "framework/toolbar/COvMenu.h"
#include "testhost/ModalDriver.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace ov;

class ToolbarWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<ToolbarButton> buttons;
        for (int i = 0; i < 6; ++i) {
            buttons.emplace_back();
            buttons.back().kind = i == 2 ? 1 : 2;  // the third is a separator
            buttons.back().command = 100 + i;
        }
        toolbar.SetButtons(buttons);
        toolbar.resize(toolbar.sizeHint());
        toolbar.show();
    }
    QPoint Centre(std::size_t i) const { return toolbar.ButtonRect(i).center(); }
    bool appReady = (ovtest::EnsureTestApplication(), true);  // before any widget member
    CDlgToolbar toolbar{nullptr};
    QSignalSpy spy{&toolbar, &CDlgToolbar::commandPosted};
};

// A press and a release on different buttons and the right button with its option unset post nothing;
// with the options on, a right click and a dragging (Ctrl) click post their messages.
TEST_F(ToolbarWidget, ClicksPostTheButtonsCommandAndOptionsAddRightClickAndDrag)
{
    QTest::mousePress(&toolbar, Qt::LeftButton, {}, Centre(0));
    QTest::mouseRelease(&toolbar, Qt::LeftButton, {}, Centre(1));
    QTest::mouseClick(&toolbar, Qt::RightButton, {}, Centre(1));
    QTest::mouseClick(&toolbar, Qt::LeftButton, {}, Centre(1));
    toolbar.SetRightClickOption(true);
    toolbar.SetDragOption(true);
    QTest::mouseClick(&toolbar, Qt::RightButton, {}, Centre(1));
    QTest::mouseClick(&toolbar, Qt::RightButton, Qt::ControlModifier, Centre(1));
    QTest::mouseClick(&toolbar, Qt::LeftButton, {}, Centre(2));  // the separator
    QTest::qWait(20);
    QStringList posted;
    for (const auto& args : spy) posted << QString::number(args.at(0).toInt());
    EXPECT_EQ(posted.join(' ').toStdString(), "101 -1 1000010 1000011");
}

TEST_F(ToolbarWidget, NarrowToolbarMovesTheTailIntoTheOverflowMenuWithItsIcons)
{
    toolbar.resize(toolbar.ButtonRect(3).right(), toolbar.height());
    ASSERT_TRUE(toolbar.HasOverflow());
    EXPECT_TRUE(toolbar.Buttons()[5].hiddenInOverflow);
    EXPECT_FALSE(toolbar.Buttons()[0].hiddenInOverflow);
    COvMenu menu;
    toolbar.FillOverflowMenu(menu);
    ASSERT_FALSE(menu.Menu().actions().isEmpty());
    EXPECT_EQ(COvMenu::CommandOf(menu.Menu().actions().back()), 105);
    // The dialogs spell some icon names in other cases. (Broken and missing icon files are the reader
    // fault tests' part.)
    ApxIcon icon;
    EXPECT_TRUE(icon.Load("TB/cut"));
    EXPECT_FALSE(icon.Load("tb/no_such_icon"));
}
