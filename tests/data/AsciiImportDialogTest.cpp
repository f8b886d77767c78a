// The import's widgets driven as a user would: the picker's remembered folder, the preview dialog's
// settings round trip through the store, and the single- and multi-file import commands.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <tuple>

#include "data/import/AsciiSeriesImport.h"
#include "data/import/DataFilePicker.h"
#include "data/import/DlgOpenASCPreView.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/settings/RememberedFolder.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/FileDialogs.h"
#include "testhost/Controls.h"
#include "testhost/ModalDriver.h"
#include "tests/data/DataTestFiles.h"

using namespace ov;
using namespace ovtest;

namespace {

using Dlg = CDlgOpenASCPreView;

class AsciiImportUi : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        StoreAsciiImportSettings(AsciiImportSettings{});
    }
    void TearDown() override { SetCurrentLanguageCodeForTesting(u""); }
};

// Each slot remembers the folder of its own confirmed file; a cancelled picker keeps it.
TEST_F(AsciiImportUi, PickerRemembersTheFolderPerSlot)
{
    RegKeyHandle(kRememberedFolderKey).WriteString("LID_4", u"/data/old/");
    OpenFileRequest seen;
    QStringList answer = {QStringLiteral("/data/new/run 1.txt")};
    const ScopedOpenFilePresenter presenter([&](const OpenFileRequest& r) {
        seen = r;
        return answer;
    });
    EXPECT_EQ(PickDataFile(kDataFileSlotDataTable), QStringLiteral("/data/new/run 1.txt"));
    EXPECT_EQ(seen.folder, QStringLiteral("/data/old/"));
    EXPECT_FALSE(seen.multiple);
    EXPECT_EQ(ReadRememberedFolder(4), "/data/new/");
    EXPECT_EQ(ReadRememberedFolder(11), "");
    answer.clear();
    EXPECT_FALSE(PickDataFile(kDataFileSlotDataTable).has_value());
    EXPECT_EQ(ReadRememberedFolder(4), "/data/new/");
}

TEST_F(AsciiImportUi, SettingsAreReadAtConstructionAndWrittenAfterCancel)
{
    RegKeyHandle key(kAsciiImportSettingsKey);
    key.WriteDword("ASCPV_sln", 4);
    key.WriteDword("ASCPV_ac", 7);      // any non-zero switch reads as 1
    key.WriteString("ASCPV_dc", u"9");  // wrong type: the default 2 stands
    {
        Dlg dialog;
        EXPECT_EQ(
            std::tuple(dialog.settings.dataStartLine, dialog.settings.autoCheck, dialog.settings.columns),
            std::tuple(4, 1, 2));
        dialog.previewLines = {"1 2"};
        std::vector<bool> columnsEnabled;
        RunModal([&] { return dialog.DoModal(); },
                 [&](QDialog& d) {
                     auto* columns = Control<QLineEdit>(d, Dlg::kIdColumns);
                     columnsEnabled.push_back(columns->isEnabled());
                     Click(d, ControlName(Dlg::kIdAutoCheck));  // "Auto Check" off: the count is typed
                     columnsEnabled.push_back(columns->isEnabled());
                     Cancel(d);
                 });
        EXPECT_EQ(columnsEnabled, (std::vector<bool>{false, true}));
        EXPECT_EQ(dialog.settings.autoCheck, 0);
    }
    EXPECT_EQ(std::tuple(key.ReadDword("ASCPV_ac", 99), key.ReadDword("ASCPV_dc", 99),
                         key.ReadDword("ASCPV_sln", 99)),
              std::tuple(0U, 2U, 4U));
}

TEST_F(AsciiImportUi, ImportOneFileWithNameAndTitles)
{
    const ScratchFile file("series.txt", "Pressure run\nunits\nt;p;q\n1 2 3\n4 5 6\n");
    const ScopedOpenFilePresenter presenter(
        [&](const OpenFileRequest&) { return QStringList{QString::fromStdString(file.Path())}; });
    std::optional<ImportedSeries> series;
    RunModal([&] { return (series = ImportAsciiFile(nullptr, kDataFileSlotTimeSeries, 1)) ? 1 : 0; },
             [](QDialog& d) {
                 TypeInto(d, ControlName(Dlg::kIdStartLine), "4");
                 Accept(d);
             });
    ASSERT_TRUE(series.has_value());
    EXPECT_EQ(std::tuple(series->matrix.cols, series->matrix.rows, series->matrix.At(2, 1)),
              std::tuple(3, 2, 6.0));
    EXPECT_EQ(series->name, std::optional<std::string>("Pressure run"));
    EXPECT_EQ(series->columnTitles, (std::vector<std::string>{"t", "p", "q"}));
}

// Answers each showing of a modal dialog with the next action (the import reuses one dialog for
// several files); showings past the list are cancelled.
int RunModalSequence(const std::function<int()>& open, const std::vector<DialogAction>& actions)
{
    QTimer poll;
    poll.setInterval(5);
    std::size_t next = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return;
        const QPointer<QDialog> guard(dialog);
        if (next < actions.size()) actions[next](*dialog);
        ++next;
        if (guard && guard->isVisible()) guard->reject();
    });
    poll.start();
    return open();
}

TEST_F(AsciiImportUi, MultipleFilesShareTheConfirmedSettings)
{
    const ScratchFile a("a.txt", "A\n1 2\n3 4\n");
    const ScratchFile b("b.txt", "B\n5 6\n7 8\n");
    const ScratchFile c("c.txt", "C\nno numbers here\n");
    const QStringList paths = {QString::fromStdString(a.Path()), QString::fromStdString(b.Path()),
                               QString::fromStdString(c.Path())};
    std::vector<ImportedSeries> series;
    RunModalSequence(
        [&] {
            series = ImportAsciiFiles(nullptr, paths, 1);
            return 0;
        },
        {[](QDialog& d) { Cancel(d); },  // the first file is skipped
         [](QDialog& d) {
             TypeInto(d, ControlName(Dlg::kIdStartLine), "2");
             Accept(d);
         }});
    ASSERT_EQ(series.size(), 2U);
    EXPECT_EQ(series[0].name, std::optional<std::string>("B"));
    EXPECT_EQ(std::pair(series[0].matrix.cols, series[0].matrix.At(1, 1)), std::pair(2, 8.0));
    EXPECT_EQ(series[1].name, std::optional<std::string>("C"));
    EXPECT_EQ(series[1].matrix.cols, 0);  // no data: an empty series
}

}  // namespace
