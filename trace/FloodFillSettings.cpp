// FloodFillSettings: reading and writing the six remembered values of the Flood Fill Tool.
#include "trace/FloodFillSettings.h"

#include "framework/settings/RegKeyHandle.h"

#include <algorithm>

namespace ov {
namespace {

constexpr const char* kKey = "Software\\Ornivex\\MP\\FFF";

int32_t ReadClamped(const RegKeyHandle& key, const char* name, int32_t fallback, int32_t high)
{
    const auto value = static_cast<int32_t>(key.ReadDword(name, static_cast<uint32_t>(fallback)));
    return std::clamp(value, 0, high);
}

}  // namespace

FloodFillSettings LoadFloodFillSettings()
{
    const RegKeyHandle key(kKey);
    FloodFillSettings s;
    s.permeability = ReadClamped(key, "SV_Perm", 0, 100);
    s.debris = ReadClamped(key, "SV_Debris", 0, 100);
    s.approximability = ReadClamped(key, "SV_Approx", 0, 100);
    s.blending = ReadClamped(key, "SV_PSBR", 50, 100);
    s.pathStyle = ReadClamped(key, "PathStyle", kPathBlending, kPathBlending);
    s.showKeyPoints = static_cast<int32_t>(key.ReadDword("SV_ShowKP", 0)) > 0;
    return s;
}

void StoreFloodFillSettings(const FloodFillSettings& s)
{
    RegKeyHandle key(kKey);
    key.WriteDword("SV_Perm", static_cast<uint32_t>(s.permeability));
    key.WriteDword("SV_Debris", static_cast<uint32_t>(s.debris));
    key.WriteDword("SV_Approx", static_cast<uint32_t>(s.approximability));
    key.WriteDword("SV_PSBR", static_cast<uint32_t>(s.blending));
    key.WriteDword("PathStyle", static_cast<uint32_t>(s.pathStyle));
    key.WriteDword("SV_ShowKP", s.showKeyPoints ? 1u : 0u);
}

FloodFillSettings DefaultFloodFillSettings(bool showKeyPoints)
{
    return {50, 30, 10, 80, kPathBlending, showKeyPoints};
}

}  // namespace ov
