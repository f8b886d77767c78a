// The rich-text reader: a byte scanner with a stack of group states.
#include "data/formula/RtfDocument.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace ov {
namespace {

constexpr size_t kMaxDepth = 64;

// Windows-1252 for 0x80-0x9F; every other byte maps to the same code point.
char16_t FromCp1252(uint8_t b)
{
    static constexpr std::array<char16_t, 32> kHigh = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    return b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : static_cast<char16_t>(b);
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

enum class Destination { Text, Skip, ColourTable };

struct GroupState {
    RtfFormat format;
    Destination destination = Destination::Text;
    int32_t unicodeSkip = 1;  // \uc: fallback characters after each \u
};

class Reader {
public:
    explicit Reader(std::string_view rtf) : in_(rtf) { doc_.paragraphs.emplace_back(); }

    RtfDocument Run()
    {
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (c == '{') {
                Push();
            } else if (c == '}') {
                Pop();
            } else if (c == '\\') {
                ControlSymbolOrWord();
            } else if (c != '\r' && c != '\n') {
                Put(static_cast<char16_t>(static_cast<uint8_t>(c)));
            }
        }
        if (doc_.paragraphs.back().runs.empty() && doc_.paragraphs.size() > 1) doc_.paragraphs.pop_back();
        return std::move(doc_);
    }

private:
    GroupState& State() { return stack_.back(); }

    void Push()
    {
        if (stack_.size() < kMaxDepth) {
            stack_.push_back(stack_.back());
        } else {
            ++overflow_;
        }
        pendingDestination_ = true;
    }

    void Pop()
    {
        if (overflow_ > 0) {
            --overflow_;
        } else if (stack_.size() > 1) {
            stack_.pop_back();
        }
        pendingDestination_ = false;
    }

    void Put(char16_t ch)
    {
        pendingDestination_ = false;
        if (skipFallback_ > 0) {
            --skipFallback_;
            return;
        }
        if (State().destination == Destination::ColourTable) {
            if (ch == u';') EndColour();
            return;
        }
        if (State().destination != Destination::Text) return;
        auto& runs = doc_.paragraphs.back().runs;
        if (runs.empty() || !(runs.back().format == State().format)) runs.push_back({{}, State().format});
        runs.back().text.push_back(ch);
    }

    void EndColour()
    {
        doc_.colours.push_back(colourSet_ ? colour_ : -1);
        colour_ = 0;
        colourSet_ = false;
    }

    void ControlSymbolOrWord()
    {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            ControlSymbol(c);
            return;
        }
        const size_t start = pos_;
        while (pos_ < in_.size() && pos_ - start < 32 && std::isalpha(static_cast<unsigned char>(in_[pos_])))
            ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        bool hasParam = false;
        int64_t param = 0;
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
            hasParam = true;
            param = std::min<int64_t>(param * 10 + (in_[pos_++] - '0'), 1 << 30);
        }
        if (negative) param = -param;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        ControlWord(word, hasParam, static_cast<int32_t>(param));
    }

    void ControlSymbol(char c)
    {
        if (c == '\'') {
            const int hi = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
            const int lo = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
            if (hi < 0 || lo < 0) return;
            pos_ += 2;
            Put(FromCp1252(static_cast<uint8_t>(hi * 16 + lo)));
        } else if (c == '*') {
            if (pendingDestination_) State().destination = Destination::Skip;
        } else if (c == '~') {
            Put(u'\u00A0');
        } else if (c == '_') {
            Put(u'\u2011');
        } else if (c == '\\' || c == '{' || c == '}') {
            Put(static_cast<char16_t>(c));
        } else if (c == '\n' || c == '\r') {
            NewParagraph();
        }
    }

    void NewParagraph()
    {
        pendingDestination_ = false;
        if (State().destination == Destination::Text) doc_.paragraphs.emplace_back();
    }

    void ControlWord(std::string_view w, bool hasParam, int32_t p)
    {
        const bool wasPending = pendingDestination_;
        pendingDestination_ = false;
        RtfFormat& f = State().format;
        const bool on = !hasParam || p != 0;
        if (w == "par") {
            NewParagraph();
        } else if (w == "line") {
            Put(u'\u2028');
        } else if (w == "tab") {
            Put(u'\t');
        } else if (w == "b") {
            f.bold = on;
        } else if (w == "i") {
            f.italic = on;
        } else if (w == "ul") {
            f.underline = on;
        } else if (w == "ulnone") {
            f.underline = false;
        } else if (w == "fs") {
            f.halfPoints = hasParam && p > 0 ? std::min(p, 3276) : 24;
        } else if (w == "cf") {
            f.colour = p > 0 && static_cast<size_t>(p) < doc_.colours.size() ? doc_.colours[p] : -1;
        } else if (w == "plain") {
            f = RtfFormat{};
        } else if (w == "uc") {
            State().unicodeSkip = std::clamp(p, 0, 16);
        } else if (w == "u") {
            Put(static_cast<char16_t>(p < 0 ? p + 65536 : p));
            skipFallback_ = State().unicodeSkip;
        } else if (w == "red" || w == "green" || w == "blue") {
            const int shift = w == "red" ? 16 : (w == "green" ? 8 : 0);
            colour_ = (colour_ & ~(0xFF << shift)) | ((std::clamp(p, 0, 255)) << shift);
            colourSet_ = true;
        } else if (w == "colortbl") {
            State().destination = Destination::ColourTable;
        } else if (wasPending && IsSkippedDestination(w)) {
            State().destination = Destination::Skip;
        }
    }

    static bool IsSkippedDestination(std::string_view w)
    {
        static constexpr std::string_view kSkipped[] = {"fonttbl", "stylesheet", "info",   "pict",
                                                        "header",  "footer",     "object", "listtable"};
        return std::find(std::begin(kSkipped), std::end(kSkipped), w) != std::end(kSkipped);
    }

    std::string_view in_;
    size_t pos_ = 0;
    std::vector<GroupState> stack_ = {GroupState{}};
    size_t overflow_ = 0;
    bool pendingDestination_ = false;
    int32_t skipFallback_ = 0;
    int32_t colour_ = 0;
    bool colourSet_ = false;
    RtfDocument doc_;
};

}  // namespace

std::u16string RtfDocument::PlainText() const
{
    std::u16string text;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) text.push_back(u'\n');
        for (const RtfRun& r : paragraphs[i].runs) text += r.text;
    }
    return text;
}

RtfDocument ParseRtf(std::string_view rtf)
{
    return Reader(rtf).Run();
}

}  // namespace ov
