// The time-series dialog through the entry point's dispatch: pick mode with the host's selection record
// and message, edit mode with the grid stored into the series, new and resized series with their
// remembered size.
#include "animation/CDlgATS.h"
#include "animation/TimeSeriesDialog.h"
#include "animation/TimeSeriesList.h"
#include "chart/SeriesPrompts.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "grid/CGridCtrl.h"
#include "host/Dispatch.h"
#include "testhost/Controls.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"
#include "testhost/PromptAnswers.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using namespace ov;
using namespace ovtest;

class TimeSeriesDialog : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        registry_.timeSeries = [](TimeSeriesCall& c) {
            return RunTimeSeriesDialog(c.parent, c.hostWindow, static_cast<SelectionRecord*>(c.selection),
                                       c.list, static_cast<MagnetRecord*>(c.magnetRecord),
                                       static_cast<int32_t*>(c.nextId));
        };
        first_ = Add(u"first", 3, 2, 12);
        second_ = Add(u"second", 8, 3, 6);
        for (int i = 0; i < 18; ++i) second_->values[i] = 0.5 * i;
    }
    void TearDown() override
    {
        for (TimeSeries* s : SeriesOf(&list_)) DestroyTimeSeries(s);
        ov_list_remove_all(&list_);
    }
    TimeSeries* Add(std::u16string_view name, int32_t id, int columns, int rows)
    {
        OwnedTimeSeries s = MakeNewSeries(name, id, columns, rows);
        return AppendSeries(list_, s);
    }
    // Opens the dialog as the host does: the magnet record last in the list.
    int Run(SelectionRecord* selection, const std::function<void(CDlgATS&)>& act)
    {
        ov_list_append(&list_, &magnets_);
        const GEEdtParams params{selection, &list_, window_.get(), 0xFF, &nextId_};
        return RunModal([&] { return DispatchGEEdt(&params, registry_, [] { return true; }); },
                        [&](QDialog& d) { act(dynamic_cast<CDlgATS&>(d)); });
    }
    static void Type(CDlgATS& d, int row, int col, const QString& text)
    {
        QAbstractItemModel* model = d.Grid().model();
        ASSERT_TRUE(model->setData(model->index(row - 1, col - 1), text, Qt::EditRole));
    }
    std::vector<HostMessage> Picked() const
    {
        std::vector<HostMessage> out;
        for (const HostMessage& m : window_.Messages())
            if (m.message == OV_MSG_TIME_SERIES_PICKED) out.push_back(m);
        return out;
    }
    DialogRegistry registry_;
    RecordingHostWindow window_;
    OvHostList list_{};
    MagnetRecord magnets_{};
    int32_t nextId_ = 40;
    TimeSeries* first_ = nullptr;
    TimeSeries* second_ = nullptr;
};

// Pick mode opens on the record's series and row + 1; OK on grid row 5 writes row 4 and the boxes'
// flags and sends exactly one message.
TEST_F(TimeSeriesDialog, PickModeOpensOnTheRecordAndOkSendsOneMessage)
{
    SelectionRecord selection{8, 2, 0x77, OV_SELECTION_RELATIVE};
    const int result = Run(&selection, [&](CDlgATS& d) {
        EXPECT_TRUE(d.IsPickMode());
        EXPECT_EQ(d.Current(), second_);
        const QTreeWidgetItem* item = d.List().currentItem();
        EXPECT_EQ(std::tuple(item->data(0, Qt::UserRole).toInt(), d.SelectedRow(), d.Grid().IsRowSelected(3),
                             d.Grid().GetItemText(2, 2)),
                  std::tuple(8, 3, true, QString("3.5")));
        EXPECT_TRUE(Control<QCheckBox>(d, CDlgATS::kIdRelative)->isChecked());
        EXPECT_FALSE(Control<QCheckBox>(d, CDlgATS::kIdIncremental)->isHidden());
        d.Grid().SelectCells({5, 1, 5, 3});
        d.RefreshOkState();
        EXPECT_TRUE(Control<QAbstractButton>(d, CDlgATS::kIdOk)->isEnabled());
        Click(d, ControlName(CDlgATS::kIdIncremental));
        Click(d, ControlName(CDlgATS::kIdOk));
    });
    EXPECT_EQ(std::tuple(result, selection.series_id, selection.row, selection.reserved_08, selection.flags),
              std::tuple(1, 8, 4, 0x77u, 3u));
    ASSERT_EQ(window_.Messages().size(), 1u);
    EXPECT_EQ(std::tuple(Picked().at(0).wparam, Picked()[0].lparam), std::tuple(1u, 0));
}

