// CDlgXYPP: the modal "Glyph Properties" sheet of X-Y-family charts. An owner-drawn tab strip above
// a page area, pages created on first use, OK/Apply/Cancel/Help; it edits the record copy and the
// host's series in place, remembers its start tab and placement under "GPPSet".
#pragma once

#include "chart/SheetLayout.h"
#include "framework/dialogs/DialogCalls.h"

#include <QDialog>

#include <array>
#include <vector>

class QPushButton;

namespace ov {

class SheetPage;
class CDPP_DSList;

// Control ids (objectNames "ctl_<id>").
enum XYSheetControl : int {
    kXYOk = 1,
    kXYCancel = 2,
    kXYApply = 3,
    kXYHelp = 2413,
    kXYFrame = 1259,
    kXYListWidth = 1260
};

constexpr uint32_t kChartApplyMessage = 0x1980;
inline constexpr std::string_view kSheetSettingsKey = "Software\\Ornivex\\MP\\GPPSet";

class CDlgXYPP : public QDialog {
    Q_OBJECT
public:
    explicit CDlgXYPP(const ChartSheetCall& call);

    ChartRecord& Record() { return *call_.record; }
    int Kind() const { return call_.record->kind; }
    std::vector<DataSeries*> SeriesList() const;
    std::vector<DataSeries*> SelectedSeries() const;
    DataSeries* CurrentSeries() const { return current_; }
    // The host's list of series (edited in place) and the drawing context of the call.
    OvHostList* SeriesHostList() const { return call_.seriesList; }
    DrawingContext* Context() const { return static_cast<DrawingContext*>(call_.element); }
    // A series is about to be destroyed; it stops being the current one without being stored.
    void SeriesRemoved(DataSeries* series);
    // Names changed: the series list shows them again.
    void RefreshSeriesNames();

    // The series list page calls this when its selection changes.
    void SelectCurrentSeries();
    // 1 needs axis 2 shown, 2 needs axis 3 shown; anything else becomes 0.
    void SetCoordinateSystem(int system);
    // "Enable" of axis 2 or 3 changed on the axis page.
    void OnAxisEnabled(int axis, bool enabled);

    void SelectTab(int tab);
    int CurrentTab() const { return currentTab_; }
    // The page of a slot, or null before its tab was first chosen.
    SheetPage* Page(int slot) const { return pages_[static_cast<std::size_t>(slot)]; }
    const std::array<ScreenRect, kSheetTabs>& TabRects() const { return tabs_; }

    void Collect();
    void Apply();

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(class QMouseEvent*) override;
    void wheelEvent(class QWheelEvent*) override;

private:
    void BuildControls();
    void Layout();
    void LoadTexts();
    SheetPage* EnsurePage(int slot);
    ScreenRect PageRect(int slot) const;
    CDPP_DSList* SeriesPage() const;
    void Place();
    void SaveSettings();
    int TabAt(QPoint pos) const;

    ChartSheetCall call_;
    DataSeries* current_ = nullptr;
    std::array<SheetPage*, kSheetPageSlots> pages_{};
    SheetAreas areas_;
    std::array<ScreenRect, kSheetTabs> tabs_{};
    std::array<QString, kSheetTabs> tabLabels_;
    int currentTab_ = -1;
    QWidget* frame_ = nullptr;
    QWidget* listWidth_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* help_ = nullptr;
    bool settingsSaved_ = false;
};

}  // namespace ov
