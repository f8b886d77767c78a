// RegFileFormat: parser and writer of ".reg" text. The parser turns a document into a list of store
// edits; the writer produces text that the parser reads back to the same keys and values.
#include "framework/settings/RegFileFormat.h"

#include <cstdio>
#include <optional>

#include "framework/text/Utf16Conversion.h"

namespace ov {
namespace {

constexpr std::string_view kOldHeader = "REGEDIT4";
constexpr std::string_view kHive = "HKEY_CURRENT_USER";
constexpr size_t kHexLineWidth = 77;  // wrapped hex lines stay within 80 columns

struct Line {
    std::string_view text;
    size_t number;
};

std::string_view TrimLeft(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           RegistryStore::FoldCase(text.substr(0, prefix.size())) == RegistryStore::FoldCase(prefix);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// 1..max_digits hex digits and nothing else.
std::optional<uint32_t> ParseHexNumber(std::string_view text, size_t max_digits)
{
    if (text.empty() || text.size() > max_digits) return std::nullopt;
    uint32_t number = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        number = (number << 4) | static_cast<uint32_t>(digit);
    }
    return number;
}

std::string Fail(size_t line, const std::string& what)
{
    return "line " + std::to_string(line) + ": " + what;
}

// The document as UTF-8 text: a UTF-16LE BOM converts, a UTF-8 BOM is dropped.
std::optional<std::string> DecodeDocument(std::string_view bytes, std::string& error)
{
    if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF') {
        error = "UTF-16 big-endian files are not supported";
        return std::nullopt;
    }
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        if (bytes.size() % 2 != 0) {
            error = "UTF-16 text with an odd number of bytes";
            return std::nullopt;
        }
        std::u16string units;
        for (size_t i = 2; i < bytes.size(); i += 2) {
            units += static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) |
                                           (static_cast<uint8_t>(bytes[i + 1]) << 8));
        }
        return Utf16ToUtf8(units);
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return std::string(bytes);
}

std::vector<Line> SplitLines(std::string_view text)
{
    std::vector<Line> lines;
    size_t number = 1;
    while (true) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back({line, number++});
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// Valid UTF-8 survives the round trip unchanged; malformed bytes come back as U+FFFD.
bool IsCleanText(std::string_view line)
{
    for (char c : line) {
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) return false;
    }
    return Utf16ToUtf8(Utf8ToUtf16(line)) == line;
}

// A quoted string at the start of `text` with \\ and \" escapes; `text` moves past it.
std::optional<std::string> TakeQuoted(std::string_view& text)
{
    if (text.empty() || text.front() != '"') return std::nullopt;
    std::string out;
    for (size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return out;
        }
        if (c == '\\') {
            if (i + 1 >= text.size() || (text[i + 1] != '\\' && text[i + 1] != '"')) return std::nullopt;
            ++i;
        }
        out += text[i];
    }
    return std::nullopt;
}

class Parser {
public:
    explicit Parser(std::vector<Line> lines) : lines_(std::move(lines)) {}

    RegParseResult Run()
    {
        RegParseResult result;
        if (!ReadHeader()) {
            result.error = error_;
            return result;
        }
        while (next_ < lines_.size() && ParseLine(lines_[next_++])) {
        }
        result.ok = error_.empty();
        result.error = error_;
        if (result.ok) result.edits = std::move(edits_);
        return result;
    }

private:
    bool Error(size_t line, const std::string& what)
    {
        error_ = Fail(line, what);
        return false;
    }

    bool ReadHeader()
    {
        while (next_ < lines_.size() && TrimRight(TrimLeft(lines_[next_].text)).empty()) ++next_;
        if (next_ == lines_.size()) return Error(1, "empty file");
        const Line& first = lines_[next_++];
        const std::string_view header = TrimRight(first.text);
        if (header == kRegFileHeader || header == kOldHeader) return true;
        return Error(first.number, "expected \"" + std::string(kRegFileHeader) + "\"");
    }

    bool ParseLine(const Line& line)
    {
        const std::string_view text = TrimLeft(line.text);
        if (!IsCleanText(line.text)) return Error(line.number, "control character or invalid UTF-8");
        if (TrimRight(text).empty() || text.front() == ';') return true;
        if (text.front() == '[') return ParseSection(TrimRight(text), line.number);
        return ParseValue(text, line.number);
    }