// Id 0 selects the first series; Incremental is hidden without Relative; OK without a row
// of the series does nothing; Empty clears the record's series and ends with result 0.
TEST_F(TimeSeriesDialog, IdZeroOkWithoutARowAndEmpty)
{
    SelectionRecord selection{0, 0, 0, OV_SELECTION_INCREMENTAL};
    const int result = Run(&selection, [&](CDlgATS& d) {
        EXPECT_EQ(d.Current(), first_);
        EXPECT_EQ(d.SelectedRow(), 1);
        EXPECT_TRUE(Control<QCheckBox>(d, CDlgATS::kIdIncremental)->isHidden()) << "hidden without Relative";
        d.Grid().clearSelection();
        QTest::qWait(3 * CDlgATS::kSelectionTimerMs);  // the timer notices
        EXPECT_FALSE(Control<QAbstractButton>(d, CDlgATS::kIdOk)->isEnabled());
        d.accept();
        EXPECT_TRUE(d.isVisible() && Picked().empty());
        Click(d, ControlName(CDlgATS::kIdEmpty));
    });
    EXPECT_EQ(std::tuple(result, selection.series_id, selection.row, selection.flags, Picked().size()),
              std::tuple(0, 0, 0, 2u, 1u));
}

// Edit mode hides the pick controls; grid edits are stored when the series changes and on
// Cancel, untouched cells keep every digit. New series take the remembered size ("c2", "r2") and the
// host's ids.
TEST_F(TimeSeriesDialog, EditModeStoresEditsAndNewSeriesTakeTheRememberedSize)
{
    RegKeyHandle key(kSeriesSizeKey);
    const auto size = [&] {
        return std::to_string(key.ReadDword("c2", 0)) + "x" + std::to_string(key.ReadDword("r2", 0));
    };
    const int result = Run(nullptr, [&](CDlgATS& d) {
        EXPECT_FALSE(d.IsPickMode());
        EXPECT_TRUE(FindControl(&d, CDlgATS::kIdOk)->isHidden() &&
                    FindControl(&d, CDlgATS::kIdEmpty)->isHidden());
        Type(d, 1, 2, "7.5");
        Type(d, 2, 2, "nan");
        EXPECT_EQ(first_->values[12], 0.0) << "stored when the series changes, not on each edit";
        d.List().setCurrentItem(d.List().topLevelItem(1));
        EXPECT_EQ(first_->values[12], 7.5);
        EXPECT_TRUE(std::isnan(first_->values[13]));
        Type(d, 6, 3, "1e999");

        AnswerPrompt([&] { d.RunCommand(CDlgATS::kListNew); });
        TimeSeries* made = d.Current();
        ASSERT_EQ(made, SeriesOf(&list_).back());
        EXPECT_EQ(made->id, 40);
        EXPECT_EQ(std::to_string(made->columns) + "x" + std::to_string(made->rows), "2x12");
        EXPECT_EQ(size(), "2x12");

        d.List().setCurrentItem(d.List().topLevelItem(1));
        Type(d, 1, 1, "1234567.25");
        Cancel(d);
    });
    // Untouched cells keep their exact values.
    EXPECT_EQ(std::tuple(result, second_->values[0], second_->values[1], nextId_),
              std::tuple(0, 1234567.25, 0.5, 41));
    std::u16string names;
    for (const TimeSeries* series : SeriesOf(&list_)) names += TimeSeriesName(*series) + u" ";
    EXPECT_EQ(names, u"first second TimeSer_3 ");
}

}  // namespace
