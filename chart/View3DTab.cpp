// The X-Y sheet's 3-D tab: the view, the tool page's place and the view state's hand-over.
#include "chart/View3DTab.h"

#include "framework/ui/GuardedHandler.h"
#include "view3d/gl/COvOG.h"

#include <utility>

namespace ov {
namespace {

ToolPageFactory& ToolPages()
{
    static ToolPageFactory factory;
    return factory;
}

QRect Inside(const ScreenRect& r, const ScreenRect& page)
{
    return {r.left - page.left, r.top - page.top, r.Width(), r.Height()};
}

}  // namespace

void SetView3DToolPageFactory(ToolPageFactory factory)
{
    ToolPages() = std::move(factory);
}

View3DTab::View3DTab(ChartRecord& record, Host3DObject* object, const SheetAreas& areas, QWidget* parent)
    : SheetPage(parent), record_(record), object_(object)
{
    view_ = new COvOG(this, object_, &record_);
    view_->setGeometry(Inside(areas.view, areas.page));
    view_->show();  // shown with the tab; without GL this places the message instead
    // The 3-D tool page joins here, on the right of the view.
    if (ToolPages()) tool_ = ToolPages()(this, record_, *view_);
    if (tool_) tool_->setGeometry(Inside(areas.tool, areas.page));
    if (record_.style_3d != 0) view_->Rebuild();
}

void View3DTab::CollectViewState()
{
    view_->StoreViewState(record_.view_state_3d);
    if (object_) {
        object_->view_width = view_->ViewWidth();
        object_->view_height = view_->ViewHeight();
    }
    Refresh();
}

void View3DTab::Refresh()
{
    view_->ProjectModelItems();
}

void View3DTab::Store()
{
    if (tool_) tool_->Store();
    CollectViewState();
}

void View3DTab::showEvent(QShowEvent*)
{
    RunGuarded(this, [this] { Refresh(); });
}

void View3DTab::hideEvent(QHideEvent*)
{
    RunGuarded(this, [this] { Refresh(); });
}

}  // namespace ov
