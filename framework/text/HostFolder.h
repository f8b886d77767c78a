// Where the files that ship beside the host program lie, and the per-user folders of the library.
#pragma once

#include <filesystem>

namespace ov {

// Folder of the running executable (/proc/self/exe), or ORNIVEX_HOST_DIR when set.
std::filesystem::path HostFolder();

// $XDG_DATA_HOME (or ~/.local/share) + "Ornivex_DLG"; the application-data folder.
std::filesystem::path AppDataFolder();

}  // namespace ov
