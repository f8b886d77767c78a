// AtomicFile: replaces a file whole or not at all. The new bytes go to a temporary file in the same
// folder, are flushed to disk and renamed over the old file, so a crash or a full disk mid-write
// leaves the previous file as it was.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace ov {

struct FileWriteResult {
    int error = 0;  // errno of the step that failed; 0 when the file now holds the new bytes
    explicit operator bool() const { return error == 0; }
    std::string Message() const;  // strerror text of `error`
};

// Writes `bytes` as the new content of `path`. A symbolic link is followed and its target replaced;
// an existing file keeps its permission bits, a new one gets 0666 less the umask. On failure the old
// file is untouched and the temporary file is removed.
FileWriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Fault injection for tests: the hook runs before each step (each chunk of data for kWrite) and
// returns an errno that makes the step fail, or 0 to let it run.
enum class AtomicWriteStep { kCreate, kWrite, kSync, kRename };
using AtomicWriteFault = std::function<int(AtomicWriteStep)>;
AtomicWriteFault SetAtomicWriteFaultForTesting(AtomicWriteFault fault);

}  // namespace ov
