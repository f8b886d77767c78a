// Fuzz target of the help-page reader: any bytes give a document, and re-reading the document's
// plain text (as RTF with the braces and backslashes escaped) gives the same text again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "data/formula/RtfDocument.h"

namespace {

// The text written back as RTF: printable ASCII kept (\, { and } escaped), everything else, the
// paragraph breaks included, as \u escapes.
std::string Escape(const std::u16string& text)
{
    std::string out = "{\\rtf1 ";
    for (char16_t c : text) {
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            out += "\\u" + std::to_string(static_cast<int16_t>(c)) + "?";
        }
    }
    return out + "}";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ov::RtfDocument doc = ov::ParseRtf(std::string_view(reinterpret_cast<const char*>(data), size));
    if (doc.paragraphs.empty()) std::abort();
    const std::u16string text = doc.PlainText();
    if (ov::ParseRtf(Escape(text)).PlainText() != text) std::abort();
    return 0;
}
