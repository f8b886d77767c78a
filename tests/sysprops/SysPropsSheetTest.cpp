// The system properties sheet through the dispatcher: Cancel, Apply and OK over the host's record, the
// pages' controls, and the hotkey page clearing keys. The remembered start page is the sheet frame's,
// tested with the chart sheets; the ".hk2" file is the hotkey unit tests'.
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/MessageBox.h"
#include "host/Dispatch.h"
#include "sysprops/CDSP_HK.h"
#include "sysprops/CDSP_P1.h"
#include "sysprops/CDSP_PAdvance.h"
#include "sysprops/CDlgSysProps.h"
#include "sysprops/SystemProperties.h"
#include "testhost/Controls.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace ov;
using namespace ovtest;

namespace {

constexpr uint32_t kOtherCode = 3;  // any code no other dialog uses

class SysPropsSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        registry_.systemProps = [](SystemPropsCall& c) { return RunSystemProperties(c); };
        record_ = PatternRecord<SystemSettings>(9);
        record_.hotkey_table = &table_;
        table_.slots[1][3] = {7, 8, 9, {}};     // command 0: Ctrl+ key 3 ...
        table_.slots[5][10] = {7, 8, 9, {}};    // ... and Alt+ key 10
        table_.slots[0][0] = {70, 80, 90, {}};  // command 1: key 0
        window_.answer = [this](const HostMessage& m) {
            if (m.message == OV_MSG_HOTKEY_COMMANDS)
                // NOLINTNEXTLINE(performance-no-int-to-ptr): wParam carries the page's list.
                for (HotkeyCommand& c : commands_)
                    ov_list_append(reinterpret_cast<OvHostList*>(m.wparam), &c);
            return intptr_t{0};
        };
        RegKeyHandle(kSheetSettingsKey).WriteDword("InitPage0", 0);
    }
    int Run(const std::function<void(CDlgSysProps&)>& act)
    {
        const GEEdtParams p{&record_, nullptr, window_.get(), kOtherCode, nullptr};
        return RunModal([&] { return DispatchGEEdt(&p, registry_, UiAlwaysReady); },
                        [&](QDialog& d) { act(dynamic_cast<CDlgSysProps&>(d)); });
    }
    static CDSP_HK& Hotkeys(CDlgSysProps& sheet) { return dynamic_cast<CDSP_HK&>(*sheet.Page(kSysHotkeys)); }

    DialogRegistry registry_;
    SystemSettings record_;
    HotkeyTable table_{};
    HotkeyCommand commands_[2] = {{7, 8, 9, {}, 0, 0, {16, 16}, nullptr},
                                  {70, 80, 90, {}, 0, 0, {16, 16}, nullptr}};
    RecordingHostWindow window_;
    std::vector<QString> messages_;
    ScopedMessagePresenter answer_{[this](const MessageRequest& r) {
        messages_.push_back(r.text);
        return int{kMessageYes};
    }};
};

}  // namespace

// Apply tells the host and copies nothing back; Cancel after it leaves the host's record byte for byte
// (the hotkey table, which the page edits in place, excepted).
TEST_F(SysPropsSheet, ApplyTellsTheHostAndCancelLeavesTheRecordButNotTheTable)
{
    const SystemSettings before = record_;
    SystemSettings atApply{};
    EXPECT_EQ(Run([&](CDlgSysProps& sheet) {
                  CDSP_HK& page = Hotkeys(sheet);
                  ASSERT_EQ(page.CommandCount(), 2);
                  Control<QRadioButton>(sheet, kSpFixed)->setChecked(true);
                  Control<QCheckBox>(sheet, kSpGrid)->setChecked(true);
                  Control<QLineEdit>(sheet, kSpOutoValue1)->setText("42");
                  page.RunMenuCommand(kHkClearAllAsked);  // answered Yes
                  EXPECT_EQ(page.RowText(0), QString());
                  sheet.SelectTab(kSysAdvanced);
                  QTest::mouseClick(Control(sheet, kSheetApply), Qt::LeftButton);  // stores this page
                  atApply = sheet.Record();
                  sheet.SelectTab(kSysHotkeys);
                  Cancel(sheet);
              }),
              0);
    EXPECT_EQ(std::memcmp(&before, &record_, sizeof before), 0);
    EXPECT_NE(atApply.option_flags & OV_OPTION_GRID, 0u);
    EXPECT_EQ(table_.slots[1][3].command1, 0u);
    // The page asked once for the host's commands; Apply came last.
    ASSERT_EQ(window_.Messages().size(), 2u);
    const auto [message, wparam, lparam] = window_.Messages().back();
    EXPECT_EQ(window_.Messages().front().message, uint32_t{OV_MSG_HOTKEY_COMMANDS});
    EXPECT_EQ(std::tuple(message, wparam, lparam),
              std::tuple(uint32_t{OV_MSG_APPLY}, uintptr_t{1}, intptr_t{1}));
    EXPECT_EQ(RegKeyHandle(kSheetSettingsKey).ReadDword("InitPage0", 77), uint32_t{kSysAdvanced})
        << "Cancel writes no page";
}

