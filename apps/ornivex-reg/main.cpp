// ornivex-reg: command-line access to the Ornivex settings store: list, read, write and delete keys
// and values, and move them in and out as .reg text.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "framework/files/AtomicFile.h"
#include "framework/files/BoundedFileRead.h"
#include "framework/settings/RegFileFormat.h"
#include "framework/settings/RegistryStore.h"
#include "framework/text/Utf16Conversion.h"

namespace {

using ov::RegistryStore;
using ov::RegValue;

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

constexpr const char* kUsageText =
    "usage: ornivex-reg [--file DB] COMMAND [ARGS]\n"
    "\n"
    "Commands (KEY is a \\-separated path below HKEY_CURRENT_USER; NAME \"\" is the default value):\n"
    "  list [KEY]                              subkeys (ending in \\) and values of KEY\n"
    "  get KEY NAME                            print one value\n"
    "  set KEY NAME --dword N | --string TEXT  write a value (N decimal or 0x hex)\n"
    "  delete KEY [NAME]                       delete a value, or KEY with everything below it\n"
    "  export [KEY] [FILE]                     write KEY and below as .reg text (FILE - or none: stdout)\n"
    "  import FILE                             apply a .reg file (- : stdin), all or nothing\n"
    "\n"
    "Options:\n"
    "  --file DB   use this store file instead of $ORNIVEX_REGISTRY or the default\n"
    "  --help      show this text\n"
    "\n"
    "Exit status: 0 success, 1 failure (missing key or value, unusable store, bad .reg file), 2 usage.\n";

struct Arguments {
    std::vector<std::string> words;  // command and its operands
    std::optional<std::string> file;
    bool help = false;
};

int Complain(int code, const std::string& message)
{
    std::fprintf(stderr, "ornivex-reg: %s\n", message.c_str());
    if (code == kUsage) std::fprintf(stderr, "Try 'ornivex-reg --help'.\n");
    return code;
}

// Options may stand anywhere; --dword and --string keep their operand verbatim among the words.
std::optional<Arguments> ParseArguments(int argc, char** argv)
{
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool takes_operand = arg == "--file" || arg == "--dword" || arg == "--string";
        if (takes_operand && i + 1 == argc) return std::nullopt;
        if (arg == "--help" || arg == "-h") {
            args.help = true;
        } else if (arg == "--file") {
            args.file = argv[++i];
        } else if (takes_operand) {
            args.words.emplace_back(arg);
            args.words.emplace_back(argv[++i]);
        } else if (arg == "--") {
            args.words.insert(args.words.end(), argv + i + 1, argv + argc);
            break;
        } else if (arg.size() > 1 && arg.substr(0, 2) == "--") {
            return std::nullopt;
        } else {
            args.words.emplace_back(arg);
        }
    }
    return args;
}

// Accepts "HKEY_CURRENT_USER\..." and "HKCU\..." as well as the bare path.
std::optional<std::string> KeyArgument(std::string_view text)
{
    for (std::string_view hive : {"HKEY_CURRENT_USER", "HKCU"}) {
        const bool prefixed =
            text.size() >= hive.size() &&
            RegistryStore::FoldCase(text.substr(0, hive.size())) == RegistryStore::FoldCase(hive);
        if (prefixed && (text.size() == hive.size() || text[hive.size()] == '\\')) {
            text.remove_prefix(std::min(text.size(), hive.size() + 1));
            break;
        }
    }
    if (!RegistryStore::IsValidKeyPath(text)) return std::nullopt;
    return std::string(text);
}

