// EditorBackground: the editor background colour of the application settings, "UI_ERBKColor" under
// "Software\Ornivex\MP\AppSettings", a COLORREF (0x00BBGGRR).
#pragma once

#include <cstdint>
#include <string_view>

namespace ov {

inline constexpr std::string_view kAppSettingsKey = "Software\\Ornivex\\MP\\AppSettings";
inline constexpr uint32_t kDefaultEditorBackground = 0xF0F0F0;

// The stored value when it is a 4-byte DWORD, else the default (a string, for one, is ignored).
uint32_t ReadEditorBackground();

}  // namespace ov