    bool ParseSection(std::string_view text, size_t number)
    {
        if (text.back() != ']') return Error(number, "section without closing ']'");
        std::string_view inner = text.substr(1, text.size() - 2);
        const bool deletion = !inner.empty() && inner.front() == '-';
        if (deletion) inner.remove_prefix(1);
        if (!StartsWithNoCase(inner, kHive))
            return Error(number, "only HKEY_CURRENT_USER keys can be imported");
        std::string_view path = inner.substr(kHive.size());
        if (!path.empty() && path.front() != '\\')
            return Error(number, "only HKEY_CURRENT_USER keys can be imported");
        if (!path.empty()) path.remove_prefix(1);
        if (!RegistryStore::IsValidKeyPath(path)) return Error(number, "invalid key path");
        if (deletion && path.empty()) return Error(number, "the whole hive cannot be deleted");
        key_ = std::string(path);
        in_deleted_key_ = deletion;
        in_key_ = true;
        edits_.push_back({deletion ? RegEdit::Kind::kDeleteKey : RegEdit::Kind::kCreateKey, key_, {}});
        return true;
    }

    bool ParseValue(std::string_view text, size_t number)
    {
        if (!in_key_ || in_deleted_key_) return Error(number, "value outside a key section");
        RegEdit edit{RegEdit::Kind::kSetValue, key_, {}};
        if (text.front() == '@') {
            text.remove_prefix(1);
        } else {
            std::optional<std::string> name = TakeQuoted(text);
            if (!name) return Error(number, "expected a quoted value name or @");
            if (!RegistryStore::IsValidValueName(*name)) return Error(number, "invalid value name");
            edit.value.name = std::move(*name);
        }
        text = TrimLeft(text);
        if (text.empty() || text.front() != '=') return Error(number, "expected '=' after the value name");
        text = TrimRight(TrimLeft(text.substr(1)));
        if (!ParseData(text, number, edit)) return false;
        edits_.push_back(std::move(edit));
        return true;
    }

    bool ParseData(std::string_view text, size_t number, RegEdit& edit)
    {
        if (text == "-") {
            edit.kind = RegEdit::Kind::kDeleteValue;
            return true;
        }
        if (!text.empty() && text.front() == '"') return ParseString(text, number, edit.value);
        if (StartsWithNoCase(text, "dword:")) return ParseDword(text.substr(6), number, edit.value);
        if (StartsWithNoCase(text, "hex")) return ParseHexValue(text.substr(3), number, edit.value);
        return Error(number, "unrecognised value data");
    }

    bool ParseString(std::string_view text, size_t number, RegValue& value)
    {
        std::optional<std::string> data = TakeQuoted(text);
        if (!data) return Error(number, "unterminated string or unknown escape");
        if (!TrimLeft(text).empty()) return Error(number, "text after the closing quote");
        value.type = kRegSz;
        value.data = SzBytes(Utf8ToUtf16(*data));
        return true;
    }

    bool ParseDword(std::string_view text, size_t number, RegValue& value)
    {
        const std::optional<uint32_t> dword = ParseHexNumber(text, 8);
        if (!dword) return Error(number, "dword needs 1 to 8 hex digits");
        value.type = kRegDword;
        value.data = DwordBytes(*dword);
        return true;
    }

    // After "hex": either ":" (binary) or "(n):" with the type number in hex.
    bool ParseHexValue(std::string_view text, size_t number, RegValue& value)
    {
        value.type = kRegBinary;
        if (!text.empty() && text.front() == '(') {
            const size_t close = text.find(')');
            const std::optional<uint32_t> type =
                close == std::string_view::npos ? std::nullopt : ParseHexNumber(text.substr(1, close - 1), 8);
            if (!type) return Error(number, "hex(n) needs a hex type number");
            value.type = *type;
            text.remove_prefix(close + 1);
        }
        if (text.empty() || text.front() != ':') return Error(number, "expected ':' after hex");
        std::string bytes;
        if (!JoinContinuations(text.substr(1), number, bytes)) return false;
        return ParseHexBytes(bytes, number, value.data);
    }

    // Hex data may go on over following lines, each earlier one ending in "\".
    bool JoinContinuations(std::string_view first, size_t number, std::string& joined)
    {
        std::string_view piece = TrimRight(first);
        while (!piece.empty() && piece.back() == '\\') {
            joined += piece.substr(0, piece.size() - 1);
            const Line* more = next_ < lines_.size() ? &lines_[next_++] : nullptr;
            if (more != nullptr && !IsCleanText(more->text)) {
                return Error(more->number, "control character or invalid UTF-8");
            }
            piece = more != nullptr ? TrimRight(TrimLeft(more->text)) : std::string_view();
            if (piece.empty())
                return Error(number, "'\\' continues onto a blank line or the end of the file");
        }
        joined += piece;
        return true;
    }

