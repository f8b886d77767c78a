// The Set Strings prompt driven as a user would: rows, shrink, Apply, Enter, Escape, evaluation errors
// and placement.
#include "framework/CDlgSetStrings.h"
#include "framework/DialogTexts.h"
#include "framework/LanguageChoice.h"
#include "framework/MessageBox.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

using namespace ov;
using namespace ovtest;

namespace {

class SetStringsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
    }
    std::vector<QString> messages_;
    ScopedMessagePresenter presenter_{[this](const MessageRequest& r) {
        messages_.push_back(r.text);
        return kMessageOk;
    }};
};

template <typename T>
T* Control(QDialog& d, int id)
{
    return d.findChild<T*>(ControlName(id));
}

}  // namespace

TEST_F(SetStringsDialog, ThreeRowsHideTheRestShrinkAndHideApply)
{
    SetStringsSetup full{u"Six", std::vector<std::u16string>(6, u"L"), std::vector<std::u16string>(6, u"v")};
    SetStringsSetup three{u"Three", {u"A", u"B", u"C"}, {u"1", u"2", u"3"}};
    CDlgSetStrings tall(full), shortOne(three);
    const int pitch = Control<QLineEdit>(tall, kSsEdit + 1)->y() - Control<QLineEdit>(tall, kSsEdit)->y();
    EXPECT_EQ(tall.height() - shortOne.height(), 3 * pitch);
    EXPECT_FALSE(Control<QPushButton>(shortOne, kSsApply)->isVisibleTo(&shortOne));
    EXPECT_TRUE(Control<QLineEdit>(shortOne, kSsEdit + 2)->isVisibleTo(&shortOne));
    EXPECT_FALSE(Control<QLineEdit>(shortOne, kSsEdit + 3)->isVisibleTo(&shortOne));
    EXPECT_EQ(Control<QPushButton>(tall, kSsOk)->y() - Control<QPushButton>(shortOne, kSsOk)->y(), 3 * pitch);
    EXPECT_EQ(Control<QPushButton>(shortOne, kSsOk)->text(), "OK");
    EXPECT_EQ(shortOne.windowTitle(), "Three");
}

TEST_F(SetStringsDialog, ThreeLabelsTwoValuesShowApplyAndReturnThreeValues)
{
    SetStringsSetup setup{u"t", {u"A", u"B", u"C"}, {u"1", u"2"}};
    const int result = RunModal([&] { return RunSetStrings(setup, nullptr); },
                                [](QDialog& d) {
                                    EXPECT_TRUE(Control<QPushButton>(d, kSsApply)->isVisible());
                                    EXPECT_FALSE(Control<QLineEdit>(d, kSsEdit + 2)->isVisible());
                                    Click(d, ControlName(kSsOk));
                                });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(setup.values, (std::vector<std::u16string>{u"1", u"2", u""}));
}

TEST_F(SetStringsDialog, NumericRowsAreEvaluatedAndEnterClosesWithOk)
{
    SetStringsSetup setup{u"t", {u"Angle ##", u"Sum ##", u"Name"}, {u"0", u"0", u"n"}};
    const int result = RunModal([&] { return RunSetStrings(setup, nullptr); },
                                [](QDialog& d) {
                                    EXPECT_EQ(Control<QLabel>(d, kSsLabel)->text(), "Angle ");
                                    TypeInto(d, ControlName(kSsEdit), "2*PI");
                                    TypeInto(d, ControlName(kSsEdit + 1), "1 + 2");
                                    PressKey(d, Qt::Key_Return);
                                });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(setup.values, (std::vector<std::u16string>{u"6.283185", u"3.000000", u"n"}));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(SetStringsDialog, ABadExpressionShowsOneMessageAndYieldsZero)
{
    SetStringsSetup setup{u"t", {u"A ##", u"B ##"}, {u"2*(3", u"4"}};
    RunModal([&] { return RunSetStrings(setup, nullptr); }, [](QDialog& d) { Click(d, ControlName(kSsOk)); });
    EXPECT_EQ(setup.values, (std::vector<std::u16string>{u"0.000000", u"4.000000"}));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_FALSE(messages_[0].isEmpty());
}

TEST_F(SetStringsDialog, EscapeCancelsAndKeepsTheValues)
{
    SetStringsSetup setup{u"t", {u"A"}, {u"keep"}};
    const int result = RunModal([&] { return RunSetStrings(setup, nullptr); },
                                [](QDialog& d) {
                                    TypeInto(d, ControlName(kSsEdit), "changed");
                                    PressKey(d, Qt::Key_Escape);
                                });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(setup.values, (std::vector<std::u16string>{u"keep"}));
}

TEST_F(SetStringsDialog, DropDownRowsStartOnTheMatchOrTheFirstChoice)
{
    SetStringsSetup setup{u"t", {u"Unit", u"Style"}, {u"in", u"none"}};
    setup.choiceLists = {std::vector<std::u16string>{u"mm", u"in"},
                         std::vector<std::u16string>{u"solid", u"dash"}};
    RunModal([&] { return RunSetStrings(setup, nullptr); },
             [](QDialog& d) {
                 EXPECT_EQ(Control<QComboBox>(d, kSsDropDown)->currentText(), "in");
                 EXPECT_EQ(Control<QComboBox>(d, kSsDropDown + 1)->currentText(), "solid");
                 Control<QComboBox>(d, kSsDropDown + 1)->setCurrentIndex(1);
                 Click(d, ControlName(kSsOk));
             });
    EXPECT_EQ(setup.values, (std::vector<std::u16string>{u"in", u"dash"}));
}

TEST_F(SetStringsDialog, ApplySendsTheValuesToTheAnchorAndStaysOpen)
{
    RecordingHostWindow anchor;
    std::vector<std::u16string> received;
    anchor.answer = [&](const HostMessage& m) {
        const auto* list = reinterpret_cast<const OvHostList*>(m.wparam);
        for (auto* n = list->head; n; n = n->next)
            received.emplace_back(static_cast<const char16_t*>(n->data));
        return intptr_t{0};
    };
    SetStringsSetup setup{u"t", {u"A ##", u"B"}, {u"1+1"}};
    setup.placement = DialogPlacement{anchor.get(), 0, {}, 10, 10};
    bool stillOpen = false;
    const int result = RunModal([&] { return RunSetStrings(setup, nullptr); },
                                [&](QDialog& d) {
                                    Click(d, ControlName(kSsApply));
                                    stillOpen = d.isVisible();
                                    Click(d, ControlName(kSsCancel));
                                });
    ASSERT_EQ(anchor.Messages().size(), 1u);
    EXPECT_EQ(anchor.Messages()[0].message, 0x198Cu);
    EXPECT_EQ(anchor.Messages()[0].lparam, 1);
    EXPECT_EQ(received, (std::vector<std::u16string>{u"2.000000", u""}));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, 2);
}

TEST_F(SetStringsDialog, PlacementModeTwoPutsTheBottomRightCornerAtThePoint)
{
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    SetStringsSetup setup{u"t", {u"A"}, {u"1"}};
    setup.placement = DialogPlacement{nullptr, 2, {}, 800, 600};
    CDlgSetStrings dialog(setup);
    if (work.width() >= 800 && work.height() >= 600) {
        EXPECT_EQ(dialog.x() + dialog.width(), 800);
        EXPECT_EQ(dialog.y() + dialog.height(), 600);
    }
    setup.placement = DialogPlacement{nullptr, 2, {}, 10, 10};
    CDlgSetStrings nearEdge(setup);
    EXPECT_EQ(nearEdge.pos(), QPoint(0, 0)) << "pulled back onto the work area";
}
