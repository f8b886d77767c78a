// LangTable: the texts of one language file ("Languages/<file>"), looked up by section key and
// entry index in the table's language. A missing, malformed or unreadable file gives empty texts.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace ov {

// Language files are tens of KB; a longer file counts as unreadable.
inline constexpr std::size_t kMaxLanguageFileBytes = 16 << 20;

class LangTable {
public:
    LangTable();
    ~LangTable();
    LangTable(LangTable&&) noexcept;
    LangTable& operator=(LangTable&&) noexcept;

    // Resets the table and loads <host folder>/Languages/<file>; never fails visibly.
    void Open(std::u16string_view languageCode, std::string_view fileName);
    // Same, from an explicit file path (tests, tools).
    void OpenPath(std::u16string_view languageCode, const std::filesystem::path& path);
    // Same, from bytes already in memory (fuzzers, tests).
    void OpenBuffer(std::u16string_view languageCode, const void* data, std::size_t size);
    void Close();
    bool IsLoaded() const;

    // Keyed lookup: selects the section and returns entry "S%02d" of it, or "".
    std::u16string GetLocalizedText(std::string_view sectionKey, int index);
    // Entry of the section selected by the last keyed lookup, or "".
    std::u16string CurrentSectionText(int index) const;
    // Selects a section without reading an entry (used by the dialog captioning).
    bool SelectSection(std::string_view sectionKey);

    const std::u16string& LanguageCode() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace ov
