// Toolbar descriptions, the overflow menu rules and the toolbar's mouse handling.
#include "framework/CDlgToolbar.h"
#include "framework/COvMenu.h"
#include "framework/ToolbarDescription.h"
#include "testhost/ModalDriver.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

using namespace ov;

namespace {

std::vector<ToolbarButton> Parse(const std::string& xml, std::u16string_view lang = u"en")
{
    return ParseToolbarDescription(xml.data(), xml.size(), lang);
}

ToolbarButton Button(int kind, int command, bool hidden)
{
    ToolbarButton b;
    b.kind = kind;
    b.command = command;
    b.hiddenInOverflow = hidden;
    return b;
}

}  // namespace

TEST(ToolbarDescription, MissingAttributesTakeTheirDefaults)
{
    const auto buttons = Parse(R"(<tb><b/><b cmd="12" type="5" size="1.5" icon="tb/Cut">
        <tit en="Cut" cn="剪切"/><tip en="Cut the cells"/></b></tb>)");
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].command, 0);
    EXPECT_EQ(buttons[0].kind, 1);
    EXPECT_FLOAT_EQ(buttons[0].size, 1.0f);
    EXPECT_EQ(buttons[0].enabled, 1);
    EXPECT_TRUE(buttons[0].iconName.empty());
    EXPECT_EQ(buttons[1].command, 12);
    EXPECT_EQ(buttons[1].kind, 5);
    EXPECT_FLOAT_EQ(buttons[1].size, 1.5f);
    EXPECT_EQ(buttons[1].iconName, "tb/Cut");
    EXPECT_EQ(buttons[1].title, u"Cut");
    EXPECT_EQ(Parse(R"(<tb><b><tit en="Cut" cn="剪切"/><tip en="x"/></b></tb>)", u"cn")[0].title, u"剪切");
    EXPECT_EQ(Parse(R"(<tb><b><tip en="x"/></b></tb>)", u"cn")[0].tooltip, u"")
        << "no attribute for the language";
}

TEST(ToolbarDescription, BrokenOrMissingFilesGiveNoButtons)
{
    for (const char* bad : {"", "<tb><b></tb>", "not xml", "<?xml version='1.0'?>"})
        EXPECT_TRUE(Parse(bad).empty()) << bad;
    EXPECT_TRUE(LoadToolbarDescription("no_such_toolbar", u"en").empty());
}

TEST(OverflowMenu, SeparatorsOnlyBetweenItems)
{
    // Hidden: separator, item 1, separator, item 2, separator (last).
    const std::vector<ToolbarButton> buttons = {Button(2, 1, false), Button(1, 0, true),  Button(2, 10, true),
                                                Button(1, 0, true),  Button(5, 11, true), Button(3, 0, true)};
    const auto entries = BuildOverflowEntries(buttons);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_FALSE(entries[0].separator);
    EXPECT_EQ(entries[0].button, 2u);
    EXPECT_TRUE(entries[1].separator);
    EXPECT_FALSE(entries[2].separator);
    EXPECT_EQ(entries[2].button, 4u);
    EXPECT_TRUE(BuildOverflowEntries({Button(2, 1, false)}).empty());
}

class ToolbarWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<ToolbarButton> buttons;
        for (int i = 0; i < 6; ++i) buttons.push_back(Button(i == 2 ? 1 : 2, 100 + i, false));
        buttons[1].tooltip = u"second";
        toolbar.SetButtons(buttons);
        toolbar.resize(toolbar.sizeHint());
        toolbar.show();
    }
    QPoint Centre(std::size_t i) const { return toolbar.ButtonRect(i).center(); }
    bool appReady = (ovtest::EnsureTestApplication(), true);  // before any widget member
    CDlgToolbar toolbar{nullptr};
};

TEST_F(ToolbarWidget, ClickOnOneButtonPostsItsCommandThroughTheEventLoop)
{
    QSignalSpy spy(&toolbar, &CDlgToolbar::commandPosted);
    QTest::mouseClick(&toolbar, Qt::LeftButton, {}, Centre(1));
    EXPECT_EQ(spy.count(), 0) << "posted, not sent";
    ASSERT_TRUE(spy.wait(1000));
    EXPECT_EQ(spy.at(0).at(0).toInt(), 101);
}

