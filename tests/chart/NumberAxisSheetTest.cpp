// The number axis sheet through the dispatcher: its axis range through Apply, Cancel and OK.
#include "chart/CDPP_Axis.h"
#include "chart/CDlgNumAxisPP.h"
#include "chart/NumberAxisSheet.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "host/Dispatch.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"
#include "tests/chart/SaneChartRecord.h"

#include <QLineEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace ov;
using namespace ovtest;

namespace {

class NumberAxisSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        registry_.numberAxis = [](ChartSheetCall& c) { return RunNumberAxisSheet(c); };
        record_ = PatternRecord<ChartRecord>(5);
        record_.kind = 5;
        MakePageFieldsSane(record_);
        SetStartTab(0);
    }
    static void SetStartTab(uint32_t tab) { RegKeyHandle(kSheetSettingsKey).WriteDword("InitPage4", tab); }
    int Run(const std::function<void(CDlgNumAxisPP&)>& act)
    {
        const GEEdtParams p{&record_, nullptr, window_.get(), OV_CODE_NUMBER_AXIS, nullptr};
        return RunModal([&] { return DispatchGEEdt(&p, registry_, [] { return true; }); },
                        [&](QDialog& d) { act(dynamic_cast<CDlgNumAxisPP&>(d)); });
    }
    static void TypeRange(CDlgNumAxisPP& sheet, const char* low, const char* high)
    {
        sheet.findChild<QLineEdit*>(ControlName(AxisControlId(OV_AXIS_X, kAxMin)))->setText(low);
        sheet.findChild<QLineEdit*>(ControlName(AxisControlId(OV_AXIS_X, kAxMax)))->setText(high);
    }

    DialogRegistry registry_;
    ChartRecord record_;
    RecordingHostWindow window_;
};

}  // namespace

// The frame's start tab and plain Cancel are the pie and X-Y sheets' tests; here the axis page's
// range goes through Apply, Cancel and OK.
TEST_F(NumberAxisSheet, OkStoresTheAxisAndCancelLeavesTheRecordAsAtApply)
{
    SetStartTab(2);
    EXPECT_EQ(Run([](CDlgNumAxisPP& sheet) {
                  TypeRange(sheet, "8", "2");
                  QTest::mouseClick(sheet.findChild<QWidget*>(ControlName(kSheetApply)), Qt::LeftButton);
                  TypeRange(sheet, "30", "20");
                  Cancel(sheet);
              }),
              0);
    EXPECT_EQ(record_.axes[OV_AXIS_X].range_min, 2.0f);
    EXPECT_EQ(record_.axes[OV_AXIS_X].range_max, 8.0f);
    ASSERT_EQ(window_.Messages().size(), 1u);
    EXPECT_EQ(window_.Messages()[0].message, kChartApplyMessage);
    EXPECT_EQ(window_.Messages()[0].lparam, 0);

    EXPECT_EQ(Run([](CDlgNumAxisPP& sheet) {
                  for (int tab = 0; tab < kAxisSlots; ++tab) sheet.SelectTab(tab);
                  TypeRange(sheet, "-1", "4");
                  PressKey(sheet, Qt::Key_Return);
              }),
              1);
    EXPECT_EQ(record_.axes[OV_AXIS_X].range_min, -1.0f);
    EXPECT_EQ(record_.axes[OV_AXIS_X].range_max, 4.0f);
}
