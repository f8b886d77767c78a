// AsciiImportSettings: the value names and the DWORD conversions.
#include "data/import/AsciiImportSettings.h"

#include "framework/settings/RegKeyHandle.h"

namespace ov {
namespace {

int32_t ReadNumber(const RegKeyHandle& key, std::string_view name, int32_t fallback)
{
    return static_cast<int32_t>(key.ReadDword(name, static_cast<uint32_t>(fallback)));
}

int32_t ReadSwitch(const RegKeyHandle& key, std::string_view name, int32_t fallback)
{
    bool stored = false;
    const uint32_t value = key.ReadDword(name, 0, &stored);
    return stored ? (value != 0 ? 1 : 0) : fallback;
}

uint32_t SwitchValue(int32_t value)
{
    return value != 0 ? 1 : 0;
}

}  // namespace

AsciiImportSettings LoadAsciiImportSettings()
{
    const RegKeyHandle key(kAsciiImportSettingsKey);
    AsciiImportSettings s;
    s.dataStartLine = ReadNumber(key, "ASCPV_sln", s.dataStartLine);
    s.columns = ReadNumber(key, "ASCPV_dc", s.columns);
    s.autoCheck = ReadSwitch(key, "ASCPV_ac", s.autoCheck);
    s.seriesNameLine = ReadNumber(key, "ASCPV_stl", s.seriesNameLine);
    s.dismissSeriesName = ReadSwitch(key, "ASCPV_dstl", s.dismissSeriesName);
    s.columnTitleLine = ReadNumber(key, "ASCPV_ctl", s.columnTitleLine);
    s.dismissColumnTitles = ReadSwitch(key, "ASCPV_dctl", s.dismissColumnTitles);
    return s;
}

void StoreAsciiImportSettings(const AsciiImportSettings& s)
{
    RegKeyHandle key(kAsciiImportSettingsKey);
    key.WriteDword("ASCPV_sln", static_cast<uint32_t>(s.dataStartLine));
    key.WriteDword("ASCPV_dc", static_cast<uint32_t>(s.columns));
    key.WriteDword("ASCPV_ac", SwitchValue(s.autoCheck));
    key.WriteDword("ASCPV_stl", static_cast<uint32_t>(s.seriesNameLine));
    key.WriteDword("ASCPV_dstl", SwitchValue(s.dismissSeriesName));
    key.WriteDword("ASCPV_ctl", static_cast<uint32_t>(s.columnTitleLine));
    key.WriteDword("ASCPV_dctl", SwitchValue(s.dismissColumnTitles));
}

}  // namespace ov
