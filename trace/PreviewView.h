// PreviewView: the view transform of the Flood Fill Tool preview, which centres the traced region
// with a 50-pixel margin along the tighter axis.
#pragma once

#include "paths/Vec2.h"

namespace ov {

struct PreviewView {
    double scale = 1;
    double dx = 0;
    double dy = 0;
};

// Scale = min((width − 100) / w, (height − 100) / h) of the region box; translation centres the box.
// Identity for an empty or degenerate box (nothing traced) or a preview too small for the margins.
PreviewView FitPreview(const Box& region, double width, double height);

}  // namespace ov
