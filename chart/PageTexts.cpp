// Page captions and list entries from the language files.
#include "chart/PageTexts.h"

#include "chart/ListTexts.h"
#include "framework/text/LanguageChoice.h"

#include <QComboBox>

namespace ov {

PageTexts::PageTexts(std::string_view file, std::string_view section) : section_(section)
{
    table_.Open(CurrentLanguageCode(), file);
}

QString PageTexts::Text(int index, const char* builtIn)
{
    const std::u16string text = table_.GetLocalizedText(section_, index);
    return text.empty() ? QString::fromUtf8(builtIn) : QString::fromStdU16String(text);
}

void PageTexts::FillList(QComboBox* list, std::string_view section,
                         std::initializer_list<const char*> builtIn)
{
    list->clear();
    for (const std::u16string& entry : SectionListEntries(table_, section))
        list->addItem(QString::fromStdU16String(entry));
    if (list->count() == 0)
        for (const char* entry : builtIn) list->addItem(QString::fromUtf8(entry));
}

}  // namespace ov
