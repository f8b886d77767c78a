// View3DTab: page slot 7 of the X-Y sheet for kind-6 charts: the 3-D view on the left of the page
// area and the 3-D tool page beside it. It hands the view's state to the record copy and the view's
// size to the 3-D host object whenever the sheet collects or is cancelled.
#pragma once

#include "chart/SheetLayout.h"
#include "chart/SheetPage.h"

#include <ornivex/surface.h>

#include <functional>

namespace ov {

class COvOG;

// Builds the 3-D tool page beside the view (parent, record copy, view); set by whoever provides it.
using ToolPageFactory = std::function<SheetPage*(QWidget*, ChartRecord&, COvOG&)>;
void SetView3DToolPageFactory(ToolPageFactory factory);

class View3DTab : public SheetPage {
public:
    // `areas` in sheet coordinates; the tab itself covers areas.page.
    View3DTab(ChartRecord& record, Host3DObject* object, const SheetAreas& areas, QWidget* parent);

    COvOG& View() const { return *view_; }
    SheetPage* ToolPage() const { return tool_; }

    // The rotation to 0x884 of the record copy, the view size to the 3-D host object, then the model
    // projected and ordered for the host.
    void CollectViewState();
    // Projects the model again from the current view.
    void Refresh();

    void Store() override;

protected:
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    ChartRecord& record_;
    Host3DObject* object_;
    COvOG* view_ = nullptr;
    SheetPage* tool_ = nullptr;
};

}  // namespace ov
