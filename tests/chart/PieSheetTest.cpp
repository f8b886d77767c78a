// The pie chart sheet through the dispatcher, driven as a user would: Cancel and Apply, OK (values
// through their text once the table exists), and the table's add, count and clear commands. Its start
// tab is in the X-Y sheet's start tab table.
#include "chart/CDPE_LineFill.h"
#include "chart/CDPP_PieTable.h"
#include "chart/CDlgPiePP.h"
#include "chart/PieSlices.h"
#include "grid/CGridCtrl.h"
#include "testhost/PromptAnswers.h"
#include "tests/chart/ChartSheetKit.h"

#include <cstring>

using namespace ov;
using namespace ovtest;

namespace {

class PieSheet : public ChartSheetTest {
protected:
    void SetUp() override
    {
        ChartSheetTest::SetUp();
        UseSaneRecord(11, 2);
        for (int i = 0; i < 3; ++i) AppendPieSlice(slices_, random_);
        SetStartTab("InitPage2", kPieTabGeneral);
    }
    void TearDown() override
    {
        while (ov_list_count(&slices_) > 0)
            DestroyPieSlice(static_cast<PieSlice*>(ov_list_remove_last(&slices_)));
    }
    int Run(const std::function<void(CDlgPiePP&)>& act) { return RunSheet(&slices_, OV_CODE_PIE_CHART, act); }
    PieSlice& At(int index) { return *static_cast<PieSlice*>(ov_list_at(&slices_, index)); }

    OvHostList slices_{};
    SliceRandom random_{3};
};

}  // namespace

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
    EXPECT_EQ(MessagesText(), "");

    ChartRecord atApply{};
    Run([&](CDlgPiePP& sheet) {
        sheet.Record().pie_label_format = 3;
        ClickApply(sheet);
        atApply = sheet.Record();
        sheet.Record().pie_label_format = 4;
        Cancel(sheet);
    });
    EXPECT_EQ(std::memcmp(&atApply, &record_, sizeof atApply), 0);
    EXPECT_EQ(record_.pie_label_format, 3);
    EXPECT_EQ(MessagesText(), "1980 0 0");  // the chart Apply message
}

// OK stores every page as it loaded it; slice values pass through their table text only once the
// table was built.
TEST_F(PieSheet, OkStoresEveryPageAsItLoadedIt)
{
    const ChartRecord before = record_;
    At(0).value = 1.23456789f;
    Run([](CDlgPiePP& sheet) { Accept(sheet); });
    EXPECT_EQ(At(0).value, 1.23456789f);
    EXPECT_EQ(Run([](CDlgPiePP& sheet) {
                  for (int tab = 0; tab < kPieTabs; ++tab) sheet.SelectTab(tab);
                  PressKey(sheet, Qt::Key_Return);
              }),
              1);
    EXPECT_EQ(std::memcmp(&before, &record_, sizeof before), 0);
    EXPECT_EQ(At(0).value, 1.23457f);
}

TEST_F(PieSheet, AddCountAndClearCommands)
{
    At(1).value = 5;
    Run([this](CDlgPiePP& sheet) {
        sheet.SelectTab(kPieTabTable);
        auto& table = *dynamic_cast<CDPP_PieTable*>(sheet.Page(kPieSlotTable));
        EXPECT_EQ(table.Grid().GetItemText(3, 1), "PI_3");
        table.Grid().SetItemText(1, 1, QStringLiteral("Kept"));
        table.Grid().SetItemText(2, 2, QStringLiteral("x"));
        table.RunCommand(kPieAdd);
        ASSERT_EQ(ov_list_count(&slices_), 4);
        EXPECT_EQ(std::u16string(At(3).name), u"PI_4");
        EXPECT_EQ(std::u16string(At(0).name), u"Kept");  // typed texts survive the rebuilt table
        EXPECT_EQ(At(1).value, 0.0f);
        AnswerPrompt([&] { table.RunCommand(kPieCount); }, {"2"});
        EXPECT_EQ(ov_list_count(&slices_), 2);
        EXPECT_EQ(table.Grid().GetRowCount(), 3);
        AnswerPrompt([&] { table.RunCommand(kPieCount); }, {"5"});
        EXPECT_EQ(std::u16string(At(4).name), u"PI_5");
        table.RunCommand(kPieClear);
        EXPECT_EQ(table.Grid().GetItemText(2, 1), "");
        Accept(sheet);
    });
    ASSERT_EQ(ov_list_count(&slices_), 5);
    EXPECT_EQ(std::u16string(At(0).name), u"");
}
