// The Magnets dialog through the entry point's dispatch: the table and the magnets kept in step, the
// host's notifications, the generators through their prompt, the list's deletions, copy mode and its
// options, and dropped magnets. (A null record: the dispatch tests.)
#include "MagnetTestKit.h"
#include "framework/prompt/CDlgSetStrings.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "grid/CGridCtrl.h"
#include "host/Dispatch.h"
#include "magnets/CDialogMM.h"
#include "magnets/MagnetPatternSettings.h"
#include "magnets/MagnetsDialog.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"
#include "testhost/PromptAnswers.h"

#include <QAbstractButton>
#include <QListWidget>

#include <gtest/gtest.h>

namespace {

using namespace ov;
using namespace ov::testkit;
using namespace ovtest;

class MagnetsDialog : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        registry_.magnets = [](MagnetsCall& c) { return RunMagnetsDialog(c.parent, c.viewWindow, c.record); };
        RegKeyHandle(kAppSettingsKey).WriteDword("MUnits", 0);
        record_.origin_x = 100;
        record_.origin_y = 200;
        record_.scale = 2 * UnitFactor(0);  // s = 2
        first_ = AppendMagnet(record_, u"M_01");
        first_->SetPositions(std::vector<OvPointF>{{100, 200}, {110, 190}});
        second_ = AppendMagnet(record_, u"M_02");
        second_->SetPositions(std::vector<OvPointF>{{120, 180}});
        record_.scale_angle = pairs_.Handle();
    }
    int Run(const std::function<void(CDialogMM&)>& act)
    {
        return RunModal(
            [&] { return DispatchGMagnet(window_.get(), &record_, registry_, [] { return true; }); },
            [&](QDialog& d) { act(dynamic_cast<CDialogMM&>(d)); });
    }
    static void Type(CDialogMM& dialog, int row, int col, const QString& text)
    {
        QAbstractItemModel* model = dialog.Table().model();
        ASSERT_TRUE(model->setData(model->index(row - 1, col - 1), text, Qt::EditRole));
    }
    size_t Notifications() const
    {
        size_t n = 0;
        for (const HostMessage& m : window_.Messages())
            n += m.message == 0x197F && m.wparam == 0 && m.lparam == 0;
        return n;
    }

    DialogRegistry registry_;
    RecordingHostWindow window_;
    RecordWithMagnets magnets_;
    MagnetRecord& record_ = magnets_.record;
    COvMag* first_ = nullptr;
    COvMag* second_ = nullptr;
    COvMag pairs_;
};

TEST_F(MagnetsDialog, LastRowTypingAddsAtOnceOtherRowsWaitForTheNextMagnet)
{
    Run([&](CDialogMM& d) {
        EXPECT_EQ(d.Current(), first_);
        EXPECT_EQ(d.Table().GetItemText(2, 1), "5.00");
        Type(d, 1, 1, "7");
        EXPECT_EQ(first_->Positions()[0].x, 100);  // waits
        Type(d, 3, 2, "-1");
        EXPECT_EQ(PointsText(first_->Positions()), "114,200 110,190 100,202");
        EXPECT_EQ(d.Table().GetItemText(4, 0), " * ");
        Type(d, 2, 2, "");
        Type(d, 2, 1, "");  // both cells empty: the row is skipped when applied
        Type(d, 3, 1, "3");
        EXPECT_EQ(first_->Count(), 3);
        EXPECT_EQ(Notifications(), 0u);
        d.MagnetList().setCurrentRow(1);
        EXPECT_EQ(d.Current(), second_);
        EXPECT_EQ(record_.current_magnet, second_->Handle());
        EXPECT_EQ(Notifications(), 1u);
        EXPECT_EQ(PointsText(first_->Positions()), "114,200 106,202");
        // Deleted rows apply at once, clearing applies nothing.
        d.Table().SelectCells({1, 1, 1, 2});
        d.RunTableMenuItem(CDialogMM::kTableDeleteRows);
        EXPECT_EQ(second_->Count(), 0);
        d.MagnetList().setCurrentRow(0);
        d.RunTableMenuItem(CDialogMM::kTableClear);
        EXPECT_EQ(first_->Count(), 2);
        EXPECT_EQ(d.Table().GetItemText(1, 1), "");
    });
    EXPECT_EQ(record_.current_magnet, nullptr);
}

