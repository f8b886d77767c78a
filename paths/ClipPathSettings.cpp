// The remembered values of the path operations, through the remembered-settings table.
#include "paths/ClipPathSettings.h"

#include "framework/settings/RememberedSettings.h"

#include <bit>

namespace ov {
namespace {

using O = ClipPathOptions;
constexpr RememberedValue<O> kOptionValues[] = {
    {"DeleteSrc", &O::deleteSource},
    {"NewLayer", &O::newLayer},
    {"X", &O::x},
    {"Y", &O::y},
    {"W", &O::width},
    {"H", &O::height},
};

// The bias is stored as the bit pattern of the float.
struct StoredPoints {
    int32_t divisions = 0;
    uint32_t biasBits = std::bit_cast<uint32_t>(1.0f);
};
constexpr RememberedValue<StoredPoints> kPointValues[] = {
    {"int_div", &StoredPoints::divisions},
    {"int_bias", &StoredPoints::biasBits},
};

}  // namespace

ClipPathOptions LoadClipPathOptions()
{
    return ReadRemembered(kClipOptionsKey, kOptionValues);
}

void StoreClipPathOptions(const ClipPathOptions& options)
{
    WriteRemembered(kClipOptionsKey, kOptionValues, options);
}

PointsAlongSettings LoadPointsAlongSettings()
{
    const StoredPoints stored = ReadRemembered(kPointsAlongKey, kPointValues);
    return {stored.divisions, std::bit_cast<float>(stored.biasBits)};
}

void StorePointsAlongSettings(const PointsAlongSettings& settings)
{
    WriteRemembered(kPointsAlongKey, kPointValues,
                    StoredPoints{settings.divisions, std::bit_cast<uint32_t>(settings.bias)});
}

}  // namespace ov
