// Finding the palette pictures.
#include "colour/PaletteFiles.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace ov {

std::filesystem::path BuiltInPalettePath(const std::filesystem::path& hostFolder, int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "CP_%02d.gxx", number);
    return hostFolder / "Pics" / name;
}

std::filesystem::path UserPalettePath(const std::filesystem::path& appDataFolder)
{
    return appDataFolder / "User_CCard.bmp";
}

PaletteFileList FindPaletteFiles(const std::filesystem::path& hostFolder,
                                 const std::filesystem::path& appDataFolder)
{
    PaletteFileList list;
    std::error_code error;
    // A folder under a palette's name ends the list like a missing file.
    for (int number = 1;; ++number) {
        auto path = BuiltInPalettePath(hostFolder, number);
        if (!std::filesystem::is_regular_file(path, error)) break;
        list.files.push_back(std::move(path));
    }
    list.builtInCount = list.Count();
    auto user = UserPalettePath(appDataFolder);
    if (std::filesystem::is_regular_file(user, error)) list.files.push_back(std::move(user));
    return list;
}

int ClampPaletteIndex(uint32_t stored, int count)
{
    if (count <= 0) return 0;
    const auto index = static_cast<int32_t>(stored);
    return std::clamp(index, 0, count - 1);
}

}  // namespace ov
