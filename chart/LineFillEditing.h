// The line/fill editor's rules without widgets: the width shown × 0.375, which colour swatches a fill
// style offers, and the record of changed fields that the editor reports to its parent.
#pragma once

#include <ornivex/chart.h>

#include <cstdint>

namespace ov {

constexpr int kLineStyleEntries = 9;
constexpr int kFillStyleEntries = 60;
constexpr float kLineWidthShown = 0.375f;

// Field numbers of a change: 0 line style, 1 width, 2 fill style, 3 ... 6 colours 0 ... 3.
enum LineFillField : int { kLfLineStyle = 0, kLfWidth = 1, kLfFillStyle = 2, kLfColour0 = 3 };

inline double ShownLineWidth(const LineFillStyle& style)
{
    return static_cast<double>(style.line_width * kLineWidthShown);
}

inline float StoredLineWidth(double typed)
{
    return static_cast<float>(typed) / kLineWidthShown;
}

// Colours 0 and 1 are always offered; colour 2 not for fill styles 0 and 1; colour 3 only for the
// three-colour gradients 55 ... 57. A colour not offered is painted blank and ignores clicks.
bool SwatchOffered(int fillStyle, int colour);

// The last changed field and the mask of every field changed so far (bit n for field n).
struct LineFillChanges {
    int lastField = -1;
    uint32_t mask = 0;

    void Note(int field)
    {
        lastField = field;
        mask |= 1u << static_cast<unsigned>(field);
    }
};

}  // namespace ov
