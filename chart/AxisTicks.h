// AxisTicks: tick positions and label texts for a value range drawn along an axis of a given length:
// round steps (1, 2, 2.5 or 5 times a power of ten) chosen so the labels do not crowd each other, the
// range widened to whole steps, one number of decimals for every label, scientific notation only for
// very large or very small numbers, and logarithmic axes on whole decades.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ov {

struct AxisTick {
    double value = 0;
    std::string label;
};

struct AxisTicks {
    double low = 0;   // the range the axis shows: the data widened to whole steps (decades on log axes)
    double high = 0;  // low < high, whatever order the data came in
    double step = 0;  // between ticks (on log axes: decades between ticks)
    std::vector<AxisTick> ticks;  // from low to high
};

// The width of a label in the units of the axis length (pixels, say).
using LabelWidth = std::function<double(const std::string&)>;

struct AxisRequest {
    double from = 0;  // the data's range, in any order
    double to = 0;
    double length = 0;         // the axis length, in the units of labelWidth
    LabelWidth labelWidth;     // null: 7 units per character
    double labelGap = 12;      // the least free space between two labels
    double minSpacing = 40;    // the least distance between two ticks
    bool logarithmic = false;  // positive ranges only; otherwise falls back to linear
};

// Nothing (no ticks) when the range is not finite or the axis has no length.
AxisTicks ChooseAxisTicks(const AxisRequest& request);

// The label of a value with a given number of decimals: fixed notation, "-0" printed as "0".
std::string FixedLabel(double value, int decimals);

}  // namespace ov
