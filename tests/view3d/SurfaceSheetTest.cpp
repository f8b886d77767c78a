// The 3-D surface sheet through the dispatcher: start tab, OK, Cancel and Apply, the data page's
// range edits and cells.
#include "chart/View3DTab.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "grid/CGridCtrl.h"
#include "host/Dispatch.h"
#include "testhost/Controls.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"
#include "tests/chart/SaneChartRecord.h"
#include "view3d/ModelItems.h"
#include "view3d/SurfaceData.h"
#include "view3d/ui/CDPP_3DS.h"
#include "view3d/ui/CDPP_3DSTool.h"
#include "view3d/ui/CDlg3DSPP.h"
#include "view3d/ui/SurfaceSheet.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

using namespace ov;
using namespace ovtest;

namespace {

class SurfaceSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        registry_.surface = [](ChartSheetCall& c) { return RunSurfaceSheet(c); };
        InstallSurfaceToolPage();
        record_ = PatternRecord<ChartRecord>(4);
        record_.kind = 4;
        MakePageFieldsSane(record_);
        // Fields the view reads back as it found them: a projection mode, a rotation, scaled ratios.
        record_.style_3d = 0;
        record_.view_preset_3d = 4;
        const float identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
        std::memcpy(record_.view_state_3d, identity, sizeof identity);
        for (int axis = 0; axis < 3; ++axis) record_.axes[axis].ratio_3d = axis == 0 ? 1.0f : 0.5f;
        const double values[] = {3.14159265, 1, 2, 3, 4, 5};
        SetSurfaceData(grid_, values, 3, 2, 0, 2, 10, 20);
        object_.surface = &grid_;
        grid_.host3d = &object_;
        SetStartTab(kSurfSlotData);
    }
    void TearDown() override
    {
        FreeModelItems(object_.items);
        FreeSurfaceData(&grid_);
    }
    static void SetStartTab(uint32_t tab) { RegKeyHandle(kSheetSettingsKey).WriteDword("InitPage3", tab); }
    int Run(const std::function<void(CDlg3DSPP&)>& act)
    {
        HostList list = HostList::Pointers({&grid_});
        const GEEdtParams p{&record_, list.get(), window_.get(), OV_CODE_SURFACE, nullptr};
        return RunModal([&] { return DispatchGEEdt(&p, registry_, [] { return true; }); },
                        [&](QDialog& d) { act(dynamic_cast<CDlg3DSPP&>(d)); });
    }
    static CDPP_3DS& DataPage(CDlg3DSPP& sheet)
    {
        sheet.SelectTab(kSurfSlotData);
        return dynamic_cast<CDPP_3DS&>(*sheet.Page(kSurfSlotData));
    }
    static CDPP_3DSTool& ToolPage(CDlg3DSPP& sheet)
    {
        sheet.SelectTab(kSurfSlot3D);
        return dynamic_cast<CDPP_3DSTool&>(*sheet.ViewTab()->ToolPage());
    }

    DialogRegistry registry_;
    ChartRecord record_;
    SurfaceGrid grid_{};
    Host3DObject object_{};
    RecordingHostWindow window_;
};

}  // namespace

TEST_F(SurfaceSheet, CancelKeepsTheHostRecordAndApplyHandsOverOnlyWhatWasApplied)
{
    SetStartTab(9);  // a stored start tab past the last opens the 3-D tab; the data page waits
    const ChartRecord before = record_;  // every page built, nothing changed before Apply
    EXPECT_EQ(Run([](CDlg3DSPP& sheet) {
                  EXPECT_TRUE(sheet.CurrentTab() == kSurfSlot3D && !sheet.Page(kSurfSlotData));
                  for (int tab = 0; tab < kSurfSlots; ++tab) sheet.SelectTab(tab);
                  Click(sheet, ControlName(kSheetApply));
                  ToolPage(sheet).OnStyleCommand(kStFirstStyleCommand + 2);
                  Cancel(sheet);
              }),
              0);
    EXPECT_EQ(std::memcmp(&before, &record_, sizeof before), 0);
    ASSERT_EQ(window_.Messages().size(), 1u);
    const HostMessage& m = window_.Messages()[0];
    EXPECT_EQ(std::tuple(m.message, m.wparam, m.lparam), std::tuple(kChartApplyMessage, 0u, 0));

    Run([](CDlg3DSPP& sheet) {
        ToolPage(sheet).OnStyleCommand(kStFirstStyleCommand + 3);
        Click(sheet, ControlName(kSheetApply));
        ToolPage(sheet).OnViewCommand(1);
        Cancel(sheet);
    });
    EXPECT_EQ(std::pair(record_.style_3d, record_.view_preset_3d), std::pair(uint8_t{3}, uint8_t{4}));
}

TEST_F(SurfaceSheet, RangeEditsRelabelAndShownValuesAreStoredAsTheirTexts)
{
    EXPECT_EQ(Run([](CDlg3DSPP& sheet) {
                  CGridCtrl& grid = DataPage(sheet).Grid();
                  TypeInto(sheet, ControlName(kSdRangeEdit + kRangeXMax), "2*pi");
                  EXPECT_EQ(grid.GetItemText(3, 0), "6.28319");
                  EXPECT_EQ(grid.GetItemText(2, 0), "3.14159");
                  Accept(sheet);
              }),
              1);
    EXPECT_EQ(std::tuple(grid_.x_max, grid_.values[0], grid_.values[5]),
              std::tuple(6.283185307179586, 3.14159, 5.0));
}
