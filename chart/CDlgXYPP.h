// CDlgXYPP: the modal "Glyph Properties" sheet of X-Y-family charts on the common sheet frame: the
// chart-level pages, the series list beside the data table or the chart-style page, and the 3-D tab of
// kind 6; it edits the record copy and the host's series in place.
#pragma once

#include "chart/ChartSheet.h"

#include <vector>

namespace ov {

class CDPP_DSList;

// Control ids (objectNames "ctl_<id>").
enum XYSheetControl : int {
    kXYOk = kSheetOk,
    kXYCancel = kSheetCancel,
    kXYApply = kSheetApply,
    kXYHelp = kSheetHelp,
    kXYFrame = kSheetFrame,
    kXYListWidth = 1260
};

class CDlgXYPP : public ChartSheet {
    Q_OBJECT
public:
    explicit CDlgXYPP(const ChartSheetCall& call);

    std::vector<DataSeries*> SeriesList() const;
    std::vector<DataSeries*> SelectedSeries() const;
    DataSeries* CurrentSeries() const { return current_; }
    // The host's list of series (edited in place) and the drawing context of the call.
    OvHostList* SeriesHostList() const { return Call().seriesList; }
    DrawingContext* Context() const { return static_cast<DrawingContext*>(Call().element); }
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

    // The pages store; the data table also stores its grid into the current series.
    void Collect() override;
    // Cancel of a kind-6 sheet collects the 3-D view state too.
    void done(int result) override;

protected:
    SheetPage* CreatePage(int slot) override;
    bool SlotOnTab(int slot, int tab) const override { return ov::SlotOnTab(slot, tab); }
    ScreenRect PageRect(int slot) const override;

private:
    void SetKindTitle();
    CDPP_DSList* SeriesPage() const;

    DataSeries* current_ = nullptr;
    SheetAreas areas_;
};

}  // namespace ov
