// SourceImageFailure: why a bitmap file gave no image to trace, for the message the dialog shows.
#pragma once

namespace ov {

enum class SourceImageFailure {
    None,
    Unreadable,  // missing, not readable, or not a regular file (a folder, a FIFO)
    NotAnImage,  // no decoder recognises the content
    Damaged,     // recognised but the data are broken or cut short
    TooLarge,    // the decoded pixels would not fit in the memory available
};

}  // namespace ov
