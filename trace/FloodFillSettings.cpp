// FloodFillSettings: the six remembered values of the Flood Fill Tool, through the remembered-settings
// table.
#include "trace/FloodFillSettings.h"

#include "framework/settings/RememberedSettings.h"

namespace ov {
namespace {

constexpr std::string_view kKey = "Software\\Ornivex\\MP\\FFF";

using S = FloodFillSettings;
constexpr ValueRange kSlider{0, 100};
constexpr RememberedValue<S> kValues[] = {
    {"SV_Perm", &S::permeability, kSlider},
    {"SV_Debris", &S::debris, kSlider},
    {"SV_Approx", &S::approximability, kSlider},
    {"SV_PSBR", &S::blending, kSlider},
    {"PathStyle", &S::pathStyle, ValueRange{kPathPolygon, kPathBlending}},
    {"SV_ShowKP", &S::showKeyPoints, ValueRange{0, 1}},  // on only when greater than 0
};

}  // namespace

FloodFillSettings LoadFloodFillSettings()
{
    return ReadRemembered(kKey, kValues);
}

void StoreFloodFillSettings(const FloodFillSettings& settings)
{
    WriteRemembered(kKey, kValues, settings);
}

FloodFillSettings DefaultFloodFillSettings(bool showKeyPoints)
{
    return {50, 30, 10, 80, kPathBlending, showKeyPoints};
}

}  // namespace ov
