// EditorBackground: one reader for the application object and every dialog that paints with it.
#include "framework/settings/EditorBackground.h"

#include "framework/settings/RegKeyHandle.h"

namespace ov {

uint32_t ReadEditorBackground()
{
    return RegKeyHandle(kAppSettingsKey).ReadDword("UI_ERBKColor", kDefaultEditorBackground);
}

}  // namespace ov
