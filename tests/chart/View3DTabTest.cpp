// The X-Y sheet's 3-D tab (kind 6) through the dispatcher: the view state going to the record on OK
// and the view size to the 3-D host object also on Cancel, the projected model the host draws, and
// the tool page stored on OK.
#include "chart/CDlgXYPP.h"
#include "chart/DataSeriesObject.h"
#include "chart/View3DTab.h"
#include "tests/chart/ChartSheetKit.h"
#include "view3d/ModelItems.h"
#include "view3d/ViewState.h"
#include "view3d/gl/COvOG.h"

#include <cmath>
#include <cstring>

using namespace ov;
using namespace ovtest;

namespace {

class View3DSheet : public ChartSheetTest {
protected:
    void SetUp() override
    {
        ChartSheetTest::SetUp();
        UseSaneRecord(3, 6);
        record_.style_3d = 0;
        for (int a = 0; a < 3; ++a) record_.axes[a].ratio_3d = 1;
        std::fill(std::begin(record_.view_state_3d), std::end(record_.view_state_3d), 0.5f);
        SetStartTab("InitPage6", 6);
        helix_ = CreateNumberedSeries(u"helix", 3, 40);  // x, y and z columns
        for (int r = 0; r < 40; ++r) {
            helix_->values[r] = std::cos(r * 0.3);
            helix_->values[40 + r] = std::sin(r * 0.3);
            helix_->values[80 + r] = r * 0.05;
        }
        ov_list_append(series_.get(), helix_);
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
        return RunSheet<CDlgXYPP>(list.get(), 1, [&](CDlgXYPP& sheet) {
            auto* tab = dynamic_cast<View3DTab*>(sheet.Page(kSlot3D));
            ASSERT_NE(tab, nullptr);
            EXPECT_EQ(sheet.CurrentTab(), 6);
            act(sheet, *tab);
        });
    }

    DataSeries* helix_ = nullptr;
    HostList series_;
    Host3DObject object_{};
    DrawingContext context_{};
};

}  // namespace

// Cancel leaves the record but hands the view size to the object; OK stores the rotation and the
// tool page and leaves the model projected for the host.
TEST_F(View3DSheet, CancelHandsOnTheViewSizeOkStoresTheRotationAndTheToolPageAndProjectsTheModel)
{
    const ChartRecord before = record_;
    QRect area;
    EXPECT_EQ(Run([&](CDlgXYPP& sheet, View3DTab& tab) {
                  tab.View().ResetView(false);  // turned to the default orientation
                  // Where the view shows: the widget itself, or the message in its place without GL.
                  area = tab.View().HasContext() ? tab.View().geometry()
                                                 : tab.View().MessageWidget()->geometry();
                  Cancel(sheet);
              }),
              0);
    EXPECT_EQ(std::memcmp(&before, &record_, sizeof before), 0);
    EXPECT_EQ(object_.view_width, float(area.width()));
    EXPECT_EQ(object_.view_height, float(area.height()));

    struct CountingToolPage : SheetPage {
        using SheetPage::SheetPage;
        void Store() override { ++stores; }
        int stores = 0;
    };
    CountingToolPage* tool = nullptr;
    SetView3DToolPageFactory([&](QWidget* parent, ChartRecord& record, COvOG&) -> SheetPage* {
        EXPECT_EQ(&record, &dynamic_cast<CDlgXYPP*>(parent->window())->Record());
        return tool = new CountingToolPage(parent);
    });
    EXPECT_EQ(Run([&](CDlgXYPP& sheet, View3DTab& tab) {
                  tab.View().ResetView(false);
                  ASSERT_EQ(tab.ToolPage(), tool);
                  Accept(sheet);
                  EXPECT_EQ(tool->stores, 1);
              }),
              1);
    EXPECT_TRUE(std::equal(record_.view_state_3d, record_.view_state_3d + 9, kDefaultRotation.begin()));
    // Back to front.
    const std::vector<ModelItem*> items = ModelItemsOf(object_.items);
    ASSERT_FALSE(items.empty());
    EXPECT_GE(items.front()->mean_depth, items.back()->mean_depth);
    EXPECT_GT(items.back()->mean_depth, 0.0f);
    EXPECT_LE(items.front()->points[0].y, 0.0f);  // window y negated
}
