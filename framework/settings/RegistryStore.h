// RegistryStore: the per-user settings store. Typed values under "\"-separated key paths, compared
// case-insensitively, kept in one SQLite file that several processes may share.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace ov {

// Value types, numbered as in the registry.
enum RegType : uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegDwordBigEndian = 5,
    kRegLink = 6,
    kRegMultiSz = 7,
    kRegQword = 11,
};

struct RegValue {
    std::string name;  // spelling as first written; "" is the key's default value
    uint32_t type = kRegNone;
    std::vector<uint8_t> data;  // raw bytes: DWORD little-endian, strings UTF-16LE with terminator

    bool operator==(const RegValue&) const = default;
};

// Raw forms of the two everyday types.
std::vector<uint8_t> DwordBytes(uint32_t value);             // 4 bytes, little-endian
uint32_t DwordFromBytes(const std::vector<uint8_t>& bytes);  // the first 4 bytes; size must be >= 4
std::vector<uint8_t> SzBytes(std::u16string_view text);      // UTF-16LE with terminator
std::u16string SzText(const std::vector<uint8_t>& bytes);    // up to the first terminator, if any

// One key with its values, as exported.
struct RegKeyDump {
    std::string path;  // "" is the root of the hive
    std::vector<RegValue> values;

    bool operator==(const RegKeyDump&) const = default;
};

// One change of an import; a list of them is applied all or nothing.
struct RegEdit {
    enum class Kind { kCreateKey, kDeleteKey, kSetValue, kDeleteValue };
    Kind kind = Kind::kCreateKey;
    std::string key;
    RegValue value;  // the value to set, or only its name to delete
};

// Result of one step of a write: done, refused without touching the file, or an SQLite failure.
enum class StoreOutcome { kApplied, kRejected, kFailed };

class RegistryStore {
public:
    // The process-wide store. Its file is opened on first use: ORNIVEX_REGISTRY when set, else
    // $XDG_CONFIG_HOME/Ornivex/registry.sqlite3 (~/.config when unset).
    static RegistryStore& Instance();
    // Closes the connection; the next use opens `path` ("" = the configured file again).
    static void ResetForTesting(const std::string& path);
    static std::string ConfiguredPath();

    // "" is the root; otherwise 1..255-byte names without control characters, joined by "\".
    static bool IsValidKeyPath(std::string_view path);
    static bool IsValidValueName(std::string_view name);
    // ASCII lower case: the comparison rule of key paths and value names.
    static std::string FoldCase(std::string_view text);

    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;
    ~RegistryStore();

    // False when the file could not be opened as a settings store; every read then finds nothing
    // and every write is skipped.
    bool IsUsable();
    std::string FilePath();

    // Open-or-create, with all parents. True when the key exists afterwards.
    bool CreateKey(std::string_view path);
    bool KeyExists(std::string_view path);
    // Removes the key, its values and every key below it. False when it did not exist.
    bool DeleteKeyTree(std::string_view path);
    // Names of the direct subkeys / the values of a key, sorted; nullopt when the key is missing.
    std::optional<std::vector<std::string>> ListSubkeys(std::string_view path);
    std::optional<std::vector<RegValue>> ListValues(std::string_view path);
    // The key and everything below it, parents before children; nullopt when the key is missing.
    std::optional<std::vector<RegKeyDump>> DumpTree(std::string_view path);

    std::optional<RegValue> ReadValue(std::string_view key, std::string_view name);
    // Stores the value (creating the key); an existing value keeps the spelling of its name.
    bool WriteValue(std::string_view key, const RegValue& value);
    // False when there was no such value.
    bool DeleteValue(std::string_view key, std::string_view name);
    // Applies every edit in one transaction, or none of them.
    bool Apply(const std::vector<RegEdit>& edits);

    // SQLite's integrity report ("ok" when healthy), or a message when the store is unusable.
    std::string IntegrityCheck();

private:
    struct DbCloser {
        void operator()(sqlite3* db) const;
    };

    RegistryStore() = default;
    sqlite3* Db();
    void Open();
    void Warn(const std::string& problem);
    bool Write(const std::function<StoreOutcome(sqlite3*)>& body);
    // Runs `read` under the lock on an existing key (given its case-folded path); nothing when the
    // path is invalid, the store is unusable or the key does not exist.
    template <typename Result>
    std::optional<Result> ReadExistingKey(
        std::string_view path,
        const std::function<std::optional<Result>(sqlite3*, const std::string&)>& read);

    std::mutex mutex_;
    std::string override_path_;
    std::string path_;
    bool open_attempted_ = false;
    bool warned_ = false;
    std::unique_ptr<sqlite3, DbCloser> db_;
};

}  // namespace ov
