// The entries of a combo-box list as a language section gives them: text 1, 2, ... until a text is
// empty or 100 entries are read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ov {

class LangTable;

constexpr int kMaxListEntries = 100;

std::vector<std::u16string> SectionListEntries(LangTable& texts, std::string_view section);

}  // namespace ov
