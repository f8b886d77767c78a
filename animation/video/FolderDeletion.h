// FolderDeletion: removes a folder of frames with everything in it without ever leaving it: every
// level is opened relative to its parent without following links, links are removed as links, and
// nothing on another filesystem is entered.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ov {

enum class FolderDeletion {
    kDeleted,      // the folder and everything in it are gone
    kMissing,      // there was no folder (nothing to do)
    kRefusedLink,  // the folder's own name is a symbolic link (the link is left alone)
    kRefusedRoot,  // "/" (however spelled)
    kRefusedKept,  // one of the folders the caller keeps (home, the application-data folder)
    kRefusedName,  // empty, relative, or ending in "." or ".."
    kNotAFolder,   // something else than a folder
    kIncomplete,   // some entries could not be removed (other filesystem, permissions); the rest are gone
};

// Deletes `folder` (an absolute path) and its contents: files and links first, then sub-folders
// recursively, then the folder itself. Each entry of `kept` that exists is refused as the folder
// itself (compared by identity, so other spellings and links to it count), never as a parent.
FolderDeletion DeleteFolderTree(const std::string& folder, const std::vector<std::string>& kept);

// Test hook: runs before each sub-folder is opened, with its path, so a test can swap a link in.
using FolderDeletionHook = std::function<void(const std::string& path)>;
FolderDeletionHook SetFolderDeletionHookForTesting(FolderDeletionHook hook);

}  // namespace ov
