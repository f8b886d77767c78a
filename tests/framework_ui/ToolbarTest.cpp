// Toolbar descriptions, the overflow menu rules, the toolbar's mouse handling and its icon names.
#include "framework/toolbar/CDlgToolbar.h"
#include "framework/toolbar/COvMenu.h"
#include "framework/toolbar/ToolbarDescription.h"
#include "testhost/ModalDriver.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace ov;

namespace {

std::vector<ToolbarButton> Parse(const std::string& xml, std::u16string_view lang = u"en")
{
    return ParseToolbarDescription(xml.data(), xml.size(), lang);
}

ToolbarButton Button(int kind, int command, bool hidden)
{
    ToolbarButton b;
    b.kind = kind, b.command = command, b.hiddenInOverflow = hidden;
    return b;
}

}  // namespace

TEST(ToolbarDescription, MissingAttributesTakeTheirDefaultsAndBrokenFilesGiveNoButtons)
{
    const auto buttons = Parse(R"(<tb><b/><b cmd="12" type="5" size="1.5" icon="tb/Cut">
        <tit en="Cut" cn="剪切"/><tip en="Cut the cells"/></b></tb>)",
                               u"cn");
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(std::tuple(buttons[0].command, buttons[0].kind, buttons[0].size, buttons[0].enabled),
              std::tuple(0, 1, 1.0f, 1));
    EXPECT_EQ(std::tuple(buttons[1].command, buttons[1].kind, buttons[1].size, buttons[1].iconName),
              std::tuple(12, 5, 1.5f, std::string("tb/Cut")));
    EXPECT_EQ(buttons[1].title + u"|" + buttons[1].tooltip, u"剪切|") << "no tooltip for the language";
    for (const char* bad : {"", "<tb><b></tb>"}) EXPECT_TRUE(Parse(bad).empty()) << bad;
    EXPECT_TRUE(LoadToolbarDescription("no_such_toolbar", u"en").empty());
}

TEST(OverflowMenu, SeparatorsOnlyBetweenItems)
{
    // Hidden: separator, item 1, separator, item 2, separator (last).
    const auto entries = BuildOverflowEntries({Button(2, 1, false), Button(1, 0, true), Button(2, 10, true),
                                               Button(1, 0, true), Button(5, 11, true), Button(3, 0, true)});
    std::string shown;
    for (const auto& entry : entries) shown += entry.separator ? "| " : std::to_string(entry.button) + " ";
    EXPECT_EQ(shown, "2 | 4 ");
}

class ToolbarWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<ToolbarButton> buttons;
        for (int i = 0; i < 6; ++i) buttons.push_back(Button(i == 2 ? 1 : 2, 100 + i, false));
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
