// MagnetDialogOptions: read when the dialog opens, written when it goes.
#include "magnets/MagnetDialogOptions.h"

#include "framework/settings/RememberedSettings.h"

namespace ov {
namespace {

constexpr RememberedValue<MagnetDialogOptions> kOptionValues[] = {
    {"DeleteSrc", &MagnetDialogOptions::deleteSource},
    {"NewLayer", &MagnetDialogOptions::newLayer},
    {"RelativeCoord", &MagnetDialogOptions::relativeCoord},
};

}  // namespace

MagnetDialogOptions LoadMagnetDialogOptions()
{
    return ReadRemembered(kMagnetOptionsKey, kOptionValues);
}

void SaveMagnetDialogOptions(const MagnetDialogOptions& options)
{
    WriteRemembered(kMagnetOptionsKey, kOptionValues, options);
}

}  // namespace ov
