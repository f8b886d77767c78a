// MagnetDialogOptions: the three switches of the Magnets dialog's copy mode, remembered as DWORDs
// under "Software\Ornivex\MM\MF_SET" (missing values count as off).
#pragma once

#include <string_view>

namespace ov {

inline constexpr std::string_view kMagnetOptionsKey = "Software\\Ornivex\\MM\\MF_SET";

struct MagnetDialogOptions {
    bool deleteSource = false;   // "DeleteSrc"
    bool newLayer = false;       // "NewLayer"
    bool relativeCoord = false;  // "RelativeCoord" ("Use Absolute Coord")
};

MagnetDialogOptions LoadMagnetDialogOptions();
void SaveMagnetDialogOptions(const MagnetDialogOptions& options);

}  // namespace ov
