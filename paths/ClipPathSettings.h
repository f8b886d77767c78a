// ClipPathSettings: what the two path operations remember: the Clipped Path dialog's options and
// window under "Software\Ornivex\CD\MF_SET", and the points-along-paths divisions and bias under
// "Software\Ornivex\MP\MISC" (the bias as the four bytes of a 32-bit float).
#pragma once

#include <cstdint>
#include <string_view>

namespace ov {

inline constexpr std::string_view kClipOptionsKey = "Software\\Ornivex\\CD\\MF_SET";
inline constexpr std::string_view kPointsAlongKey = "Software\\Ornivex\\MP\\MISC";

struct ClipPathOptions {
    bool deleteSource = false;  // "DeleteSrc"
    bool newLayer = false;      // "NewLayer"
    int32_t x = 0;              // "X", "Y", "W", "H": the window; no size stored means none
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

ClipPathOptions LoadClipPathOptions();
void StoreClipPathOptions(const ClipPathOptions& options);

struct PointsAlongSettings {
    int32_t divisions = 0;  // "int_div"
    float bias = 1.0f;      // "int_bias"
};

PointsAlongSettings LoadPointsAlongSettings();
void StorePointsAlongSettings(const PointsAlongSettings& settings);

}  // namespace ov
