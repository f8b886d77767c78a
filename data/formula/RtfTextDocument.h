// Help pages shown in a text control: a parsed rich-text document poured into a QTextDocument.
#pragma once

#include <filesystem>

class QTextDocument;

namespace ov {

struct RtfDocument;

void FillTextDocument(const RtfDocument& rtf, QTextDocument& document);

// Reads and fills from a file; a missing or unreadable file leaves the document empty (false).
bool LoadRtfFile(const std::filesystem::path& path, QTextDocument& document);

}  // namespace ov
