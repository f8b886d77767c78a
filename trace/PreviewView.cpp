// PreviewView: fitting the traced region into the preview.
#include "trace/PreviewView.h"

#include <algorithm>

namespace ov {

PreviewView FitPreview(const Box& region, double width, double height)
{
    if (region.IsEmpty()) return {};
    const double w = region.Width(), h = region.Height();
    const double scale = std::min(w > 0 ? (width - 100) / w : 1e300, h > 0 ? (height - 100) / h : 1e300);
    if (!(scale > 0) || scale >= 1e300) return {};
    return {scale, width / 2 - scale * (region.minX + w / 2), height / 2 - scale * (region.minY + h / 2)};
}

}  // namespace ov