    bool ParseHexBytes(std::string_view text, size_t number, std::vector<uint8_t>& data)
    {
        text = TrimRight(TrimLeft(text));
        while (!text.empty()) {
            const size_t comma = text.find(',');
            const std::optional<uint32_t> byte =
                ParseHexNumber(TrimRight(TrimLeft(text.substr(0, comma))), 2);
            if (!byte) return Error(number, "hex data must be bytes separated by commas");
            data.push_back(static_cast<uint8_t>(*byte));
            if (comma == std::string_view::npos) break;
            text = TrimLeft(text.substr(comma + 1));  // a trailing comma ends the list
        }
        return true;
    }

    std::vector<Line> lines_;
    size_t next_ = 0;
    std::vector<RegEdit> edits_;
    std::string error_;
    std::string key_;
    bool in_key_ = false;
    bool in_deleted_key_ = false;
};

std::string Quote(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + '"';
}

// The UTF-8 text of a REG_SZ that a quoted string reproduces byte for byte, if there is one.
std::optional<std::string> QuotableString(const std::vector<uint8_t>& data)
{
    if (data.size() < 2 || data.size() % 2 != 0) return std::nullopt;
    std::u16string units;
    for (size_t i = 0; i < data.size(); i += 2) units += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (units.back() != 0) return std::nullopt;
    units.pop_back();
    const std::string text = Utf16ToUtf8(units);
    if (units.find(u'\0') != std::u16string::npos || !IsCleanText(text) || Utf8ToUtf16(text) != units) {
        return std::nullopt;
    }
    return text;
}

std::string HexData(std::string line, const std::vector<uint8_t>& data)
{
    std::string out;
    char byte[4];
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(byte, sizeof byte, i + 1 < data.size() ? "%02x," : "%02x", data[i]);
        if (line.size() + 3 > kHexLineWidth) {
            out += line + "\\\n";
            line = "  ";
        }
        line += byte;
    }
    return out + line;
}

std::string FormatValue(const RegValue& value)
{
    const std::string name = value.name.empty() ? "@" : Quote(value.name);
    if (value.type == kRegSz) {
        if (const std::optional<std::string> text = QuotableString(value.data))
            return name + "=" + Quote(*text);
    }
    if (value.type == kRegDword && value.data.size() == 4) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(DwordFromBytes(value.data)));
        return name + "=dword:" + digits;
    }
    char prefix[24];
    if (value.type == kRegBinary) {
        std::snprintf(prefix, sizeof prefix, "=hex:");
    } else {
        std::snprintf(prefix, sizeof prefix, "=hex(%x):", static_cast<unsigned>(value.type));
    }
    return HexData(name + prefix, value.data);
}

}  // namespace

RegParseResult ParseRegFile(std::string_view bytes)
{
    std::string error;
    const std::optional<std::string> text = DecodeDocument(bytes, error);
    if (!text) return {false, error, {}};
    return Parser(SplitLines(*text)).Run();
}

std::string FormatRegFile(const std::vector<RegKeyDump>& keys)
{
    std::string out = std::string(kRegFileHeader) + "\n";
    for (const RegKeyDump& key : keys) {
        if (key.path.empty() && key.values.empty()) continue;  // the bare root says nothing
        out += "\n[" + std::string(kHive) + (key.path.empty() ? "" : "\\") + key.path + "]\n";
        for (const RegValue& value : key.values) out += FormatValue(value) + "\n";
    }
    return out + "\n";
}

RegFileResult ExportRegFile(RegistryStore& store, std::string_view path, std::string& text)
{
    if (!store.IsUsable()) return {false, "the settings store cannot be opened"};
    const std::optional<std::vector<RegKeyDump>> keys = store.DumpTree(path);
    if (!keys) return {false, "no such key: " + std::string(path)};
    text = FormatRegFile(*keys);
    return {true, ""};
}

RegFileResult ImportRegFile(RegistryStore& store, std::string_view bytes)
{
    RegParseResult parsed = ParseRegFile(bytes);
    if (!parsed.ok) return {false, parsed.error};
    if (!store.IsUsable()) return {false, "the settings store cannot be opened"};
    if (!store.Apply(parsed.edits)) return {false, "the settings store refused the changes"};
    return {true, ""};
}

}  // namespace ov
