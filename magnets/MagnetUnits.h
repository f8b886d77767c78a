// MagnetUnits: the unit the user types magnet positions in ("MUnits" of the application settings) and
// the mapping between those user coordinates (y up) and the page coordinates the host keeps.
#pragma once

#include <ornivex/magnet.h>

#include <cstdint>
#include <string_view>

namespace ov {

inline constexpr std::string_view kAppSettingsKey = "Software\\Ornivex\\MP\\AppSettings";
inline constexpr int kUnitCount = 5;

// A position in user coordinates.
struct UserPoint {
    double x = 0;
    double y = 0;
};

// The stored unit index read as a signed number and limited to 0..4.
int ClampUnitIndex(int32_t stored);
// User units per internal unit of the index (millimetre, centimetre, point, inch, pica).
double UnitFactor(int unitIndex);
// "MUnits" of the application settings, limited to 0..4 (0 when missing).
int ReadUnitIndex();

// Page = (ox + X * s, oy - Y * s); user = ((x - ox) / s, (oy - y) / s).
struct PageMapping {
    double ox = 0;
    double oy = 0;
    double s = 1;

    OvPointF ToPage(UserPoint p) const;
    UserPoint ToUser(OvPointF p) const;
};

// s = record scale / unit factor. A record without a usable scale (zero, negative, not finite) maps
// as if its scale were 1, so positions never collapse onto the origin or turn into infinities.
PageMapping MappingFor(const MagnetRecord& record, int unitIndex);

}  // namespace ov
