// The data table page inside the X-Y sheet, driven as a user would: the table's headers, formula fill
// and store on OK, and a saved table opened back. A drawing path becoming a series is a unit test.
#include "chart/CDPP_DataTable.h"
#include "chart/CDlgXYPP.h"
#include "chart/DataSeriesObject.h"
#include "chart/SeriesValues.h"
#include "data/DataTestFiles.h"
#include "data/formula/CDlgGDByFunc.h"
#include "data/import/AsciiImportSettings.h"
#include "data/import/DlgOpenASCPreView.h"
#include "framework/ui/FileDialogs.h"
#include "grid/CGridCtrl.h"
#include "tests/chart/ChartSheetKit.h"

#include <QLineEdit>

#include <bit>
#include <cmath>

using namespace ov;
using namespace ovtest;

namespace {

class DataPages : public ChartSheetTest {
protected:
    void SetUp() override
    {
        ChartSheetTest::SetUp();
        for (auto& s : series_) s = CreateNumberedSeries(u"S", 2, 3);
        record_.kind = 2;
        SetStartTab("InitPage1", 4);  // the data tab
    }
    void TearDown() override
    {
        for (DataSeries* s : series_) DestroyDataSeries(s);
    }
    int Run(const std::function<void(CDlgXYPP&, CDPP_DataTable&)>& act)
    {
        HostList list = HostList::Pointers({series_[0], series_[1], series_[2], &context_});
        return RunSheet<CDlgXYPP>(list.get(), 1, [&](CDlgXYPP& sheet) {
            act(sheet, *dynamic_cast<CDPP_DataTable*>(sheet.Page(kSlotDataTable)));
        });
    }
    static std::vector<double> Values(const DataSeries& s)
    {
        return {s.values, s.values + static_cast<size_t>(s.columns) * s.rows};
    }
    static std::vector<uint64_t> Bits(const DataSeries& s)
    {
        std::vector<uint64_t> bits;
        for (double v : Values(s)) bits.push_back(std::bit_cast<uint64_t>(v));
        return bits;
    }

    DrawingContext context_{};
    DataSeries* series_[3]{};
};

// The table names its columns by the series' coordinate system, fills the selected column from a
// formula through its text and stores every value through its shown text on OK.
TEST_F(DataPages, TableHeadersFormulaFillAndStoreThroughTheTextOnOk)
{
    SetSeriesSystem(*series_[0], 2);
    series_[0]->values[0] = 1e-12;
    record_.axes[OV_AXIS_Y3].shown = 1;
    EXPECT_EQ(Run([](CDlgXYPP& sheet, CDPP_DataTable& table) {
                  EXPECT_EQ(table.Grid().GetItemText(0, 2), "Y#3 : c2");
                  EXPECT_EQ(table.Grid().GetItemText(1, 1), "0");
                  table.Grid().SelectCells({2, 2, 2, 2});
                  RunModal(
                      [&] {
                          table.RunCommand(kTableFormula);
                          return 0;
                      },
                      [](QDialog& formula) {
                          TypeInto(formula, ControlName(CDlgGDByFunc::kIdFormula), "a^2/3");
                          Accept(formula);
                      });
                  EXPECT_EQ(table.Grid().GetItemText(3, 2), "0.333333");  // written with "%g"
                  PressKey(sheet, Qt::Key_Return);
              }),
              1);
    EXPECT_EQ(Values(*series_[0]), (std::vector<double>{0, 1, 2, 0, 0.0833333, 0.333333}));
}

TEST_F(DataPages, SavedTableOpensBackAsItselfWithTheImportDefaults)
{
    StoreAsciiImportSettings(AsciiImportSettings{});
    ResizeSeries(*series_[0], 3, 4);
    const double numbers[] = {0.1, -0.0, 1e-12, 123456.789, 1e300, -2.5e-5, 7, 1.0 / 3};
    std::copy(std::begin(numbers), std::end(numbers), series_[0]->values);
    const ScratchFile file("table.txt", "");
    const QString path = QString::fromStdString(file.Path());
    std::vector<OpenFileRequest> requests;
    ScopedOpenFilePresenter picker([&](const OpenFileRequest& r) {
        requests.push_back(r);
        return QStringList{path};
    });
    std::vector<uint64_t> saved;
    std::vector<uint64_t> opened;
    QString startLineShown;
    Run([&](CDlgXYPP&, CDPP_DataTable& table) {
        const char* typed[] = {" 2.5", "0.1234567890123456789", "-1e999", "x"};
        for (int r = 1; r <= 4; ++r) table.Grid().SetItemText(r, 3, typed[r - 1]);
        table.Store();
        saved = Bits(*series_[0]);
        table.RunCommand(kTableSave);
        table.Grid().SetItemText(1, 1, "9");
        table.Store();
        EXPECT_EQ(series_[0]->values[0], 9);
        RunModal(
            [&] {
                table.RunCommand(kTableOpen);
                return 0;
            },
            [&](QDialog& preview) {
                startLineShown =
                    qobject_cast<QLineEdit*>(FindControl(&preview, CDlgOpenASCPreView::kIdStartLine))->text();
                Accept(preview);
            });
        opened = Bits(*series_[0]);  // before a later store passes the values through their shown text
    });
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(startLineShown, "0");
    EXPECT_EQ(saved[9], std::bit_cast<uint64_t>(0.1234567890123456789));  // typed, full precision
    EXPECT_EQ(saved[10], std::bit_cast<uint64_t>(-HUGE_VAL));
    EXPECT_EQ(series_[0]->columns, 3);
    EXPECT_EQ(series_[0]->rows, 4);
    EXPECT_EQ(opened, saved);
    EXPECT_EQ(std::u16string(series_[0]->name), u"S");  // the file's empty first line names nothing
}

}  // namespace
