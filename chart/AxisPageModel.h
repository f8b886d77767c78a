// The Axis page without widgets: load and store of the four axis records, the scale parameter rule,
// the colour swatch rule and which groups and controls each chart kind shows.
#pragma once

#include <ornivex/chart.h>

#include <array>
#include <string>

namespace ov {

constexpr int kScaleWithParameter = 5;  // the "Scale :" index that shows the parameter edit
constexpr int kZAxisTitleText = 12;     // text of "gPAX" that retitles the Y#2 group as the Z axis

struct AxisValues {
    std::u16string title;
    std::u16string minText;
    std::u16string maxText;
    bool shown = false;  // X and Y: their box; Y#2 and Y#3: "Enable"
    int labels = -1;     // list selections; -1 keeps the stored index
    int scale = -1;
    std::u16string parameterText;
};

using AxisPageValues = std::array<AxisValues, OV_AXIS_COUNT>;

AxisPageValues LoadAxes(const ChartRecord& record);
// Per axis: title cut to 127 characters; the smaller typed range value as minimum, the larger as
// maximum (widened by 1e-16 each side when closer); shown flag; list indexes; parameter never below 0.
void StoreAxes(const AxisPageValues& values, ChartRecord& record);

inline bool ScaleParameterShown(int scaleIndex)
{
    return scaleIndex == kScaleWithParameter;
}

// The colour swatches of axes 2 and 3 are painted only while the axis is enabled.
bool AxisSwatchPainted(const ChartRecord& record, int axis);

struct AxisGroupVisibility {
    bool group = true;
    bool title = true;
    bool range = true;
    bool check = true;  // X, Y: the shown box; Y#2, Y#3: "Enable"
    bool labels = true;
    bool scale = true;  // "Scale :" with its parameter edit
    bool colour = false;
};

struct AxisPageVisibility {
    std::array<AxisGroupVisibility, OV_AXIS_COUNT> groups;
    bool thirdAutoRange = false;  // kinds 5, 6: axis 2's shown flag as "Auto Range"
    bool zAxisTitle = false;      // kinds 5, 6: the Y#2 group serves the Z axis
};
AxisPageVisibility AxisVisibilityFor(int kind);

}  // namespace ov
