// Fuzz target of the language-file reader: any bytes as a language file, then keyed, current-section
// and selection lookups with keys and indexes taken from the input itself.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/text/LangTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first byte picks the language; the next few bytes double as a section key so that the
    // fuzzer can reach sections it invents.
    const char16_t* language = (size > 0 && (data[0] & 1)) ? u"cn" : u"en";
    std::string_view inventedKey = bytes.substr(size > 0 ? 1 : 0, 8);
    ov::LangTable table;
    table.OpenBuffer(language, data, size);
    for (std::string_view key : {std::string_view("gMSG_4"), std::string_view("gDLG_9"), inventedKey}) {
        for (int index : {0, 1, 2, 7, 99, 123, -1}) {
            table.GetLocalizedText(key, index);
            table.CurrentSectionText(index + 1);
        }
        table.SelectSection(key);
    }
    table.Close();
    table.GetLocalizedText("gMSG_4", 1);
    return 0;
}
