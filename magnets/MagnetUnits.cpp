// MagnetUnits: the factor table and the coordinate conversions.
#include "magnets/MagnetUnits.h"

#include "framework/settings/RegKeyHandle.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ov {
namespace {

constexpr std::array<double, kUnitCount> kFactors = {0.13173, 0.013173, 0.373408, 0.00518622, 0.0311173};

}  // namespace

int ClampUnitIndex(int32_t stored)
{
    return std::clamp(stored, 0, kUnitCount - 1);
}

double UnitFactor(int unitIndex)
{
    return kFactors[static_cast<std::size_t>(ClampUnitIndex(unitIndex))];
}

int ReadUnitIndex()
{
    const RegKeyHandle key(kAppSettingsKey);
    return ClampUnitIndex(static_cast<int32_t>(key.ReadDword("MUnits", 0)));
}

OvPointF PageMapping::ToPage(UserPoint p) const
{
    return {static_cast<float>(ox + p.x * s), static_cast<float>(oy - p.y * s)};
}

UserPoint PageMapping::ToUser(OvPointF p) const
{
    return {(p.x - ox) / s, (oy - p.y) / s};
}

PageMapping MappingFor(const MagnetRecord& record, int unitIndex)
{
    const double scale = std::isfinite(record.scale) && record.scale > 0 ? record.scale : 1.0;
    return {record.origin_x, record.origin_y, scale / UnitFactor(unitIndex)};
}

}  // namespace ov
