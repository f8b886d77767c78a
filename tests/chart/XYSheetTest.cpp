// The X-Y property sheet through the dispatcher, driven as a user would: copy-back on OK, Apply and
// Cancel, start tab and placement values, the chart-style page writing to every selected series and the
// pages' edits (an axis hidden takes its series back to the first coordinate system).
#include "chart/CDPP_Axis.h"
#include "chart/CDPP_ChartStyle.h"
#include "chart/CDPP_DSList.h"
#include "chart/CDPP_General.h"
#include "chart/CDPP_TickGrid.h"
#include "chart/CDlgXYPP.h"
#include "chart/DataSeriesObject.h"
#include "chart/XYChartSheet.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "host/Dispatch.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"
#include "tests/chart/SaneChartRecord.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cstring>

using namespace ov;
using namespace ovtest;

namespace {

class XYSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        registry_.xyChart = [](ChartSheetCall& c) { return RunXYChartSheet(c); };
        for (auto& s : series_) s = CreateDataSeries();
        record_ = PatternRecord<ChartRecord>(7);
        record_.kind = 2;
        MakePageFieldsSane(record_);
        SetStartTab("InitPage1", 0);
    }
    void TearDown() override
    {
        for (DataSeries* s : series_) DestroyDataSeries(s);
    }
    static void SetStartTab(std::string_view name, uint32_t tab)
    {
        RegKeyHandle(kSheetSettingsKey).WriteDword(name, tab);
    }
    int Run(const std::function<void(CDlgXYPP&)>& act)
    {
        HostList list = HostList::Pointers({series_[0], series_[1], series_[2], &context_});
        const GEEdtParams p{&record_, list.get(), window_.get(), 1, nullptr};
        return RunModal([&] { return DispatchGEEdt(&p, registry_, [] { return true; }); },
                        [&](QDialog& d) { act(dynamic_cast<CDlgXYPP&>(d)); });
    }
    static void TypeNumber(CDlgXYPP& sheet, int id, const QString& text)
    {
        auto* edit = sheet.findChild<QLineEdit*>(ControlName(id));
        edit->setText(text);
        Q_EMIT edit->editingFinished();
    }
    static QTreeWidget* SeriesRows(CDlgXYPP& sheet)
    {
        return sheet.findChild<QTreeWidget*>(ControlName(kSeriesListControl));
    }

    DialogRegistry registry_;
    ChartRecord record_;
    DrawingContext context_{};
    DataSeries* series_[3]{};
    RecordingHostWindow window_;
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

TEST_F(XYSheet, CancelKeepsSeriesEditsAndTheRecordAsAtApply)
{
    SetStartTab("InitPage1", 5);
    ChartRecord atApply{};
    EXPECT_EQ(Run([&](CDlgXYPP& sheet) {
                  TypeNumber(sheet, kCsMarkerSize, "9");
                  sheet.Record().caption[0] = u'A';
                  QTest::mouseClick(sheet.findChild<QWidget*>(ControlName(kXYApply)), Qt::LeftButton);
                  atApply = sheet.Record();
                  sheet.Record().caption[0] = u'B';
                  Cancel(sheet);
              }),
              0);
    EXPECT_EQ(std::memcmp(&atApply, &record_, sizeof atApply), 0);
    EXPECT_EQ(record_.caption[0], u'A');
    EXPECT_EQ(series_[0]->marker_size, 9.0f);
    EXPECT_EQ(series_[1]->marker_size, 6.0f);
    ASSERT_EQ(window_.Messages().size(), 1u);
    EXPECT_EQ(window_.Messages()[0].message, 0x1980u);
    EXPECT_EQ(window_.Messages()[0].lparam, 0);
}

TEST_F(XYSheet, StartTabPerKindAndSettingsWrittenOnClose)
{
    struct Case {
        uint8_t kind;
        const char* value;
        uint32_t stored;
        int tab;
    } cases[] = {{2, "InitPage1", 6, 5}, {4, "InitPage5", 3, 3}, {2, "InitPage1", 99, 5}};
    for (const Case& c : cases) {
        record_.kind = c.kind;
        SetStartTab(c.value, c.stored);
        QString title;
        Run([&](CDlgXYPP& sheet) {
            EXPECT_EQ(sheet.CurrentTab(), c.tab);
            title = sheet.windowTitle();
            sheet.SelectTab(1);
            Cancel(sheet);
        });
        EXPECT_EQ(title == "Glyph Properties", c.kind != 4) << title.toStdString();
        const RegKeyHandle key(kSheetSettingsKey);
        EXPECT_EQ(key.ReadDword(c.value, 77), 1u);
        EXPECT_GT(key.ReadDword("W", 0), 300u);
    }
}

TEST_F(XYSheet, ChartStyleWritesToEverySelectedSeries)
{
    SetStartTab("InitPage1", 5);
    series_[2]->marker_size = 3;
    Run([&](CDlgXYPP& sheet) {
        SeriesRows(sheet)->selectAll();
        EXPECT_EQ(sheet.CurrentSeries(), series_[0]);
        TypeNumber(sheet, kCsMarkerSize, "12");
        auto* page = static_cast<CDPP_ChartStyle*>(sheet.Page(kSlotChartStyle));
        page->OnChartType(5);  // bubble
        EXPECT_TRUE(page->Groups().bubble);
        EXPECT_FALSE(page->findChild<QWidget*>(ControlName(kCsMarker))->isVisibleTo(page));
        static_cast<CDPP_DSList*>(sheet.Page(kSlotSeriesList))->SelectRow(2);
        EXPECT_EQ(sheet.CurrentSeries(), series_[2]);
        EXPECT_EQ(page->findChild<QLineEdit*>(ControlName(kCsMarkerSize))->text(), "12");
        Accept(sheet);
    });
    for (DataSeries* s : series_) {
        EXPECT_EQ(s->marker_size, 12.0f);
        EXPECT_EQ(SeriesType(*s), 4);
    }
}

TEST_F(XYSheet, PageEditsReachTheRecordAndTheHost)
{
    record_.axes[OV_AXIS_Y2].shown = 1;
    SetSeriesSystem(*series_[0], kSystemXY2);
    Run([&](CDlgXYPP& sheet) {
        sheet.SelectTab(1);
        sheet.findChild<QPushButton*>(ControlName(kTgResetScale))->click();
        sheet.SelectTab(5);
        sheet.SelectTab(3);
        sheet.findChild<QLineEdit*>(ControlName(AxisControlId(OV_AXIS_Y, kAxMax)))->setText("8");
        sheet.findChild<QCheckBox*>(ControlName(AxisControlId(OV_AXIS_Y2, kAxCheck)))->click();
        EXPECT_EQ(SeriesSystem(*series_[0]), kSystemXY);
        EXPECT_FALSE(sheet.findChild<QRadioButton*>(ControlName(kCsSystem + 1))->isEnabled());
        Accept(sheet);
    });
    EXPECT_EQ(record_.axes[OV_AXIS_Y].range_max, 8.0f);
    EXPECT_EQ(record_.axes[OV_AXIS_Y2].shown, 0);
    ASSERT_EQ(window_.Messages().size(), 1u);
    EXPECT_EQ(window_.Messages()[0].message, 0x1980u);
    EXPECT_EQ(window_.Messages()[0].lparam, 1);
}
