// Reading toolbar description files and working out the overflow menu.
#include "framework/toolbar/ToolbarDescription.h"

#include "framework/files/BoundedFileRead.h"
#include "framework/text/HostFolder.h"
#include "framework/text/Utf16Conversion.h"

#include <pugixml.hpp>

namespace ov {
namespace {

std::u16string LanguageText(const pugi::xml_node& node, const std::string& code)
{
    return Utf8ToUtf16(node.attribute(code.c_str()).as_string());
}

ToolbarButton ReadButton(const pugi::xml_node& element, const std::string& code)
{
    ToolbarButton b;
    b.command = element.attribute("cmd").as_int(0);
    b.kind = element.attribute("type").as_int(1);
    b.size = element.attribute("size").as_float(1.0f);
    b.iconName = element.attribute("icon").as_string();
    b.title = LanguageText(element.child("tit"), code);
    b.tooltip = LanguageText(element.child("tip"), code);
    return b;
}

}  // namespace

std::vector<ToolbarButton> ParseToolbarDescription(const void* data, std::size_t size,
                                                   std::u16string_view languageCode)
{
    std::vector<ToolbarButton> buttons;
    pugi::xml_document doc;
    if (!doc.load_buffer(data, size)) return buttons;
    const std::string code = Utf16ToUtf8(languageCode);
    const pugi::xml_node top = doc.first_child();
    for (pugi::xml_node element = top.first_child(); element; element = element.next_sibling())
        if (element.type() == pugi::node_element) buttons.push_back(ReadButton(element, code));
    return buttons;
}

std::vector<ToolbarButton> LoadToolbarDescription(std::string_view name, std::u16string_view languageCode)
{
    const FileReadResult read =
        ReadFileBounded(HostFolder() / "icons" / (std::string(name) + ".xml"), kMaxToolbarDescriptionBytes);
    if (!read) return {};
    return ParseToolbarDescription(read.bytes.data(), read.bytes.size(), languageCode);
}

std::vector<OverflowEntry> BuildOverflowEntries(const std::vector<ToolbarButton>& buttons)
{
    std::vector<OverflowEntry> entries;
    bool anyItem = false;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (!buttons[i].hiddenInOverflow) continue;
        if (buttons[i].IsCommand()) {
            entries.push_back({false, i});
            anyItem = true;
            continue;
        }
        bool moreFollow = false;
        for (std::size_t j = i + 1; j < buttons.size() && !moreFollow; ++j)
            moreFollow = buttons[j].hiddenInOverflow;
        if (anyItem && moreFollow) entries.push_back({true, i});
    }
    return entries;
}

}  // namespace ov
