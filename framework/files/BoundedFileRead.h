// BoundedFileRead: reading a file the library expects to be small. Only regular files are read,
// opening never blocks (a FIFO in the file's place is refused), and a file longer than the caller's
// cap is refused before any memory is allocated for it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace ov {

enum class FileReadFailure {
    kNone,
    kMissing,     // no such file (or a dangling link)
    kNotAFile,    // a folder, FIFO, socket or device in the file's place
    kTooLarge,    // more bytes than the cap
    kUnreadable,  // no permission, a link loop, an I/O error
};

struct FileReadResult {
    FileReadFailure failure = FileReadFailure::kNone;
    int error = 0;      // errno behind kMissing / kUnreadable
    std::string bytes;  // the whole file when failure is kNone, else empty
    explicit operator bool() const { return failure == FileReadFailure::kNone; }
};

FileReadResult ReadFileBounded(const std::filesystem::path& path, std::size_t maxBytes);

// Opens `path` for reading when it is a regular file, without blocking; the descriptor (close-on-exec)
// is the caller's to close. -1 and the reason otherwise.
int OpenRegularFile(const std::filesystem::path& path, FileReadFailure& failure, int& error);

}  // namespace ov
