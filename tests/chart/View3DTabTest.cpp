// The X-Y sheet's 3-D tab (kind 6) through the dispatcher: the view built at opening, the view state
// going to the record on OK and the view size to the 3-D host object also on Cancel, the projected
// model the host draws, and the place where the tool page joins.
#include "chart/CDlgXYPP.h"
#include "chart/DataSeriesObject.h"
#include "chart/View3DTab.h"
#include "chart/XYChartSheet.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "host/Dispatch.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"
#include "tests/chart/SaneChartRecord.h"
#include "view3d/ModelItems.h"
#include "view3d/ViewState.h"
#include "view3d/gl/COvOG.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace ov;
using namespace ovtest;

namespace {

// A tool page that counts how often the sheet stored it.
class CountingToolPage : public SheetPage {
public:
    using SheetPage::SheetPage;
    void Store() override { ++stores; }
    int stores = 0;
};

class View3DSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        registry_.xyChart = [](ChartSheetCall& c) { return RunXYChartSheet(c); };
        record_ = PatternRecord<ChartRecord>(3);
        MakePageFieldsSane(record_);
        record_.kind = 6;
        record_.style_3d = 0;
        record_.view_preset_3d = 0;
        for (int a = 0; a < 3; ++a) record_.axes[a].ratio_3d = 1;
        const float identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
        std::copy(identity, identity + 9, record_.view_state_3d);
        RegKeyHandle(kSheetSettingsKey).WriteDword("InitPage6", 6);
        // A helix: x, y and z columns.
        helix_ = CreateNumberedSeries(u"helix", 3, 40);
        for (int r = 0; r < 40; ++r) {
            helix_->values[r] = std::cos(r * 0.3);
            helix_->values[40 + r] = std::sin(r * 0.3);
            helix_->values[80 + r] = r * 0.05;
        }
        object_.series_list = series_.get();
    }
    void TearDown() override
    {
        SetView3DToolPageFactory(nullptr);
        FreeModelItems(object_.items);
        DestroyDataSeries(helix_);
    }
    int Run(const std::function<void(CDlgXYPP&, View3DTab&)>& act)
    {
        HostList list = HostList::Pointers({&object_, &context_});
        const GEEdtParams p{&record_, list.get(), window_.get(), 1, nullptr};
        return RunModal([&] { return DispatchGEEdt(&p, registry_, [] { return true; }); },
                        [&](QDialog& d) {
                            auto& sheet = dynamic_cast<CDlgXYPP&>(d);
                            auto* tab = dynamic_cast<View3DTab*>(sheet.Page(kSlot3D));
                            ASSERT_NE(tab, nullptr);
                            act(sheet, *tab);
                        });
    }

    DialogRegistry registry_;
    ChartRecord record_{};
    DataSeries* helix_ = nullptr;
    HostList series_;
    Host3DObject object_{};
    DrawingContext context_{};
    RecordingHostWindow window_;
};

}  // namespace

TEST_F(View3DSheet, CancelLeavesTheRecordButHandsTheViewSizeToTheObject)
{
    ov_list_append(series_.get(), helix_);
    const ChartRecord before = record_;
    float width = 0, height = 0;
    EXPECT_EQ(Run([&](CDlgXYPP& sheet, View3DTab& tab) {
                  EXPECT_EQ(sheet.CurrentTab(), 6);
                  tab.View().ResetView(false);  // turned to the default orientation
                  width = tab.View().ViewWidth();
                  height = tab.View().ViewHeight();
                  Cancel(sheet);
              }),
              0);
    EXPECT_EQ(std::memcmp(&before, &record_, sizeof before), 0);
    EXPECT_GT(width, 100.0f);
    EXPECT_GT(height, 100.0f);
    EXPECT_EQ(object_.view_width, width);
    EXPECT_EQ(object_.view_height, height);
}

TEST_F(View3DSheet, OkStoresTheRotationAndLeavesTheModelProjectedBackToFront)
{
    ov_list_append(series_.get(), helix_);
    EXPECT_EQ(Run([&](CDlgXYPP& sheet, View3DTab& tab) {
                  tab.View().ResetView(false);
                  // The view fills the left part of the page area, as high as the page.
                  const QRect view = tab.View().HasContext() ? tab.View().geometry()
                                                             : tab.View().MessageWidget()->geometry();
                  EXPECT_EQ(view.height(), tab.height());
                  EXPECT_EQ(view.width(), tab.height() * 270 / 256);
                  EXPECT_EQ(tab.View().ViewWidth(), float(view.width()));
                  Accept(sheet);
              }),
              1);
    EXPECT_TRUE(std::equal(record_.view_state_3d, record_.view_state_3d + 9, kDefaultRotation.begin()));
    const std::vector<ModelItem*> items = ModelItemsOf(object_.items);
    ASSERT_FALSE(items.empty());
    // Window coordinates inside the view, y negated, depth in 0 ... 1.
    for (const ModelItem* item : items) {
        for (int k = 0; k < item->count; ++k) {
            EXPECT_GE(item->points[k].x, 0.0f);
            EXPECT_LE(item->points[k].x, object_.view_width);
            EXPECT_LE(item->points[k].y, 0.0f);
        }
        EXPECT_GT(item->mean_depth, 0.0f);
        EXPECT_LT(item->mean_depth, 1.0f);
    }
    for (std::size_t k = 1; k < items.size(); ++k) EXPECT_GE(items[k - 1]->mean_depth, items[k]->mean_depth);
}

TEST_F(View3DSheet, ToolPageJoinsBesideTheViewAndStoresWithTheSheet)
{
    CountingToolPage* tool = nullptr;
    SetView3DToolPageFactory([&](QWidget* parent, ChartRecord& record, COvOG& view) -> SheetPage* {
        EXPECT_EQ(record.kind, 6);
        EXPECT_NE(&view, nullptr);
        tool = new CountingToolPage(parent);
        return tool;
    });
    EXPECT_EQ(Run([&](CDlgXYPP& sheet, View3DTab& tab) {
                  ASSERT_EQ(tab.ToolPage(), tool);
                  const QRect view = tab.View().HasContext() ? tab.View().geometry()
                                                             : tab.View().MessageWidget()->geometry();
                  EXPECT_EQ(tool->geometry().left(), view.right() + 1);
                  EXPECT_EQ(tool->geometry().right(), tab.width() - 1);
                  EXPECT_TRUE(tool->isVisible());
                  sheet.SelectTab(0);
                  EXPECT_FALSE(tool->isVisible());
                  QTest::mouseClick(sheet.findChild<QWidget*>(ControlName(kXYApply)), Qt::LeftButton);
                  EXPECT_EQ(tool->stores, 1);
                  Accept(sheet);
              }),
              1);
}
