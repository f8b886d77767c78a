// SplitTitleLine: a single pass that closes a title at each separator.
#include "data/import/TitleLine.h"

#include <algorithm>

namespace ov {

std::vector<std::string> SplitTitleLine(std::string_view line)
{
    std::vector<std::string> titles;
    std::string current;
    for (const char c : line) {
        if (c == ',' || c == '\t' || c == ';') {
            if (!current.empty()) titles.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) titles.push_back(std::move(current));
    return titles;
}

void FitTitlesToColumns(std::vector<std::string>& titles, int count)
{
    titles.resize(static_cast<std::size_t>(std::max(count, 0)));
}

}  // namespace ov
