// MagnetPatternSettings: the generator parameters remembered under "Software\Ornivex\MP\Magnet"
// (lengths and angles as 32-bit floats stored bit for bit in DWORDs, counts as DWORDs).
#pragma once

#include "magnets/MagnetPatterns.h"

#include <string_view>
#include <vector>

namespace ov {

inline constexpr std::string_view kMagnetPatternKey = "Software\\Ornivex\\MP\\Magnet";

struct MagnetPatternSettings {
    CrossParams cross;
    LineParams line;
    CircleParams circle;
    GridParams grid;
    StaggerParams stagger;  // both staggered grids
};

// One parameter of a generator: its stored name and either a float or a count member.
struct PatternField {
    const char* name = "";
    float* real = nullptr;
    int32_t* count = nullptr;
};

// The parameters of one generator in prompt order, pointing into `settings`.
std::vector<PatternField> PatternFields(MagnetPatternSettings& settings, PatternKind kind);

// Missing values, and floats that are not finite, keep the defaults.
MagnetPatternSettings LoadMagnetPatternSettings();
void SaveMagnetPatternSettings(const MagnetPatternSettings& settings);

}  // namespace ov
