// MagnetDialogOptions: read when the dialog opens, written when it goes.
#include "magnets/MagnetDialogOptions.h"

#include "framework/settings/RegKeyHandle.h"

namespace ov {

MagnetDialogOptions LoadMagnetDialogOptions()
{
    const RegKeyHandle key(kMagnetOptionsKey);
    return {key.ReadFlag("DeleteSrc", false), key.ReadFlag("NewLayer", false),
            key.ReadFlag("RelativeCoord", false)};
}

void SaveMagnetDialogOptions(const MagnetDialogOptions& options)
{
    RegKeyHandle key(kMagnetOptionsKey);
    key.WriteDword("DeleteSrc", options.deleteSource ? 1 : 0);
    key.WriteDword("NewLayer", options.newLayer ? 1 : 0);
    key.WriteDword("RelativeCoord", options.relativeCoord ? 1 : 0);
}

}  // namespace ov
