// PageTexts: the texts of one property page from its language file and section, with built-in
// English captions when an entry is missing, and combo-box lists filled from list sections.
#pragma once

#include "framework/text/LangTable.h"

#include <QString>

#include <initializer_list>
#include <string_view>

class QComboBox;

namespace ov {

class PageTexts {
public:
    PageTexts(std::string_view file, std::string_view section);

    // Text `index` of the page's section, or the built-in caption.
    QString Text(int index, const char* builtIn);
    // Fills a list from a section (until an empty text or 100 entries); the built-in entries when
    // the section gives none.
    void FillList(QComboBox* list, std::string_view section, std::initializer_list<const char*> builtIn);

private:
    LangTable table_;
    std::string section_;
};

}  // namespace ov
