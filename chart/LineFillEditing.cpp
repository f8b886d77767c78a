// Swatch rules of the line/fill editor.
#include "chart/LineFillEditing.h"

namespace ov {

bool SwatchOffered(int fillStyle, int colour)
{
    switch (colour) {
    case 0:
    case 1: return true;
    case 2: return fillStyle > 1;
    case 3: return fillStyle >= 55 && fillStyle <= 57;
    default: return false;
    }
}

}  // namespace ov
