// SheetPage: the base of the property sheets' child pages. A page loads its controls from the record
// copy or the current series when it is created and stores them when the sheet collects; pages that
// show series data reload when the sheet's current series changes. The base itself is an empty page
// area (what a tab shows until its page exists).
#pragma once

#include <ornivex/chart.h>

#include <QWidget>

namespace ov {

class SheetPage : public QWidget {
public:
    using QWidget::QWidget;

    // Stores the controls into the record copy (or the current series).
    virtual void Store() {}
    // The current series is about to change: keep what the page shows of `previous`.
    virtual void StoreSeries(DataSeries* previous) { (void)previous; }
    // Reads the (new) current series.
    virtual void ReloadSeries() {}
    // The current series' coordinate system changed.
    virtual void RefreshCoordinateSystem() {}
};

}  // namespace ov