std::optional<uint32_t> ParseDword(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string TypeName(uint32_t type)
{
    static constexpr const char* kNames[] = {"REG_NONE",   "REG_SZ",      "REG_EXPAND_SZ",
                                             "REG_BINARY", "REG_DWORD",   "REG_DWORD_BIG_ENDIAN",
                                             "REG_LINK",   "REG_MULTI_SZ"};
    if (type < std::size(kNames)) return kNames[type];
    if (type == ov::kRegQword) return "REG_QWORD";
    return "REG_TYPE_" + std::to_string(type);
}

// DWORDs in hex and decimal, strings as text, anything else as hex bytes; never locale-dependent.
std::string DescribeData(const RegValue& value)
{
    const auto& d = value.data;
    char text[40];
    if (value.type == ov::kRegDword && d.size() == 4) {
        const unsigned dword = ov::DwordFromBytes(d);
        std::snprintf(text, sizeof text, "0x%08x (%u)", dword, dword);
        return text;
    }
    if ((value.type == ov::kRegSz || value.type == ov::kRegExpandSz) && d.size() % 2 == 0) {
        return ov::Utf16ToUtf8(ov::SzText(d));
    }
    std::string hex;
    for (uint8_t byte : d) {
        std::snprintf(text, sizeof text, hex.empty() ? "%02x" : " %02x", byte);
        hex += text;
    }
    return hex;
}

std::string DisplayName(const std::string& name)
{
    return name.empty() ? "(Default)" : name;
}

// "" when written; otherwise why not. A file is replaced whole: a failed export keeps the old one.
std::string WriteOutput(const std::string& file, const std::string& text)
{
    if (file.empty() || file == "-") {
        const bool written =
            std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
        return written ? "" : "standard output";
    }
    const ov::FileWriteResult written = ov::WriteFileAtomically(file, text);
    return written ? "" : written.Message();
}

// A .reg file longer than this is refused before it is read.
constexpr size_t kMaxRegFileBytes = 256 << 20;

std::optional<std::string> ReadInput(const std::string& file)
{
    if (file == "-") {
        std::ostringstream bytes;
        bytes << std::cin.rdbuf();
        return bytes.str();
    }
    ov::FileReadResult read = ov::ReadFileBounded(file, kMaxRegFileBytes);
    if (!read) return std::nullopt;
    return std::move(read.bytes);
}

using Words = std::vector<std::string>;

int RunList(RegistryStore& store, const Words& w)
{
    const std::optional<std::string> key = KeyArgument(w.size() > 1 ? w[1] : "");
    if (!key) return Complain(kUsage, "invalid key path: " + w[1]);
    const auto subkeys = store.ListSubkeys(*key);
    const auto values = store.ListValues(*key);
    if (!subkeys || !values) return Complain(kFailed, "no such key: " + *key);
    for (const std::string& name : *subkeys) std::printf("%s\\\n", name.c_str());
    for (const RegValue& value : *values) {
        std::printf("%s\t%s\t%s\n", DisplayName(value.name).c_str(), TypeName(value.type).c_str(),
                    DescribeData(value).c_str());
    }
    return kOk;
}

int RunGet(RegistryStore& store, const Words& w)
{
    const std::optional<std::string> key = KeyArgument(w[1]);
    if (!key) return Complain(kUsage, "invalid key path: " + w[1]);
    const std::optional<RegValue> value = store.ReadValue(*key, w[2]);
    if (!value) return Complain(kFailed, "no value " + DisplayName(w[2]) + " in " + *key);
    std::printf("%s\n", DescribeData(*value).c_str());
    return kOk;
}

int RunSet(RegistryStore& store, const Words& w)
{
    const std::optional<std::string> key = KeyArgument(w[1]);
    if (!key || key->empty()) return Complain(kUsage, "invalid key path: " + w[1]);
    if (!RegistryStore::IsValidValueName(w[2])) return Complain(kUsage, "invalid value name");
    RegValue value{w[2], ov::kRegSz, ov::SzBytes(ov::Utf8ToUtf16(w[4]))};
    if (w[3] == "--dword") {
        const std::optional<uint32_t> dword = ParseDword(w[4]);
        if (!dword) return Complain(kUsage, "not a 32-bit unsigned number: " + w[4]);
        value = {w[2], ov::kRegDword, ov::DwordBytes(*dword)};
    } else if (w[3] != "--string") {
        return Complain(kUsage, "set needs --dword N or --string TEXT");
    }
    if (!store.WriteValue(*key, value)) return Complain(kFailed, "could not write " + DisplayName(w[2]));
    return kOk;
}

int RunDelete(RegistryStore& store, const Words& w)
{
    const std::optional<std::string> key = KeyArgument(w[1]);
    if (!key || key->empty()) return Complain(kUsage, "invalid key path: " + w[1]);
    if (w.size() == 3) {
        if (!store.DeleteValue(*key, w[2]))
            return Complain(kFailed, "no value " + DisplayName(w[2]) + " in " + *key);
        return kOk;
    }
    if (!store.DeleteKeyTree(*key)) return Complain(kFailed, "no such key: " + *key);
    return kOk;
}

int RunExport(RegistryStore& store, const Words& w)
{
    const std::optional<std::string> key = KeyArgument(w.size() > 1 ? w[1] : "");
    if (!key) return Complain(kUsage, "invalid key path: " + w[1]);
    std::string text;
    const ov::RegFileResult result = ov::ExportRegFile(store, *key, text);
    if (!result.ok) return Complain(kFailed, result.message);
    const std::string file = w.size() > 2 ? w[2] : "";
    const std::string failure = WriteOutput(file, text);
    if (!failure.empty()) return Complain(kFailed, "cannot write " + file + ": " + failure);
    return kOk;
}

int RunImport(RegistryStore& store, const Words& w)
{
    const std::optional<std::string> bytes = ReadInput(w[1]);
    if (!bytes) return Complain(kFailed, "cannot read " + w[1]);
    const ov::RegFileResult result = ov::ImportRegFile(store, *bytes);
    if (!result.ok) return Complain(kFailed, w[1] + ": " + result.message);
    return kOk;
}

struct Command {
    std::string_view name;
    size_t min_words;  // including the command itself
    size_t max_words;
    int (*run)(RegistryStore&, const Words&);
};

constexpr Command kCommands[] = {
    {"list", 1, 2, RunList},     {"get", 3, 3, RunGet},       {"set", 5, 5, RunSet},
    {"delete", 2, 3, RunDelete}, {"export", 1, 3, RunExport}, {"import", 2, 2, RunImport},
};

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<Arguments> args = ParseArguments(argc, argv);
    if (!args) return Complain(kUsage, "unknown option or missing operand");
    if (args->help) {
        std::fputs(kUsageText, stdout);
        return kOk;
    }
    if (args->words.empty()) return Complain(kUsage, "no command given");
    const Command* command = nullptr;
    for (const Command& candidate : kCommands) {
        if (candidate.name == args->words[0]) command = &candidate;
    }
    if (command == nullptr) return Complain(kUsage, "unknown command: " + args->words[0]);
    const size_t count = args->words.size();
    if (count < command->min_words || count > command->max_words) {
        return Complain(kUsage, "wrong number of operands for " + args->words[0]);
    }
    // The store reads the variable when it is first used, which happens below.
    if (args->file) setenv("ORNIVEX_REGISTRY", args->file->c_str(), 1);
    RegistryStore& store = RegistryStore::Instance();
    if (!store.IsUsable()) return Complain(kFailed, "cannot use the settings store " + store.FilePath());
    return command->run(store, args->words);
}
