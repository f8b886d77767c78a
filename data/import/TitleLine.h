// SplitTitleLine: one text line cut into column titles at commas, tabs and semicolons.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// Spaces stay part of a title; empty fields vanish, so ",,a,,b," gives "a" and "b". UTF-8 safe: the
// separators are single ASCII bytes that never occur inside a multi-byte character.
std::vector<std::string> SplitTitleLine(std::string_view line);

// Pads with empty titles or cuts from the end until the list has exactly `count` entries.
void FitTitlesToColumns(std::vector<std::string>& titles, int count);

}  // namespace ov
