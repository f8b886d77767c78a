// The number axis sheet through the dispatcher: its axis range through Apply, Cancel and OK.
#include "chart/CDPP_Axis.h"
#include "chart/CDlgNumAxisPP.h"
#include "tests/chart/ChartSheetKit.h"

#include <QLineEdit>

using namespace ov;
using namespace ovtest;

namespace {

class NumberAxisSheet : public ChartSheetTest {
protected:
    int Run(const std::function<void(CDlgNumAxisPP&)>& act)
    {
        return RunSheet(nullptr, OV_CODE_NUMBER_AXIS, act);
    }
    static void TypeRange(CDlgNumAxisPP& sheet, const char* low, const char* high)
    {
        sheet.findChild<QLineEdit*>(ControlName(AxisControlId(OV_AXIS_X, kAxMin)))->setText(low);
        sheet.findChild<QLineEdit*>(ControlName(AxisControlId(OV_AXIS_X, kAxMax)))->setText(high);
    }
};

}  // namespace

// The frame's start tab and plain Cancel are the pie and X-Y sheets' tests; here the axis page's
// range goes through Apply, Cancel and OK.
TEST_F(NumberAxisSheet, OkStoresTheAxisAndCancelLeavesTheRecordAsAtApply)
{
    UseSaneRecord(5, 5);
    SetStartTab("InitPage4", 2);
    EXPECT_EQ(Run([](CDlgNumAxisPP& sheet) {
                  TypeRange(sheet, "8", "2");
                  ClickApply(sheet);
                  TypeRange(sheet, "30", "20");
                  Cancel(sheet);
              }),
              0);
    EXPECT_EQ(record_.axes[OV_AXIS_X].range_min, 2.0f);
    EXPECT_EQ(record_.axes[OV_AXIS_X].range_max, 8.0f);
    EXPECT_EQ(MessagesText(), "1980 0 0");

    EXPECT_EQ(Run([](CDlgNumAxisPP& sheet) {
                  for (int tab = 0; tab < kAxisSlots; ++tab) sheet.SelectTab(tab);
                  TypeRange(sheet, "-1", "4");
                  PressKey(sheet, Qt::Key_Return);
              }),
              1);
    EXPECT_EQ(record_.axes[OV_AXIS_X].range_min, -1.0f);
    EXPECT_EQ(record_.axes[OV_AXIS_X].range_max, 4.0f);
}
