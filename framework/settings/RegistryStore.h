// RegistryStore: the per-user settings store. Typed values under "\"-separated key paths, compared
// case-insensitively, kept in one SQLite file that several processes may share.
#pragma once

#include <array>
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

// Why the store could not serve a call. Reads then give their defaults and writes are skipped; the
// store keeps trying on later calls and works again once the cause is gone.
enum class StoreProblemKind {
    kUnusable,  // the file cannot be read as a settings store (junk, another program's database, a folder)
    kReadOnly,  // the file or its folder cannot be written
    kDiskFull,
    kBusy,    // another process held the store locked past the busy timeout
    kFailed,  // any other I/O failure
};
inline constexpr int kStoreProblemKinds = 5;

struct StoreProblem {
    StoreProblemKind kind = StoreProblemKind::kUnusable;
    std::string path;
    std::string detail;  // SQLite's message
};

// Hears each kind of problem at most once per process, called outside the store's lock (it may use
// the store). Without a listener the store prints one line to stderr instead.
using StoreProblemListener = std::function<void(const StoreProblem&)>;

class RegistryStore {
public:
    // The process-wide store. Its file is opened on first use: ORNIVEX_REGISTRY when set, else
    // $XDG_CONFIG_HOME/Ornivex/registry.sqlite3 (~/.config when unset).
    static RegistryStore& Instance();
    // Closes the connection; the next use opens `path` ("" = the configured file again).
    static void ResetForTesting(const std::string& path);
    static std::string ConfiguredPath();
    // Installs the listener of store problems and returns the previous one.
    static StoreProblemListener SetProblemListener(StoreProblemListener listener);
    // How long a call waits for another process's lock (5 s unless a test shortens it).
    static void SetBusyTimeoutForTesting(int milliseconds);

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
    // What identifies the file on disk: a connection is dropped when its file was replaced, and a
    // file that failed to open is tried again once it changed.
    struct FileIdentity {
        bool exists = false;
        uint64_t device = 0, inode = 0, size = 0;
        int64_t modified_ns = 0;
        bool operator==(const FileIdentity&) const = default;
    };

    struct DbCloser {
        void operator()(sqlite3* db) const;
    };

    RegistryStore() = default;
    // Runs `body` under the lock after following the file, then hands new problems to the listener.
    template <typename Body>
    auto Locked(Body body);
    static FileIdentity Identify(const std::string& path);
    void FollowFile();
    sqlite3* Db();
    void Open();
    void DropConnection(bool checkpoint);
    void Note(StoreProblemKind kind, const std::string& detail);
    // Classifies the connection's last error; a damaged file drops the connection after the call.
    void NoteFailure(sqlite3* db);
    void NoteSuccess(sqlite3* db);
    bool Write(const std::function<StoreOutcome(sqlite3*)>& body);
    // Runs `read` on an existing key (given its case-folded path); nothing when the path is invalid,
    // the store is unusable or the key does not exist. Call under the lock.
    template <typename Result>
    std::optional<Result> ReadExistingKey(
        std::string_view path,
        const std::function<std::optional<Result>(sqlite3*, const std::string&)>& read);

    std::mutex mutex_;
    std::string override_path_;
    std::string path_;
    bool open_attempted_ = false;
    bool retry_open_ = false;   // the last open failed for a passing reason (a lock)
    bool damaged_ = false;      // the file turned out not to be a store during this call
    bool busy_streak_ = false;  // after a lock outlasted the timeout, calls stop waiting until one succeeds
    int busy_timeout_ms_ = 5000;
    FileIdentity file_;  // of the open connection, or of the file that failed to open
    std::array<bool, kStoreProblemKinds> reported_{};
    std::vector<StoreProblem> pending_;
    StoreProblemListener listener_;
    std::unique_ptr<sqlite3, DbCloser> db_;
};

}  // namespace ov
