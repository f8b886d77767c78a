// FloodFillTool: the dialog run of __exp_DFF.
#include "trace/FloodFillTool.h"

#include "trace/CDialogFFF.h"
#include "trace/TraceEngine.h"

namespace ov {

int RunFloodFillTool(QWidget* parent, const std::u16string& bitmapPath, float& seedX, float& seedY,
                     OvPath* outline)
{
    CDialogFFF dialog(parent);
    dialog.bitmapPath = QString::fromStdU16String(bitmapPath);
    dialog.seedX = seedX;
    dialog.seedY = seedY;
    const int result = dialog.DoModal();
    if (result != CDialogFFF::kIdOk) return result;
    seedX = dialog.seedX;
    seedY = dialog.seedY;
    PathObject merged;
    dialog.Engine().MergeFigures(merged);
    const auto count = merged.PointCount();
    ov_path_reset(outline);
    if (count > 0) ov_path_set_data(outline, merged.Points().data(), merged.Types().data(), count);
    return result;
}

}  // namespace ov