TEST_F(SysPropsSheet, OkStoresWhatThePagesShow)
{
    record_.ar_value1 = 5;  // shown as 10 with the switch off
    const SystemSettings before = record_;
    const uint32_t otherFlags = record_.option_flags & ~0x7Eu;
    const int result = Run([&](CDlgSysProps& sheet) {
        Control<QRadioButton>(sheet, kSpFollow)->setChecked(true);
        Control<QCheckBox>(sheet, kSpCenterCross)->setChecked(false);
        Control<QCheckBox>(sheet, kSpGrid)->setChecked(false);
        Control<QLineEdit>(sheet, kSpNumber)->setText("2.5");
        Control<QCheckBox>(sheet, kSpAsf1)->setChecked(true);
        Control<QCheckBox>(sheet, kSpAsf2)->setChecked(false);
        Control<QCheckBox>(sheet, kSpOuto1)->setChecked(false);
        Control<QCheckBox>(sheet, kSpOuto2)->setChecked(true);
        Control<QLineEdit>(sheet, kSpOutoValue1)->setText("300");
        Control<QLineEdit>(sheet, kSpOutoValue2)->setText("20000");  // out of range: not taken over
        Control<QCheckBox>(sheet, kSpArSwitch)->setChecked(true);
        EXPECT_EQ(sheet.Record().ar_value1, 10) << "the switch stores its sign at once";
        Control<QLineEdit>(sheet, kSpArValue1)->setText("5000");  // clamped to 1000
        PressKey(sheet, Qt::Key_Return);
    });
    EXPECT_EQ(result, 0) << "the host rereads its record";
    EXPECT_EQ(record_.style_mode, 1u);
    EXPECT_EQ(record_.second_value, 2.5f);
    EXPECT_EQ(record_.option_flags,
              otherFlags | OV_OPTION_NO_CENTER_CROSS | OV_OPTION_ASF_1 | OV_OPTION_OUTO_1_OFF);
    EXPECT_EQ(record_.outo_value1, 300);
    EXPECT_EQ(std::memcmp(&record_.outo_value2, &before.outo_value2, 4), 0);
    EXPECT_EQ(record_.ar_value1, 1000);
    EXPECT_EQ(record_.hotkey_table, &table_);
    ASSERT_EQ(messages_.size(), 2u) << "one range message per bad value";
    EXPECT_TRUE(messages_[0].endsWith(QStringLiteral("0 ... 10"))) << messages_[0].toStdString();
}

// Clearing the selected command's keys edits the host's table in place and leaves the other command's.
TEST_F(SysPropsSheet, ClearingOneCommandLeavesTheOthersKeys)
{
    Run([&](CDlgSysProps& sheet) {
        sheet.SelectTab(kSysHotkeys);
        CDSP_HK& page = Hotkeys(sheet);
        const QRect list = page.ListRect();
        const int secondRow = list.top() + static_cast<int>(page.Rows().height) + 1;
        QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(list.left() + 5, secondRow));
        EXPECT_EQ(page.SelectedRow(), 1);
        page.RunMenuCommand(kHkClearCommand);
        EXPECT_EQ(page.RowText(1), QString());
        EXPECT_EQ(page.RowText(0), QStringLiteral("Ctrl+D  Alt+K"));
        Cancel(sheet);
    });
    EXPECT_EQ(table_.slots[0][0].command1, 0u);
    EXPECT_EQ(table_.slots[5][10].command1, 7u);
    EXPECT_TRUE(messages_.empty());
}
