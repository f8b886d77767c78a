// RememberedFolder: the last folder of each file-dialog slot, kept in the settings store so that the
// next dialog of that slot opens where the user last confirmed a file.
#pragma once

#include <string>
#include <string_view>

namespace ov {

inline constexpr std::string_view kRememberedFolderKey = "Software\\Ornivex\\MP\\FDInit";

// The value name of a slot: "LID_<slot>".
std::string RememberedFolderValueName(int slot);

// The folder to open the slot's dialog in; "" leaves the choice to the system. A stored folder of
// more than 127 characters reads as missing.
std::string ReadRememberedFolder(int slot);

// Stores the folder of the confirmed file: the path up to and including its last '/'.
void RememberFolderOf(int slot, std::string_view chosen_path);

// The text up to and including the last '/', or "" when there is none.
std::string FolderOfPath(std::string_view path);

}  // namespace ov
