// Help pages shown in a text control: a parsed rich-text document poured into a QTextDocument.
#pragma once

#include <cstddef>
#include <filesystem>

class QTextDocument;

namespace ov {

struct RtfDocument;

void FillTextDocument(const RtfDocument& rtf, QTextDocument& document);

// Help pages are tens of KB; a longer file is not read.
inline constexpr std::size_t kMaxRtfFileBytes = 16 << 20;

// Reads and fills from a file; a missing or unreadable file (a folder in its place, more than
// kMaxRtfFileBytes) leaves the document empty (false).
bool LoadRtfFile(const std::filesystem::path& path, QTextDocument& document);

}  // namespace ov
