// FloodFillTool: what the entry point needs of the Flood Fill Tool: run it and, on OK, hand back the
// seed in pixels and the traced outline.
#pragma once

#include <ornivex/path.h>

#include <string>

class QWidget;

namespace ov {

// Runs CDialogFFF on the bitmap with the seed given as fractions of its size. On OK the seed becomes
// pixels and `outline` receives the traced figures (mask coordinates). 1 (OK) or 2 (Cancel).
int RunFloodFillTool(QWidget* parent, const std::u16string& bitmapPath, float& seedX, float& seedY,
                     OvPath* outline);

}  // namespace ov
