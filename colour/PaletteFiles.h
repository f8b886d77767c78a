// PaletteFiles: which palette pictures the picker offers. Built-in ones are "Pics/CP_01.gxx",
// "Pics/CP_02.gxx", ... beside the host program up to the first missing number; the user's own
// palette "User_CCard.bmp" in the application-data folder follows when present.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace ov {

struct PaletteFileList {
    std::vector<std::filesystem::path> files;
    int builtInCount = 0;
    bool HasUserPalette() const { return static_cast<int>(files.size()) > builtInCount; }
    int Count() const { return static_cast<int>(files.size()); }
};

std::filesystem::path BuiltInPalettePath(const std::filesystem::path& hostFolder, int number);
std::filesystem::path UserPalettePath(const std::filesystem::path& appDataFolder);

PaletteFileList FindPaletteFiles(const std::filesystem::path& hostFolder,
                                 const std::filesystem::path& appDataFolder);

// A stored palette index (a DWORD, possibly garbage) limited to 0 .. count - 1; 0 when there are none.
int ClampPaletteIndex(uint32_t stored, int count);

}  // namespace ov
