// The time-series dialog through the entry point's dispatch: pick mode and the host's selection record
// and message, edit mode, the grid stored into the series, new, resized and magnet series with their
// remembered size, import and save, the shared messages, and calls that open nothing.
#include "animation/CDlgATS.h"
#include "animation/TimeSeriesDialog.h"
#include "animation/TimeSeriesList.h"
#include "chart/SeriesPrompts.h"
#include "data/DataTestFiles.h"
#include "data/formula/CDlgGDByFunc.h"
#include "data/import/DlgOpenASCPreView.h"
#include "framework/prompt/CDlgSetStrings.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/FileDialogs.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"
#include "grid/CGridCtrl.h"
#include "host/Dispatch.h"
#include "magnets/MagnetList.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"
#include "testhost/PromptAnswers.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

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
        for (COvMag* m : MagnetsOf(magnets_)) ov_mag_destroy(m->Handle());
        ov_list_remove_all(&magnets_.magnets);
    }
    TimeSeries* Add(std::u16string_view name, int32_t id, int columns, int rows)
    {
        OwnedTimeSeries s = MakeNewSeries(name, id, columns, rows);
        return AppendSeries(list_, s);
    }
    // Opens the dialog as the host does: the magnet record last in the list.
    int Run(SelectionRecord* selection, const std::function<void(CDlgATS&)>& act, int32_t* counter = nullptr)
    {
        ov_list_append(&list_, magnetElement_);
        const GEEdtParams params{selection, &list_, window_.get(), 0xFF, counter ? counter : &nextId_};
        return RunModal([&] { return DispatchGEEdt(&params, registry_, [] { return true; }); },
                        [&](QDialog& d) { act(dynamic_cast<CDlgATS&>(d)); });
    }
    static void Type(CDlgATS& d, int row, int col, const QString& text)
    {
        QAbstractItemModel* model = d.Grid().model();
        ASSERT_TRUE(model->setData(model->index(row - 1, col - 1), text, Qt::EditRole));
    }
    template <typename W>
    static W* Control(CDlgATS& d, int id)
    {
        return d.findChild<W*>(ControlName(id));
    }
    std::vector<HostMessage> Picked() const
    {
        std::vector<HostMessage> out;
        for (const HostMessage& m : window_.Messages())
            if (m.message == OV_MSG_TIME_SERIES_PICKED) out.push_back(m);
        return out;
    }
    std::vector<std::u16string> Names() const
    {
        std::vector<std::u16string> names;
        for (const TimeSeries* s : SeriesOf(&list_)) names.push_back(TimeSeriesName(*s));
        return names;
    }

    DialogRegistry registry_;
    RecordingHostWindow window_;
    OvHostList list_{};
    MagnetRecord magnets_{};
    void* magnetElement_ = &magnets_;
    int32_t nextId_ = 40;
    TimeSeries* first_ = nullptr;
    TimeSeries* second_ = nullptr;
};

