// The chart sheets' record copy and its hand-over on Apply.
#include "chart/ChartSheet.h"

#include <cstring>
#include <utility>

namespace ov {

ChartSheet::ChartSheet(const ChartSheetCall& call, SheetShape shape)
    : SheetFrame(SheetHost{call.parent, call.hostWindow}, std::move(shape)), call_(call)
{
}

void ChartSheet::CommitApply()
{
    if (call_.hostRecord && call_.hostRecord != call_.record)
        std::memcpy(call_.hostRecord, call_.record, sizeof(ChartRecord));
}

}  // namespace ov
