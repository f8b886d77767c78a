// ChartSheet: a sheet frame over a chart call: the dispatcher's record copy that the pages edit, and
// Apply copying that copy over the host's record before the host is told.
#pragma once

#include "chart/SheetFrame.h"
#include "framework/dialogs/DialogCalls.h"

namespace ov {

class ChartSheet : public SheetFrame {
    Q_OBJECT
public:
    ChartSheet(const ChartSheetCall& call, SheetShape shape);

    ChartRecord& Record() { return *call_.record; }
    int Kind() const { return call_.record->kind; }

protected:
    const ChartSheetCall& Call() const { return call_; }
    void CommitApply() override;

private:
    ChartSheetCall call_;
};

}  // namespace ov
