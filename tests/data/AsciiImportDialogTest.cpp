// The import's widgets driven as a user would: the preview dialog's settings round trip through the
// store, and the single- and multi-file import commands with the picker's remembered folder.
#include <gtest/gtest.h>

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
        RunModal([&] { return dialog.DoModal(); },
                 [&](QDialog& d) {
                     Click(d, ControlName(Dlg::kIdAutoCheck));  // "Auto Check" off
                     Cancel(d);
                 });
        EXPECT_EQ(dialog.settings.autoCheck, 0);
    }
    EXPECT_EQ(std::tuple(key.ReadDword("ASCPV_ac", 99), key.ReadDword("ASCPV_dc", 99),
                         key.ReadDword("ASCPV_sln", 99)),
              std::tuple(0U, 2U, 4U));
}

// Cancel imports nothing; OK reads the file from the typed start line, with its name and column titles.
// The picker opens in the folder of the last file picked for the same purpose.
TEST_F(AsciiImportUi, ImportOneFileWithNameAndTitles)
{
    const ScratchFile file("series.txt", "Pressure run\nunits\nt;p;q\n1 2 3\n4 5 6\n");
    RegKeyHandle(kRememberedFolderKey).WriteString("LID_5", u"/data/old/");
    QStringList folders;
    const ScopedOpenFilePresenter presenter([&](const OpenFileRequest& r) {
        folders.push_back(r.folder);
        return QStringList{QString::fromStdString(file.Path())};
    });
    std::optional<ImportedSeries> series;
    const auto import = [&] {
        return (series = ImportAsciiFile(nullptr, kDataFileSlotTimeSeries, 1)) ? 1 : 0;
    };
    RunModal(import, [](QDialog& d) { Cancel(d); });
    EXPECT_FALSE(series.has_value());
    RunModal(import, [](QDialog& d) {
        TypeInto(d, ControlName(Dlg::kIdStartLine), "4");
        Accept(d);
    });
    ASSERT_TRUE(series.has_value());
    const QString folder = QString::fromStdString(std::filesystem::path(file.Path()).parent_path().string());
    EXPECT_EQ(folders, (QStringList{"/data/old/", folder + "/"}));
    EXPECT_EQ(std::tuple(series->matrix.cols, series->matrix.rows, series->matrix.At(2, 1)),
              std::tuple(3, 2, 6.0));
    EXPECT_EQ(series->name, std::optional<std::string>("Pressure run"));
    EXPECT_EQ(series->columnTitles, (std::vector<std::string>{"t", "p", "q"}));
}

// The settings confirmed for the first file serve the others without asking again; a file without
// numbers gives an empty series.
TEST_F(AsciiImportUi, MultipleFilesShareTheConfirmedSettings)
{
    const ScratchFile a("a.txt", "A\n1 2\n3 4\n");
    const ScratchFile b("b.txt", "B\n5 6\n7 8\n");
    const ScratchFile c("c.txt", "C\nno numbers here\n");
    const QStringList paths = {QString::fromStdString(a.Path()), QString::fromStdString(b.Path()),
                               QString::fromStdString(c.Path())};
    std::vector<ImportedSeries> series;
    RunModal(
        [&] {
            series = ImportAsciiFiles(nullptr, paths, 1);
            return 0;
        },
        [](QDialog& d) {
            TypeInto(d, ControlName(Dlg::kIdStartLine), "2");
            Accept(d);
        });
    ASSERT_EQ(series.size(), 3U);
    EXPECT_EQ(std::tuple(series[1].name, series[1].matrix.cols, series[1].matrix.At(1, 1)),
              std::tuple(std::optional<std::string>("B"), 2, 8.0));
    EXPECT_EQ(std::pair(series[2].name, series[2].matrix.cols),
              std::pair(std::optional<std::string>("C"), 0));
}

}  // namespace