TEST_F(MagnetsDialog, CommandsNotifyTheHostOnceEachAndGeneratorsStoreTheirValues)
{
    Run([&](CDialogMM& d) {
        d.RunCommand(CDialogMM::kApplyTable);
        EXPECT_EQ(Notifications(), 1u);
        AnswerPrompt([&] { d.RunCommand(11); });
        EXPECT_EQ(first_->Count(), 41);
        EXPECT_EQ(Notifications(), 2u);
        AnswerPrompt([&] { d.RunCommand(13); }, {"1", "2", "3", "45", "90", "500"});
        ASSERT_EQ(first_->Count(), 121);
        EXPECT_EQ(PointsText({first_->Positions()[0]}), "102,196");
        EXPECT_EQ(Notifications(), 3u);
        for (int command : {6, 7, 8, 9}) d.RunCommand(command);
        d.RunCommand(CDialogMM::kMirrorX);  // the arc lies right of the y axis: every image is new
        EXPECT_EQ(first_->Count(), 242);
        EXPECT_EQ(Notifications(), 3u);
    });
    const RegKeyHandle key(kMagnetPatternKey);
    EXPECT_EQ(key.ReadDword("rd", 0), 120u);
    EXPECT_EQ(key.ReadDword("dA", 0), 90u);
    EXPECT_EQ(LoadMagnetPatternSettings().circle.A0, 45.0f);
}

TEST_F(MagnetsDialog, CopyModeOkAppliesScaleAndAngleWithoutNotifyingAndOptionsAreWrittenAfterCancel)
{
    record_.scale_angle_mode = 1;
    pairs_.SetPositions(std::vector<OvPointF>{{2, 30}});
    RegKeyHandle key(kMagnetOptionsKey);
    key.WriteDword("NewLayer", 1);
    EXPECT_EQ(Run([&](CDialogMM& d) {
                  EXPECT_TRUE(d.IsCopyMode());
                  EXPECT_FALSE(d.MagnetList().isVisible());
                  Type(d, 2, 4, "45");
                  AnswerPrompt([&] { d.RunCommand(12); }, {"0", "0", "10", "0", "1"});
                  EXPECT_EQ(first_->Count(), 3);
                  Type(d, 1, 3, "0.5");
                  Click(d, ControlName(CDialogMM::kIdOk));
              }),
              1);
    EXPECT_EQ(Notifications(), 0u);
    EXPECT_EQ(PointsText(pairs_.Positions()), "0.5,30 1,0 1,0");
    EXPECT_EQ(PointsText({first_->Positions()[2]}), "120,200");
    EXPECT_EQ(
        Run([&](CDialogMM& d) {
            EXPECT_TRUE(d.findChild<QAbstractButton*>(ControlName(CDialogMM::kIdNewLayer))->isChecked());
            Click(d, ControlName(CDialogMM::kIdDeleteSource));
            Click(d, ControlName(CDialogMM::kIdNewLayer));
            Click(d, ControlName(CDialogMM::kIdCancel));
        }),
        0);
    EXPECT_EQ(key.ReadDword("DeleteSrc", 7), 1u);
    EXPECT_EQ(key.ReadDword("NewLayer", 7), 0u);
    EXPECT_EQ(key.ReadDword("RelativeCoord", 7), 0u);
}

// The list's commands: magnets marked dropped are gone before the dialog opens; the temporary ones go
// on request; rename, check and new act as named; deleting a selected magnet keeps the current one;
// with none left the table is off and a generator opens no prompt.
TEST_F(MagnetsDialog, DroppedAndDeletedMagnetsGoAndNothingIsLeftToGenerateInto)
{
    first_->SetFlags(OV_MAG_DROPPED, true);
    record_.current_magnet = first_->Handle();
    COvMag* third = AppendMagnet(record_, u"Third");
    AppendMagnet(record_, u"__TEMP_MAG")->SetFlags(OV_MAG_TEMPORARY, true);
    Run([&](CDialogMM& d) {
        EXPECT_EQ(d.Current(), second_);
        d.RunListMenuItem(CDialogMM::kListRemoveTemporary);
        AnswerPrompt([&] { d.RunListMenuItem(CDialogMM::kListRename); }, {"Fixed"});
        d.RunCommand(CDialogMM::kCheckAll);
        EXPECT_TRUE(second_->Has(OV_MAG_CHECKED) && third->Has(OV_MAG_CHECKED));
        AnswerPrompt([&] { d.RunCommand(CDialogMM::kNewMagnet); });
        EXPECT_EQ(Names(record_), (std::vector<std::u16string>{u"Fixed", u"Third", u"M_03"}));
        d.MagnetList().setCurrentRow(1);
        d.MagnetList().clearSelection();
        d.MagnetList().item(0)->setSelected(true);
        d.RunCommand(CDialogMM::kDeleteSelected);
        EXPECT_EQ(Names(record_), (std::vector<std::u16string>{u"Third", u"M_03"}));
        EXPECT_EQ(d.Current(), third);
        d.RunListMenuItem(CDialogMM::kListDeleteAll);
        EXPECT_EQ(d.Current(), nullptr);
        EXPECT_FALSE(d.Table().isEnabled());
        RunModal(
            [&] {
                d.RunCommand(11);
                return 0;
            },
            Accept, 200);
        EXPECT_FALSE(LastRunSawDialog());
    });
    EXPECT_EQ(record_.magnets.count, 0);
}

}  // namespace
