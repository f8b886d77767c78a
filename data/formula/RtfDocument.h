// A small rich-text (RTF) reader for the help pages: groups, control words, \'hh and \u escapes,
// the colour table, bold, italic, underline, size and paragraphs. Other destinations are skipped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

struct RtfFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int32_t halfPoints = 24;  // \fs: font size in half points
    int32_t colour = -1;      // 0xRRGGBB from the colour table, -1 the default text colour

    bool operator==(const RtfFormat&) const = default;
};

struct RtfRun {
    std::u16string text;
    RtfFormat format;
};

struct RtfParagraph {
    std::vector<RtfRun> runs;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
    std::vector<int32_t> colours;  // the colour table, -1 for its "auto" entries

    std::u16string PlainText() const;  // paragraphs joined with '\n'
};

// Never fails: unknown words are ignored, unbalanced groups are closed at the end, nesting deeper
// than 64 groups keeps the innermost state, and \'hh bytes are read as Windows-1252.
RtfDocument ParseRtf(std::string_view rtf);

}  // namespace ov
