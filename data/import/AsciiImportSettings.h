// AsciiImportSettings: the seven remembered options of the ASCII import preview, read from and
// written to the "GPPSet" key of the settings store.
#pragma once
#include <cstdint>
#include <string_view>

namespace ov {

inline constexpr std::string_view kAsciiImportSettingsKey = "Software\\Ornivex\\MP\\GPPSet";

struct AsciiImportSettings {
    int32_t dataStartLine = 0;         // "ASCPV_sln": 1-based; 0 and 1 both mean the first line
    int32_t columns = 2;               // "ASCPV_dc": used when autoCheck is off
    bool autoCheck = true;             // "ASCPV_ac"
    int32_t seriesNameLine = 1;        // "ASCPV_stl"
    bool dismissSeriesName = false;    // "ASCPV_dstl"
    int32_t columnTitleLine = 3;       // "ASCPV_ctl"
    bool dismissColumnTitles = false;  // "ASCPV_dctl"
};

// A value counts only as a 4-byte DWORD; a switch reads on when its DWORD is not 0.
AsciiImportSettings LoadAsciiImportSettings();
// Writes all seven values, the switches as 0 or 1.
void StoreAsciiImportSettings(const AsciiImportSettings& settings);

}  // namespace ov
