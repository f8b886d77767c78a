// AsciiImportSettings: the value names, through the remembered-settings table.
#include "data/import/AsciiImportSettings.h"

#include "framework/settings/RememberedSettings.h"

namespace ov {
namespace {

using S = AsciiImportSettings;
constexpr RememberedValue<S> kValues[] = {
    {"ASCPV_sln", &S::dataStartLine},
    {"ASCPV_dc", &S::columns},
    {"ASCPV_ac", &S::autoCheck},
    {"ASCPV_stl", &S::seriesNameLine},
    {"ASCPV_dstl", &S::dismissSeriesName},
    {"ASCPV_ctl", &S::columnTitleLine},
    {"ASCPV_dctl", &S::dismissColumnTitles},
};

}  // namespace

AsciiImportSettings LoadAsciiImportSettings()
{
    return ReadRemembered(kAsciiImportSettingsKey, kValues);
}

void StoreAsciiImportSettings(const AsciiImportSettings& settings)
{
    WriteRemembered(kAsciiImportSettingsKey, kValues, settings);
}

}  // namespace ov
