// The pie chart sheet through the dispatcher, driven as a user would: start tab, Cancel and Apply, OK,
// and the slice table (values through their text; the add, count and clear commands).
#include "chart/CDPE_LineFill.h"
#include "chart/CDPP_PieTable.h"
#include "chart/CDlgPiePP.h"
#include "chart/PieChartSheet.h"
#include "chart/PieSlices.h"
#include "framework/prompt/CDlgSetStrings.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "grid/CGridCtrl.h"
#include "host/Dispatch.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"
#include "tests/chart/SaneChartRecord.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cstring>

using namespace ov;
using namespace ovtest;

namespace {

class PieSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        registry_.pieChart = [](ChartSheetCall& c) { return RunPieChartSheet(c); };
        record_ = PatternRecord<ChartRecord>(11);
        record_.kind = 2;
        MakePageFieldsSane(record_);
        for (int i = 0; i < 3; ++i) AppendPieSlice(slices_, random_);
        SetStartTab(kPieTabGeneral);
    }
    void TearDown() override
    {
        while (ov_list_count(&slices_) > 0)
            DestroyPieSlice(static_cast<PieSlice*>(ov_list_remove_last(&slices_)));
    }
    static void SetStartTab(uint32_t tab) { RegKeyHandle(kSheetSettingsKey).WriteDword("InitPage2", tab); }
    int Run(const std::function<void(CDlgPiePP&)>& act, OvHostList* list = nullptr)
    {
        const GEEdtParams p{&record_, list ? list : &slices_, window_.get(), OV_CODE_PIE_CHART, nullptr};
        return RunModal([&] { return DispatchGEEdt(&p, registry_, [] { return true; }); },
                        [&](QDialog& d) { act(dynamic_cast<CDlgPiePP&>(d)); });
    }
    // Opens the table tab and acts on its page.
    int RunTable(const std::function<void(CDlgPiePP&, CDPP_PieTable&)>& act, OvHostList* list = nullptr)
    {
        return Run(
            [&](CDlgPiePP& sheet) {
                sheet.SelectTab(kPieTabTable);
                act(sheet, *dynamic_cast<CDPP_PieTable*>(sheet.Page(kPieSlotTable)));
            },
            list);
    }
    PieSlice& At(int index) { return *static_cast<PieSlice*>(ov_list_at(&slices_, index)); }
    // Runs a command that opens the Set Strings prompt and types the value into its row.
    static void AnswerPrompt(const std::function<void()>& command, const char* value)
    {
        RunModal(
            [&] {
                command();
                return 0;
            },
            [&](QDialog& prompt) {
                TypeInto(prompt, ControlName(kSsEdit), QString::fromUtf8(value));
                Click(prompt, ControlName(kSsOk));
            });
    }

    DialogRegistry registry_;
    ChartRecord record_;
    OvHostList slices_{};
    SliceRandom random_{3};
    RecordingHostWindow window_;
};

}  // namespace

TEST_F(PieSheet, StartTabIsClampedAndWrittenBackWithThePlacement)
{
    SetStartTab(7);
    int tab = -1;
    Run([&](CDlgPiePP& sheet) {
        tab = sheet.CurrentTab();
        EXPECT_TRUE(sheet.Page(kPieSlotTable)->isVisible());
        EXPECT_EQ(sheet.Page(kPieSlotGeneral), nullptr);
        sheet.SelectTab(kPieTabLegend);
        EXPECT_TRUE(sheet.Page(kPieSlotLegend)->isVisible());
        EXPECT_FALSE(sheet.Page(kPieSlotTable)->isVisible());
        Cancel(sheet);
    });
    EXPECT_EQ(tab, kPieTabTable);
    const RegKeyHandle key(kSheetSettingsKey);
    EXPECT_EQ(key.ReadDword("InitPage2", 77), 1u);
    EXPECT_GT(key.ReadDword("H", 0), 200u);
}