TEST_F(TimeSeriesDialog, PickModeOpensOnTheRecordsSeriesAndRowAndOkSendsOneMessage)
{
    SelectionRecord selection{8, 2, 0x77, OV_SELECTION_RELATIVE};
    const int result = Run(&selection, [&](CDlgATS& d) {
        EXPECT_TRUE(d.IsPickMode());
        EXPECT_EQ(d.Current(), second_);
        EXPECT_EQ(d.List().currentItem()->text(0), "second");
        EXPECT_EQ(d.List().currentItem()->text(1), "3");
        EXPECT_EQ(d.List().currentItem()->text(2), "6");
        EXPECT_EQ(d.List().currentItem()->data(0, Qt::UserRole).toInt(), 8);
        EXPECT_EQ(d.SelectedRow(), 3);
        EXPECT_TRUE(d.Grid().IsRowSelected(3));
        EXPECT_EQ(d.Grid().GetItemText(2, 2), "3.5");
        EXPECT_EQ(d.Grid().GetItemText(0, 1), "1");
        auto* relative = Control<QCheckBox>(d, CDlgATS::kIdRelative);
        auto* incremental = Control<QCheckBox>(d, CDlgATS::kIdIncremental);
        EXPECT_TRUE(relative->isChecked());
        EXPECT_FALSE(incremental->isHidden());
        EXPECT_FALSE(incremental->isChecked());
        d.Grid().SelectCells({5, 1, 5, 3});
        d.RefreshOkState();
        EXPECT_TRUE(Control<QAbstractButton>(d, CDlgATS::kIdOk)->isEnabled());
        Click(d, ControlName(CDlgATS::kIdIncremental));
        Click(d, ControlName(CDlgATS::kIdOk));
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(selection.series_id, 8);
    EXPECT_EQ(selection.row, 4);
    EXPECT_EQ(selection.reserved_08, 0x77u);
    EXPECT_EQ(selection.flags, 3u);
    ASSERT_EQ(Picked().size(), 1u);
    EXPECT_EQ(Picked()[0].wparam, 1u);
    EXPECT_EQ(Picked()[0].lparam, 0);
    EXPECT_EQ(window_.Messages().size(), 1u);
}

TEST_F(TimeSeriesDialog, IdZeroSelectsTheFirstAndOkWithoutARowDoesNothing)
{
    SelectionRecord selection{0, 0, 0, OV_SELECTION_INCREMENTAL};
    const int result = Run(&selection, [&](CDlgATS& d) {
        EXPECT_EQ(d.Current(), first_);
        EXPECT_EQ(d.SelectedRow(), 1);
        auto* relative = Control<QCheckBox>(d, CDlgATS::kIdRelative);
        auto* incremental = Control<QCheckBox>(d, CDlgATS::kIdIncremental);
        EXPECT_TRUE(incremental->isHidden()) << "Incremental shows only while Relative is checked";
        EXPECT_TRUE(incremental->isChecked());
        relative->click();
        EXPECT_FALSE(incremental->isHidden());
        relative->click();
        EXPECT_TRUE(incremental->isHidden());

        EXPECT_TRUE(Control<QAbstractButton>(d, CDlgATS::kIdOk)->isEnabled());
        d.Grid().clearSelection();
        QTest::qWait(3 * CDlgATS::kSelectionTimerMs);  // the timer notices
        EXPECT_FALSE(Control<QAbstractButton>(d, CDlgATS::kIdOk)->isEnabled());
        d.accept();
        EXPECT_TRUE(d.isVisible());
        d.Grid().SelectCells({13, 1, 13, 1});  // past the 12 rows: the heading row shifts rows by one
        d.RefreshOkState();
        EXPECT_FALSE(Control<QAbstractButton>(d, CDlgATS::kIdOk)->isEnabled());
        d.accept();
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(Picked().empty());
        d.Grid().SelectCells({12, 1, 12, 1});
        d.RefreshOkState();
        EXPECT_TRUE(Control<QAbstractButton>(d, CDlgATS::kIdOk)->isEnabled());
        Cancel(d);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(selection.series_id, 0);
    EXPECT_EQ(selection.flags, 2u);
    EXPECT_TRUE(Picked().empty());
}

TEST_F(TimeSeriesDialog, EmptyClearsTheSeriesOfTheRecordAndEndsWithCancel)
{
    SelectionRecord selection{8, 2, 0, 0};
    const int result = Run(&selection, [&](CDlgATS& d) {
        Control<QCheckBox>(d, CDlgATS::kIdRelative)->click();
        Click(d, ControlName(CDlgATS::kIdEmpty));
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(selection.series_id, 0);
    EXPECT_EQ(selection.row, 0);
    EXPECT_EQ(selection.flags, 1u);
    EXPECT_EQ(Picked().size(), 1u);

    // An id that is not in the list selects nothing and leaves OK off.
    selection = {99, 1, 0, 0};
    Run(&selection, [&](CDlgATS& d) {
        EXPECT_EQ(d.Current(), nullptr);
        EXPECT_FALSE(d.Grid().isEnabled());
        EXPECT_FALSE(Control<QAbstractButton>(d, CDlgATS::kIdOk)->isEnabled());
    });
    EXPECT_EQ(selection.series_id, 99);
}

TEST_F(TimeSeriesDialog, EditModeHidesThePickControlsAndCancelKeepsGridEdits)
{
    const int result = Run(nullptr, [&](CDlgATS& d) {
        EXPECT_FALSE(d.IsPickMode());
        for (int id : {CDlgATS::kIdOk, CDlgATS::kIdTip, CDlgATS::kIdEmpty, CDlgATS::kIdIncremental,
                       CDlgATS::kIdRelative})
            EXPECT_TRUE(FindControl(&d, id)->isHidden()) << id;
        EXPECT_FALSE(FindControl(&d, CDlgATS::kIdCancel)->isHidden());
        EXPECT_EQ(d.windowTitle(), "Animation Time Series");
        EXPECT_EQ(d.Current(), first_);
        Type(d, 1, 2, "7.5");
        Type(d, 2, 2, "nan");
        EXPECT_EQ(first_->values[12], 0.0) << "stored when the series changes, not on each edit";
        d.List().setCurrentItem(d.List().topLevelItem(1));
        EXPECT_EQ(d.Current(), second_);
        EXPECT_EQ(first_->values[12], 7.5);
        EXPECT_TRUE(std::isnan(first_->values[13]));
        EXPECT_EQ(first_->values[14], 0.0);
        Type(d, 6, 3, "1e999");
        Type(d, 1, 1, "1234567.25");
        Cancel(d);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(second_->values[17], std::numeric_limits<double>::infinity());
    EXPECT_EQ(second_->values[0], 1234567.25);
    EXPECT_EQ(second_->values[1], 0.5) << "untouched cells keep their exact values";
}

TEST_F(TimeSeriesDialog, NewSeriesTakeTheRememberedSizeAndTheHostsIds)
{
    RegKeyHandle key(kSeriesSizeKey);
    key.WriteDword("c1", 5);  // the chart tables' size is another pair
    Run(nullptr, [&](CDlgATS& d) {
        AnswerPrompt([&] { d.RunCommand(CDlgATS::kListNew); });
        ASSERT_EQ(list_.count, 3);
        TimeSeries* made = d.Current();
        ASSERT_EQ(made, SeriesOf(&list_).back());
        EXPECT_EQ(TimeSeriesName(*made), u"TimeSer_3");
        EXPECT_EQ(made->id, 40);
        EXPECT_EQ(nextId_, 41);
        EXPECT_EQ(made->columns, 2);
        EXPECT_EQ(made->rows, 12);
        EXPECT_EQ(made->values[11], 11);
        EXPECT_EQ(key.ReadDword("c2", 0), 2u);
        EXPECT_EQ(key.ReadDword("r2", 0), 12u);
        EXPECT_EQ(d.List().topLevelItemCount(), 3);
        EXPECT_EQ(d.List().currentItem()->text(0), "TimeSer_3");

        AnswerPrompt([&] { d.RunCommand(CDlgATS::kListNew); }, {"Long", "3", "3000"});
        EXPECT_EQ(d.Current()->rows, 2000);
        EXPECT_EQ(d.Current()->id, 41);
        EXPECT_EQ(key.ReadDword("c2", 0), 3u);
        EXPECT_EQ(key.ReadDword("r2", 0), 2000u);

        d.List().setCurrentItem(d.List().topLevelItem(1));
        Type(d, 2, 1, "9");
        AnswerPrompt([&] { d.RunCommand(CDlgATS::kGridResize); }, {"1", "1"});
        EXPECT_EQ(second_->columns, 2);
        EXPECT_EQ(second_->rows, 2);
        EXPECT_EQ(std::vector<double>(second_->values, second_->values + 4),
                  (std::vector<double>{0, 9, 3, 3.5}));
        EXPECT_EQ(key.ReadDword("c2", 0), 2u);
        EXPECT_EQ(key.ReadDword("r2", 0), 2u);
        EXPECT_EQ(d.List().currentItem()->text(2), "2");
        d.RunCommand(CDlgATS::kGridAddColumn);
        EXPECT_EQ(second_->columns, 3);
        EXPECT_EQ(d.Grid().GetColumnCount(), 4);
    });
    EXPECT_EQ(key.ReadDword("c1", 0), 5u);
    EXPECT_EQ(nextId_, 42);
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"first", u"second", u"TimeSer_3", u"Long"}));
}

TEST_F(TimeSeriesDialog, SeriesFromMagnetsListMovesRenamesAndDeletes)
{
    magnets_.origin_x = 10;
    magnets_.origin_y = 40;
    magnets_.scale = 2;
    COvMag* temp = AppendMagnet(magnets_, u"__TEMP_MAG");
    temp->SetPositions(std::vector<OvPointF>{{0, 0}, {1, 1}});
    temp->SetFlags(OV_MAG_TEMPORARY, true);
    AppendMagnet(magnets_, u"short")->SetPositions(std::vector<OvPointF>{{0, 0}});
    AppendMagnet(magnets_, u"path")->SetPositions(std::vector<OvPointF>{{10, 20}, {30, 20}});
    Run(nullptr, [&](CDlgATS& d) {
        AnswerPrompt([&] { d.RunCommand(CDlgATS::kListFirstMagnet); }, {"From path"});
        TimeSeries* made = d.Current();
        ASSERT_EQ(made, SeriesOf(&list_).back());
        EXPECT_EQ(TimeSeriesName(*made), u"From path");
        EXPECT_EQ(made->id, 40);
        EXPECT_EQ(std::vector<double>(made->values, made->values + 4), (std::vector<double>{0, 10, 10, 10}));
        RunModal(
            [&] {
                d.RunCommand(CDlgATS::kListFirstMagnet + 1);  // only one magnet is offered
                return 0;
            },
            Accept, 200);
        EXPECT_FALSE(LastRunSawDialog());

        d.RunCommand(CDlgATS::kListMoveTop);
        EXPECT_EQ(Names(), (std::vector<std::u16string>{u"From path", u"first", u"second"}));
        d.RunCommand(CDlgATS::kListMoveDown);
        EXPECT_EQ(Names(), (std::vector<std::u16string>{u"first", u"From path", u"second"}));
        EXPECT_EQ(d.List().currentItem()->text(0), "From path");
        AnswerPrompt([&] { d.RunCommand(CDlgATS::kListRename); }, {"Renamed"});
        EXPECT_EQ(d.List().topLevelItem(1)->text(0), "Renamed");
        d.RunCommand(CDlgATS::kListDelete);
        EXPECT_EQ(Names(), (std::vector<std::u16string>{u"first", u"second"}));
        EXPECT_EQ(d.Current(), second_);
        d.RunCommand(CDlgATS::kListDelete);
        d.RunCommand(CDlgATS::kListDelete);
        EXPECT_EQ(d.Current(), nullptr);
        EXPECT_FALSE(d.Grid().isEnabled());
    });
    EXPECT_EQ(list_.count, 0);
    first_ = second_ = nullptr;
}

TEST_F(TimeSeriesDialog, ImportMakesOneSeriesPerFileAndSaveWritesTheShownCells)
{
    const ScratchFile data("ball.txt",
                           "Thrown ball\n# frame, x, y\nframe\tx\ty\n0\t0\t0\n1\t1\t0.95095\n2\t2\t1.8038\n");
    const ScratchFile unnamed("unnamed.txt", "\n\n\n5 6\n7 8\n");
    const ScratchFile saved("saved.txt", "old");
    std::vector<OpenFileRequest> requests;
    QStringList answer{QString::fromStdString(data.Path()), QStringLiteral("/nonexistent-folder/a.txt"),
                       QString::fromStdString(unnamed.Path())};
    ScopedOpenFilePresenter picker([&](const OpenFileRequest& r) {
        requests.push_back(r);
        return answer;
    });
    std::vector<QString> messages;
    ScopedMessagePresenter boxes([&](const MessageRequest& r) {
        messages.push_back(r.text);
        return kMessageOk;
    });
    Run(nullptr, [&](CDlgATS& d) {
        RunModal(
            [&] {
                d.RunCommand(CDlgATS::kListImport);
                return 0;
            },
            [](QDialog& preview) {
                TypeInto(preview, ControlName(CDlgOpenASCPreView::kIdStartLine), "4");
                Accept(preview);
            });
        ASSERT_EQ(list_.count, 4);
        const TimeSeries* ball = SeriesOf(&list_)[2];
        EXPECT_EQ(TimeSeriesName(*ball), u"Thrown ball");
        EXPECT_EQ(ball->id, 40);
        EXPECT_EQ(ball->columns, 3);
        EXPECT_EQ(ball->rows, 3);
        EXPECT_EQ(ColumnTitles(*ball), (std::vector<std::u16string>{u"frame", u"x", u"y"}));
        EXPECT_EQ(ball->values[7], 0.95095);
        const TimeSeries* other = SeriesOf(&list_)[3];
        EXPECT_EQ(TimeSeriesName(*other), u"TimeSer_4");
        EXPECT_EQ(other->id, 41);
        EXPECT_EQ(d.Current(), first_);

        d.List().setCurrentItem(d.List().topLevelItem(2));
        EXPECT_EQ(d.Grid().GetItemText(0, 2), "x");
        Type(d, 3, 3, "2.25");
        answer = QStringList{QString::fromStdString(saved.Path())};
        d.RunCommand(CDlgATS::kGridSave);
        answer = QStringList{QStringLiteral("/nonexistent-folder/b.txt")};
        d.RunCommand(CDlgATS::kGridSave);
    });
    EXPECT_EQ(nextId_, 42);
    ASSERT_GE(requests.size(), 3u);
    EXPECT_TRUE(requests[0].multiple);
    EXPECT_EQ(requests[0].filters.size(), 5);
    EXPECT_TRUE(requests[1].save);
    EXPECT_EQ(requests[1].fileName, "Untitled.txt");
    EXPECT_EQ(requests[1].filters, QStringList{"Text File (*.txt)"});
    EXPECT_EQ(requests[2].folder.toStdString() + "saved.txt", saved.Path()) << "the folder is remembered";
    std::ifstream in(saved.Path());
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "0,0,0\n1,1,0.95095\n2,2,2.25\n");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[0].contains("/nonexistent-folder/a.txt"));
    EXPECT_TRUE(messages[0].startsWith("Cannot open the file"));
    EXPECT_TRUE(messages[1].contains("/nonexistent-folder/b.txt"));
    EXPECT_TRUE(messages[1].startsWith("Cannot write the file"));
}

TEST_F(TimeSeriesDialog, FormulaAndImportIntoTheCurrentSeriesKeepEveryDigit)
{
    const ScratchFile data("ball.txt", "Thrown ball\n#\nframe\tx\ty\n0\t0\t0\n1\t1\t0.95095\n2\t2\t1.8038\n");
    ScopedOpenFilePresenter picker(
        [&](const OpenFileRequest&) { return QStringList{QString::fromStdString(data.Path())}; });
    Run(nullptr, [&](CDlgATS& d) {
        d.Grid().SelectCells({1, 2, 12, 2});
        RunModal(
            [&] {
                d.RunCommand(CDlgATS::kGridFormula);
                return 0;
            },
            [](QDialog& formula) {
                TypeInto(formula, ControlName(CDlgGDByFunc::kIdFormula), "a^2/3");
                Accept(formula);
            });
        EXPECT_EQ(first_->values[0], 0) << "column 1 keeps its values";
        EXPECT_EQ(first_->values[11], 11);
        EXPECT_NEAR(first_->values[13], 1.0 / 363, 1e-17) << "not cut to the six digits the grid shows";
        EXPECT_NEAR(first_->values[23], 1.0 / 3, 1e-15);
        EXPECT_EQ(d.Grid().GetItemText(2, 2), "0.00275482");

        RunModal(
            [&] {
                d.RunCommand(CDlgATS::kGridImport);
                return 0;
            },
            [](QDialog& preview) {
                TypeInto(preview, ControlName(CDlgOpenASCPreView::kIdStartLine), "4");
                Accept(preview);
            });
        EXPECT_EQ(d.Current(), first_);
        EXPECT_EQ(TimeSeriesName(*first_), u"Thrown ball");
        EXPECT_EQ(first_->columns, 3);
        EXPECT_EQ(first_->rows, 3);
        EXPECT_EQ(first_->values[8], 1.8038);
        EXPECT_EQ(ColumnTitles(*first_), (std::vector<std::u16string>{u"frame", u"x", u"y"}));
        EXPECT_EQ(d.List().topLevelItem(0)->text(0), "Thrown ball");
        EXPECT_EQ(d.List().topLevelItem(0)->text(1), "3");
        EXPECT_EQ(d.Grid().GetItemText(0, 3), "y");
        EXPECT_EQ(first_->id, 3) << "the series keeps its id";
    });
    EXPECT_EQ(nextId_, 40);
}

TEST_F(TimeSeriesDialog, CommandsWithoutASelectionShowTheSharedMessagesAndFaultsKeepItOpen)
{
    std::vector<QString> messages;
    ScopedMessagePresenter boxes([&](const MessageRequest& r) {
        messages.push_back(r.text);
        return kMessageOk;
    });
    SelectionRecord selection{3, 0, 0, 0};
    Run(&selection, [&](CDlgATS& d) {
        d.Grid().clearSelection();
        d.RunCommand(CDlgATS::kGridFormula);
        d.RunCommand(CDlgATS::kGridDeleteRows);
        d.RunCommand(CDlgATS::kGridDeleteColumns);
        Click(d, ControlName(CDlgATS::kIdTip));
        InjectHandlerFault(std::make_exception_ptr(std::runtime_error("injected")));
        Click(d, ControlName(CDlgATS::kIdTip));
        EXPECT_TRUE(d.isVisible());
        d.Grid().SelectCells({3, 1, 4, 2});
        d.RunCommand(CDlgATS::kGridDeleteRows);
        EXPECT_EQ(first_->rows, 10);
        EXPECT_EQ(first_->values[2], 4);
        EXPECT_EQ(d.List().currentItem()->text(2), "10");
        d.Grid().SelectCells({1, 2, 10, 2});
        d.RunCommand(CDlgATS::kGridDeleteColumns);
        EXPECT_EQ(first_->columns, 1);
        d.Grid().SelectCells({1, 1, 10, 1});
        d.RunCommand(CDlgATS::kGridDeleteColumns);
        EXPECT_EQ(first_->columns, 1) << "one column always stays";
        d.RunCommand(CDlgATS::kGridClear);
        EXPECT_EQ(first_->values[9], 0.0);
    });
    ASSERT_EQ(messages.size(), 6u);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(messages[i].startsWith("Select a data series")) << i;
    EXPECT_TRUE(messages[3].startsWith("Pick a series in the list"));
    EXPECT_TRUE(messages[4].contains("injected"));
    EXPECT_TRUE(messages[5].startsWith("Select a data series")) << "the last column cannot go";
}

TEST_F(TimeSeriesDialog, WithoutAListOrACounterNothingOpens)
{
    ov_list_append(&list_, &magnets_);
    const GEEdtParams noCounter{nullptr, &list_, window_.get(), 0xFF, nullptr};
    EXPECT_EQ(
        RunModal([&] { return DispatchGEEdt(&noCounter, registry_, [] { return true; }); }, Accept, 200), 0);
    EXPECT_FALSE(LastRunSawDialog());
    EXPECT_EQ(list_.count, 3) << "the magnet record stays in the list";
    ov_list_remove_last(&list_);
    int32_t counter = 1;
    EXPECT_EQ(RunTimeSeriesDialog(nullptr, nullptr, nullptr, nullptr, nullptr, &counter), 0);
    EXPECT_EQ(RunTimeSeriesDialog(nullptr, nullptr, nullptr, &list_, nullptr, nullptr), 0);

    // A null magnet record offers no magnet series.
    magnetElement_ = nullptr;
    Run(nullptr, [&](CDlgATS& d) {
        RunModal(
            [&] {
                d.RunCommand(CDlgATS::kListFirstMagnet);
                return 0;
            },
            Accept, 200);
        EXPECT_FALSE(LastRunSawDialog());
    });
    EXPECT_EQ(list_.count, 2);
}

}  // namespace
