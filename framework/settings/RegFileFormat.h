// RegFileFormat: the registry editor's ".reg" text format for the settings store. Parsing works on
// bytes (UTF-8, or UTF-16LE with BOM) and is complete before anything touches the store.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/settings/RegistryStore.h"

namespace ov {

inline constexpr std::string_view kRegFileHeader = "Windows Registry Editor Version 5.00";

struct RegParseResult {
    bool ok = false;
    std::string error;  // "line N: what is wrong" when !ok
    std::vector<RegEdit> edits;
};

struct RegFileResult {
    bool ok = false;
    std::string message;
};

// Reads a whole .reg document. Only HKEY_CURRENT_USER sections are accepted.
RegParseResult ParseRegFile(std::string_view bytes);

// Writes keys as UTF-8 .reg text: strings quoted, DWORDs as dword:, everything else as hex.
std::string FormatRegFile(const std::vector<RegKeyDump>& keys);

// The key `path` and everything below it as .reg text.
RegFileResult ExportRegFile(RegistryStore& store, std::string_view path, std::string& text);

// Parses `bytes` and applies all of it in one transaction; on any error the store is unchanged.
RegFileResult ImportRegFile(RegistryStore& store, std::string_view bytes);

}  // namespace ov
