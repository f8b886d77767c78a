// RememberedFolder: reading and writing the "LID_<slot>" values under the file-dialog key.
#include "framework/settings/RememberedFolder.h"

#include "framework/settings/RegKeyHandle.h"
#include "framework/text/Utf16Conversion.h"

namespace ov {

std::string RememberedFolderValueName(int slot)
{
    return "LID_" + std::to_string(slot);
}

std::string ReadRememberedFolder(int slot)
{
    const RegKeyHandle key(kRememberedFolderKey);
    return Utf16ToUtf8(key.ReadString(RememberedFolderValueName(slot), u""));
}

void RememberFolderOf(int slot, std::string_view chosen_path)
{
    RegKeyHandle key(kRememberedFolderKey);
    key.WriteString(RememberedFolderValueName(slot), Utf8ToUtf16(FolderOfPath(chosen_path)));
}

std::string FolderOfPath(std::string_view path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

}  // namespace ov
