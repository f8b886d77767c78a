// LangTable: loads one language file with pugixml and resolves (section key, entry index) to the
// text of the table's language.
#include "framework/text/LangTable.h"

#include <pugixml.hpp>

#include <cstdio>
#include <system_error>

#include "framework/files/BoundedFileRead.h"
#include "framework/text/HostFolder.h"
#include "framework/text/Utf16Conversion.h"

namespace ov {
namespace {

// The default flags keep no declaration, comment, processing-instruction or doctype nodes, so the
// document's first child is the file's top element, as lookups expect. Encoding is detected
// (UTF-8, UTF-16 with or without byte-order mark, ...) and names and values arrive as UTF-8.
constexpr unsigned kParseOptions = pugi::parse_default;

// First child element whose name equals `name` exactly (byte for byte, so case-sensitive).
pugi::xml_node FirstChildElement(pugi::xml_node parent, std::string_view name)
{
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element && name == child.name()) return child;
    }
    return {};
}

std::string EntryName(int index)
{
    char name[16];
    std::snprintf(name, sizeof name, "S%02d", index);
    return name;
}

const std::u16string& EmptyText()
{
    static const std::u16string empty;
    return empty;
}

}  // namespace

struct LangTable::Impl {
    std::u16string languageCode;
    std::string attributeName;  // the language code in the encoding the document's names use
    pugi::xml_document document;
    std::string scratchName;  // the last entry-element name built
    pugi::xml_node root;
    pugi::xml_node currentSection;

    void Reset(std::u16string_view code)
    {
        document.reset();
        root = {};
        currentSection = {};
        scratchName.clear();
        languageCode.assign(code);
        attributeName = Utf16ToUtf8(code);
    }

    void AdoptParse(const pugi::xml_parse_result& result)
    {
        if (!result) {
            document.reset();  // a partial tree of a broken file is not used
            return;
        }
        pugi::xml_node first = document.first_child();
        root = first.type() == pugi::node_element ? first : pugi::xml_node();
    }

    std::u16string EntryText(int index)
    {
        if (!currentSection) return {};
        scratchName = EntryName(index);
        pugi::xml_node entry = FirstChildElement(currentSection, scratchName);
        for (pugi::xml_attribute a = entry.first_attribute(); a; a = a.next_attribute()) {
            if (attributeName == a.name()) return Utf8ToUtf16(a.value());
        }
        return {};
    }
};

LangTable::LangTable() : impl_(std::make_unique<Impl>()) {}
LangTable::~LangTable() = default;
LangTable::LangTable(LangTable&&) noexcept = default;
LangTable& LangTable::operator=(LangTable&&) noexcept = default;

void LangTable::Open(std::u16string_view languageCode, std::string_view fileName)
{
    OpenPath(languageCode, HostFolder() / "Languages" / fileName);
}

void LangTable::OpenPath(std::u16string_view languageCode, const std::filesystem::path& path)
{
    if (!impl_) impl_ = std::make_unique<Impl>();
    impl_->Reset(languageCode);
    const FileReadResult read = ReadFileBounded(path, kMaxLanguageFileBytes);
    if (!read) return;
    impl_->AdoptParse(impl_->document.load_buffer(read.bytes.data(), read.bytes.size(), kParseOptions,
                                                  pugi::encoding_auto));
}

void LangTable::OpenBuffer(std::u16string_view languageCode, const void* data, std::size_t size)
{
    if (!impl_) impl_ = std::make_unique<Impl>();
    impl_->Reset(languageCode);
    if (!data || size == 0) return;
    impl_->AdoptParse(impl_->document.load_buffer(data, size, kParseOptions, pugi::encoding_auto));
}

void LangTable::Close()
{
    if (impl_) impl_->Reset(impl_->languageCode);
}

bool LangTable::IsLoaded() const
{
    return impl_ && impl_->root;
}

std::u16string LangTable::GetLocalizedText(std::string_view sectionKey, int index)
{
    if (!SelectSection(sectionKey)) return {};
    return impl_->EntryText(index);
}

std::u16string LangTable::CurrentSectionText(int index) const
{
    return impl_ ? impl_->EntryText(index) : std::u16string();
}

bool LangTable::SelectSection(std::string_view sectionKey)
{
    if (!impl_ || !impl_->root) return false;
    impl_->currentSection = FirstChildElement(impl_->root, sectionKey);
    return bool(impl_->currentSection);
}

const std::u16string& LangTable::LanguageCode() const
{
    return impl_ ? impl_->languageCode : EmptyText();
}

}  // namespace ov
