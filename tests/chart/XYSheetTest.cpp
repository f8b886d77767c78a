// The X-Y property sheet through the dispatcher, driven as a user would: copy-back on OK, Apply and
// Cancel with the chart-style page writing to every selected series, and the start tab of the X-Y and
// pie sheets and their placement values.
#include "chart/CDPP_ChartStyle.h"
#include "chart/CDPP_DSList.h"
#include "chart/CDlgPiePP.h"
#include "chart/CDlgXYPP.h"
#include "chart/ChartSheet.h"
#include "chart/DataSeriesObject.h"
#include "tests/chart/ChartSheetKit.h"

#include <QLineEdit>
#include <QTreeWidget>

#include <cstring>
#include <tuple>

using namespace ov;
using namespace ovtest;

namespace {

class XYSheet : public ChartSheetTest {
protected:
    void SetUp() override
    {
        ChartSheetTest::SetUp();
        for (auto& s : series_) s = CreateDataSeries();
        UseSaneRecord(7, 2);
        SetStartTab("InitPage1", 0);
    }
    void TearDown() override
    {
        for (DataSeries* s : series_) DestroyDataSeries(s);
    }
    int Run(const std::function<void(CDlgXYPP&)>& act)
    {
        HostList list = HostList::Pointers({series_[0], series_[1], series_[2], &context_});
        return RunSheet(list.get(), 1, act);
    }

    DrawingContext context_{};
    DataSeries* series_[3]{};
};

}  // namespace

TEST_F(XYSheet, EnterCopiesTheRecordBackByteForByteAfterEveryTabWasBuilt)
{
    const ChartRecord before = record_;
    EXPECT_EQ(Run([](CDlgXYPP& sheet) {
                  for (int tab = 0; tab <= 6; ++tab) sheet.SelectTab(tab);
                  EXPECT_EQ(sheet.CurrentTab(), 5);
                  PressKey(sheet, Qt::Key_Return);  // Enter on a page closes with OK
              }),
              1);
    EXPECT_EQ(std::memcmp(&before, &record_, sizeof before), 0);
}

// The chart-style page writes at once to every selected series; Cancel keeps those edits and the
// record as at Apply.
TEST_F(XYSheet, CancelKeepsSeriesEditsAndTheRecordAsAtApply)
{
    SetStartTab("InitPage1", 5);
    ChartRecord atApply{};
    EXPECT_EQ(Run([&](CDlgXYPP& sheet) {
                  sheet.findChild<QTreeWidget*>(ControlName(kSeriesListControl))
                      ->topLevelItem(2)
                      ->setSelected(true);
                  auto* markerSize = sheet.findChild<QLineEdit*>(ControlName(kCsMarkerSize));
                  markerSize->setText("9");
                  Q_EMIT markerSize->editingFinished();
                  sheet.Record().caption[0] = u'A';
                  ClickApply(sheet);
                  atApply = sheet.Record();
                  sheet.Record().caption[0] = u'B';
                  Cancel(sheet);
              }),
              0);
    EXPECT_EQ(std::memcmp(&atApply, &record_, sizeof atApply), 0);
    EXPECT_EQ(record_.caption[0], u'A');
    EXPECT_EQ(std::tuple(series_[0]->marker_size, series_[1]->marker_size, series_[2]->marker_size),
              std::tuple(9.0f, 6.0f, 9.0f));
    EXPECT_EQ(MessagesText(), "1980 0 0");
}

// The start tab is the remembered one clamped to the sheet's tabs (the X-Y sheet remembers one per
// kind group, the pie sheet its own); the tab shown last and the placement are written back on close.
TEST_F(XYSheet, StartTabPerSheetAndKindAndSettingsWrittenOnClose)
{
    OvHostList noSlices{};
    struct Case {
        uint32_t code;
        uint8_t kind;
        const char* value;
        uint32_t stored;
        int tab;
    } cases[] = {{1, 2, "InitPage1", 6, 5},
                 {1, 4, "InitPage5", 3, 3},
                 {1, 2, "InitPage1", 99, 5},
                 {OV_CODE_PIE_CHART, 2, "InitPage2", 7, kPieTabTable}};
    for (const Case& c : cases) {
        record_.kind = c.kind;
        SetStartTab(c.value, c.stored);
        QString title;
        HostList series = HostList::Pointers({series_[0], &context_});
        RunSheet<ChartSheet>(c.code == 1 ? series.get() : &noSlices, c.code, [&](ChartSheet& sheet) {
            EXPECT_EQ(sheet.CurrentTab(), c.tab);
            title = sheet.windowTitle();
            sheet.SelectTab(1);
            Cancel(sheet);
        });
        EXPECT_EQ(title == "Glyph Properties", c.kind != 4) << title.toStdString();
        const RegKeyHandle key(kSheetSettingsKey);
        EXPECT_EQ(key.ReadDword(c.value, 77), 1u) << c.value;
        EXPECT_GT(key.ReadDword("W", 0), 300u);
        EXPECT_GT(key.ReadDword("H", 0), 200u);
    }
}