TEST_F(PieSheet, CancelLeavesTheRecordAndApplyThenCancelKeepsItAsAtApply)
{
    const ChartRecord before = record_;
    EXPECT_EQ(Run([](CDlgPiePP& sheet) {
                  for (int tab = 0; tab < kPieTabs; ++tab) sheet.SelectTab(tab);
                  sheet.Record().legend_spacing = 99;
                  Cancel(sheet);
              }),
              0);
    EXPECT_EQ(std::memcmp(&before, &record_, sizeof before), 0);
    EXPECT_TRUE(window_.Messages().empty());

    ChartRecord atApply{};
    Run([&](CDlgPiePP& sheet) {
        sheet.Record().pie_label_format = 3;
        QTest::mouseClick(sheet.findChild<QWidget*>(ControlName(kSheetApply)), Qt::LeftButton);
        atApply = sheet.Record();
        sheet.Record().pie_label_format = 4;
        Cancel(sheet);
    });
    EXPECT_EQ(std::memcmp(&atApply, &record_, sizeof atApply), 0);
    EXPECT_EQ(record_.pie_label_format, 3);
    ASSERT_EQ(window_.Messages().size(), 1u);
    EXPECT_EQ(window_.Messages()[0].message, kChartApplyMessage);
    EXPECT_EQ(window_.Messages()[0].wparam, 0u);
    EXPECT_EQ(window_.Messages()[0].lparam, 0);
}

TEST_F(PieSheet, OkStoresEveryPageAsItLoadedIt)
{
    const ChartRecord before = record_;
    EXPECT_EQ(Run([](CDlgPiePP& sheet) {
                  for (int tab = 0; tab < kPieTabs; ++tab) sheet.SelectTab(tab);
                  PressKey(sheet, Qt::Key_Return);
              }),
              1);
    EXPECT_EQ(std::memcmp(&before, &record_, sizeof before), 0);
}

TEST_F(PieSheet, ValuesPassThroughTheirTextOnlyOnceTheTableExists)
{
    At(0).value = 1.23456789f;
    Run([](CDlgPiePP& sheet) { Accept(sheet); });
    EXPECT_EQ(At(0).value, 1.23456789f);
    RunTable([](CDlgPiePP& sheet, CDPP_PieTable& table) {
        EXPECT_EQ(table.Grid().GetRowCount(), 4);
        EXPECT_EQ(table.Grid().GetItemText(0, 1), "Name");
        EXPECT_EQ(table.Grid().GetItemText(1, 2), "1.23457");
        EXPECT_EQ(table.Grid().GetItemText(3, 1), "PI_3");
        table.Grid().SetItemText(2, 1, QStringLiteral("West"));
        table.Grid().SetItemText(3, 2, QStringLiteral("x"));
        Accept(sheet);
    });
    EXPECT_EQ(At(0).value, 1.23457f);
    EXPECT_EQ(std::u16string(At(1).name), u"West");
    EXPECT_EQ(At(2).value, 0.0f);
}

TEST_F(PieSheet, AddCountAndClearCommands)
{
    RunTable([this](CDlgPiePP& sheet, CDPP_PieTable& table) {
        table.Grid().SetItemText(1, 1, QStringLiteral("Kept"));
        table.RunCommand(kPieAdd);
        ASSERT_EQ(ov_list_count(&slices_), 4);
        EXPECT_EQ(std::u16string(At(3).name), u"PI_4");
        EXPECT_EQ(std::u16string(At(0).name), u"Kept");  // typed names survive the rebuilt table
        EXPECT_EQ(table.Grid().GetSelectedCellRange().minRow, 4);
        EXPECT_TRUE(table.Grid().IsCellSelected(4, 1) && table.Grid().IsCellSelected(4, 2));
        EXPECT_TRUE(table.Editor().isVisibleTo(&table));
        AnswerPrompt([&] { table.RunCommand(kPieCount); }, "2");
        EXPECT_EQ(ov_list_count(&slices_), 2);
        EXPECT_EQ(table.Grid().GetRowCount(), 3);
        AnswerPrompt([&] { table.RunCommand(kPieCount); }, "5");
        EXPECT_EQ(std::u16string(At(4).name), u"PI_5");
        table.RunCommand(kPieClear);
        EXPECT_EQ(table.Grid().GetItemText(2, 1), "");
        EXPECT_EQ(table.Grid().GetItemText(0, 2), "Value");
        Accept(sheet);
    });
    ASSERT_EQ(ov_list_count(&slices_), 5);
    EXPECT_EQ(std::u16string(At(0).name), u"");
}