TEST_F(ToolbarWidget, PressAndReleaseOnDifferentButtonsPostsNothing)
{
    QSignalSpy spy(&toolbar, &CDlgToolbar::commandPosted);
    QTest::mousePress(&toolbar, Qt::LeftButton, {}, Centre(0));
    QTest::mouseRelease(&toolbar, Qt::LeftButton, {}, Centre(1));
    QTest::qWait(20);
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(ToolbarWidget, DisabledButtonsAndUnsetOptionsPostNothing)
{
    QSignalSpy spy(&toolbar, &CDlgToolbar::commandPosted);
    toolbar.SetCommandEnabled(100, false);
    QTest::mouseClick(&toolbar, Qt::LeftButton, {}, Centre(0));
    QTest::mouseClick(&toolbar, Qt::RightButton, {}, Centre(1));
    QTest::qWait(20);
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(ToolbarWidget, RightClickAndDragMessagesWhenTheirOptionsAreOn)
{
    QSignalSpy spy(&toolbar, &CDlgToolbar::commandPosted);
    toolbar.SetRightClickOption(true);
    toolbar.SetDragOption(true);
    QTest::mouseClick(&toolbar, Qt::RightButton, {}, Centre(1));
    QTest::mouseClick(&toolbar, Qt::RightButton, Qt::ControlModifier, Centre(1));
    QTest::mouseClick(&toolbar, Qt::LeftButton, {}, toolbar.ButtonRect(2).center());  // the separator
    QTest::qWait(20);
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(0).at(0).toInt(), -1);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 1000010);
    EXPECT_EQ(spy.at(2).at(0).toInt(), 1000011);
}

TEST_F(ToolbarWidget, NarrowToolbarMovesTheTailIntoTheOverflowMenu)
{
    EXPECT_FALSE(toolbar.HasOverflow());
    toolbar.resize(toolbar.ButtonRect(3).right(), toolbar.height());
    ASSERT_TRUE(toolbar.HasOverflow());
    EXPECT_TRUE(toolbar.Buttons()[5].hiddenInOverflow);
    EXPECT_FALSE(toolbar.Buttons()[0].hiddenInOverflow);
    EXPECT_TRUE(toolbar.ButtonRect(5).isNull());
    EXPECT_LE(toolbar.ButtonRect(toolbar.Buttons().size()).right(), toolbar.width());
    COvMenu menu;
    toolbar.FillOverflowMenu(menu);
    ASSERT_FALSE(menu.Menu().actions().isEmpty());
    EXPECT_EQ(COvMenu::CommandOf(menu.Menu().actions().back()), 105);
}

TEST(PopupMenu, GreyedItemsCannotBeChosenAndTrackReturnsTheCommand)
{
    ovtest::EnsureTestApplication();
    COvMenu menu;
    menu.AppendItem(kMenuGreyed, 7, "Greyed");
    menu.AppendSeparator();
    menu.AppendItem(kMenuTicked, 8, "Ticked");
    EXPECT_FALSE(menu.Menu().actions()[0]->isEnabled());
    QTimer::singleShot(50, [&] {
        QTest::keyClick(&menu.Menu(), Qt::Key_Down);
        QTest::keyClick(&menu.Menu(), Qt::Key_Return);
    });
    EXPECT_EQ(menu.Track(QPoint(10, 10)), 8);
}

TEST(ApxIconFile, BrokenOrMissingIconsDrawNothingAndValidOnesDraw)
{
    ovtest::EnsureTestApplication();
    const QString dir = QString::fromLocal8Bit(qgetenv("OV_TEST_SCRATCH"));
    QDir().mkpath(dir);
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir + "/" + name);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    ApxIcon icon;
    EXPECT_FALSE(icon.LoadFile(write("broken.apx", "<svg xmlns='http://www.w3.org/2000/svg'><rect")));
    EXPECT_FALSE(icon.LoadFile(write("binary.apx", QByteArray("\x01\x00\xff\xfe", 4))));
    EXPECT_FALSE(icon.LoadFile(dir + "/missing.apx"));
    EXPECT_TRUE(icon.ToIcon(16).isNull());
    const QString good = write("good.apx",
                               "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 16 16'>"
                               "<rect x='2' y='2' width='12' height='12' fill='#2f6fd0'/></svg>");
    ASSERT_TRUE(icon.LoadFile(good));
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.Paint(painter, QRectF(0, 0, 32, 32));
    painter.end();
    EXPECT_EQ(image.pixelColor(16, 16), QColor(0x2f, 0x6f, 0xd0));
    EXPECT_EQ(image.pixelColor(1, 1).alpha(), 0);
}

TEST(ApxIconFile, NamesFindTheirFileWhateverTheLetterCase)
{
    ovtest::EnsureTestApplication();
    ApxIcon icon;
    EXPECT_TRUE(icon.Load("tb/Cut"));
    EXPECT_TRUE(icon.Load("TB/cut")) << "the dialogs spell some icon names in other cases";
    EXPECT_TRUE(icon.Load("menu/add"));
    EXPECT_FALSE(icon.Load("tb/no_such_icon"));
}

TEST(ToolbarFiles, ShippedToolbarLoadsItsButtonsAndIcons)
{
    ovtest::EnsureTestApplication();
    CDlgToolbar toolbar(nullptr);
    toolbar.Load("tb_DataTable");
    ASSERT_FALSE(toolbar.Buttons().empty());
    EXPECT_EQ(toolbar.Buttons().front().command, 10);
    toolbar.Load("tb_missing");
    EXPECT_TRUE(toolbar.Buttons().empty());
}
