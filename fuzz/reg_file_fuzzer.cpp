// Fuzz target of the .reg parser: any input must parse or fail cleanly, and whatever parses must
// survive writing and reading back unchanged.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "framework/settings/RegFileFormat.h"

namespace {

// The keys and values a list of edits would leave in an empty store (deletions aside).
std::vector<ov::RegKeyDump> KeysOf(const std::vector<ov::RegEdit>& edits)
{
    std::map<std::string, ov::RegKeyDump> keys;
    std::map<std::string, std::map<std::string, ov::RegValue>> values;
    for (const ov::RegEdit& edit : edits) {
        const std::string key = ov::RegistryStore::FoldCase(edit.key);
        keys.emplace(key, ov::RegKeyDump{edit.key, {}});
        if (edit.kind == ov::RegEdit::Kind::kSetValue) {
            values[key][ov::RegistryStore::FoldCase(edit.value.name)] = edit.value;
        }
    }
    std::vector<ov::RegKeyDump> dump;
    for (auto& [folded, key] : keys) {
        for (auto& [name, value] : values[folded]) key.values.push_back(value);
        dump.push_back(std::move(key));
    }
    return dump;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const ov::RegParseResult parsed = ov::ParseRegFile(input);
    if (!parsed.ok) {
        if (parsed.error.empty()) std::abort();  // a rejection must say why
        return 0;
    }
    const std::string written = ov::FormatRegFile(KeysOf(parsed.edits));
    const ov::RegParseResult reread = ov::ParseRegFile(written);
    if (!reread.ok) std::abort();
    if (ov::FormatRegFile(KeysOf(reread.edits)) != written) std::abort();
    return 0;
}
