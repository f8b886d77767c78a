// ReadPreviewLines: the first lines of a data file for the import preview, without their line ends.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// Every caller shows this many lines.
inline constexpr std::size_t kPreviewLineLimit = 256;

// Empties `lines`, then appends at most `limit` lines of the file (ended by LF or CR LF; a bare CR
// stays in the text; a line keeps at most its first 65,536 bytes). True when at least one line was read;
// false when the file cannot be opened or is empty. Reads only as far as the last line it keeps.
bool ReadPreviewLines(const std::string& path, std::size_t limit, std::vector<std::string>& lines);

// The same over text in memory.
bool SplitPreviewLines(std::string_view text, std::size_t limit, std::vector<std::string>& lines);

}  // namespace ov
