// List entries from a language section.
#include "chart/ListTexts.h"

#include "framework/text/LangTable.h"

namespace ov {

std::vector<std::u16string> SectionListEntries(LangTable& texts, std::string_view section)
{
    std::vector<std::u16string> entries;
    for (int i = 1; i <= kMaxListEntries; ++i) {
        std::u16string text = texts.GetLocalizedText(section, i);
        if (text.empty()) break;
        entries.push_back(std::move(text));
    }
    return entries;
}

}  // namespace ov
