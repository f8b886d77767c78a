// RegistryStore: the settings store over SQLite. One connection per process, WAL journal, every
// write in its own immediate transaction; a file that is not a settings store is left untouched, a
// file replaced under the open connection is followed, and each kind of failure is reported once.
#include "framework/settings/RegistryStore.h"

#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <utility>

namespace ov {
namespace {

constexpr int64_t kApplicationId = 0x4F565247;  // "OVRG" in the file header marks our own files
constexpr size_t kMaxKeyNameBytes = 255;
constexpr size_t kMaxValueNameBytes = 16383;

struct StmtFinalizer {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};

// A prepared statement with sequential binding; any failure sticks and shows in Ok().
class Statement {
public:
    Statement(sqlite3* db, const char* sql)
    {
        sqlite3_stmt* raw = nullptr;
        ok_ = sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) == SQLITE_OK;
        stmt_.reset(raw);
    }

    Statement& Bind(std::string_view text)
    {
        static constexpr char kEmpty[] = "";  // a null pointer would bind NULL, not ""
        if (ok_ && text.size() > INT_MAX) ok_ = false;
        if (ok_) {
            ok_ = sqlite3_bind_text(stmt_.get(), ++bound_, text.empty() ? kEmpty : text.data(),
                                    static_cast<int>(text.size()), SQLITE_TRANSIENT) == SQLITE_OK;
        }
        return *this;
    }
    Statement& Bind(const std::vector<uint8_t>& bytes)
    {
        static constexpr uint8_t kEmpty = 0;  // a null pointer would bind NULL, not an empty blob
        if (ok_ && bytes.size() > INT_MAX) ok_ = false;
        if (ok_) {
            ok_ = sqlite3_bind_blob(stmt_.get(), ++bound_, bytes.empty() ? &kEmpty : bytes.data(),
                                    static_cast<int>(bytes.size()), SQLITE_TRANSIENT) == SQLITE_OK;
        }
        return *this;
    }
    Statement& Bind(int64_t number)
    {
        if (ok_) ok_ = sqlite3_bind_int64(stmt_.get(), ++bound_, number) == SQLITE_OK;
        return *this;
    }

    // True with a row ready; false at the end or on failure.
    bool Next()
    {
        if (!ok_) return false;
        const int rc = sqlite3_step(stmt_.get());
        if (rc == SQLITE_ROW) return true;
        ok_ = rc == SQLITE_DONE;
        return false;
    }
    bool Run()
    {
        while (Next()) {
        }
        return ok_;
    }
    bool Ok() const { return ok_; }

    std::string TextAt(int column) const
    {
        const auto* text = sqlite3_column_text(stmt_.get(), column);
        const int size = sqlite3_column_bytes(stmt_.get(), column);
        return text ? std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(size))
                    : std::string();
    }
    std::vector<uint8_t> BlobAt(int column) const
    {
        const auto* blob = static_cast<const uint8_t*>(sqlite3_column_blob(stmt_.get(), column));
        const int size = sqlite3_column_bytes(stmt_.get(), column);
        return blob ? std::vector<uint8_t>(blob, blob + size) : std::vector<uint8_t>();
    }
    int64_t IntAt(int column) const { return sqlite3_column_int64(stmt_.get(), column); }

private:
    std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt_;
    int bound_ = 0;
    bool ok_ = false;
};

bool Exec(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::vector<std::string_view> SplitPath(std::string_view path)
{
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const size_t cut = path.find('\\');
        parts.push_back(path.substr(0, cut));
        if (cut == std::string_view::npos) break;
        path.remove_prefix(cut + 1);
        if (path.empty()) parts.emplace_back();  // trailing "\" leaves an empty name
    }
    return parts;
}

bool HasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// Key-range bounds of everything below `folded`: "\" sorts just before "]".
std::string BelowFirst(const std::string& folded)
{
    return folded + '\\';
}
std::string BelowLast(const std::string& folded)
{
    return folded + ']';
}

std::string LastName(const std::string& path)
{
    const size_t cut = path.rfind('\\');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Parents before children, siblings by name: compare with "\" sorting before every character.
std::string TreeOrder(std::string folded)
{
    std::replace(folded.begin(), folded.end(), '\\', '\x01');
    return folded;
}

// nullopt on an SQLite failure.
std::optional<bool> KeyRowExists(sqlite3* db, const std::string& folded)
{
    if (folded.empty()) return true;  // the root always exists
    Statement find(db, "SELECT 1 FROM reg_keys WHERE folded = ?");
    find.Bind(folded);
    if (find.Next()) return true;
    if (!find.Ok()) return std::nullopt;
    return false;
}

// Creates every missing key along the path; a new key follows the spelling of its parent.
StoreOutcome EnsureKey(sqlite3* db, std::string_view path)
{
    std::string folded;
    std::string spelled;
    for (std::string_view part : SplitPath(path)) {
        if (!folded.empty()) {
            folded += '\\';
            spelled += '\\';
        }
        folded += RegistryStore::FoldCase(part);
        Statement find(db, "SELECT path FROM reg_keys WHERE folded = ?");
        find.Bind(folded);
        if (find.Next()) {
            spelled = find.TextAt(0);
            continue;
        }
        if (!find.Ok()) return StoreOutcome::kFailed;
        spelled += part;
        Statement insert(db, "INSERT INTO reg_keys(folded, path) VALUES(?, ?)");
        if (!insert.Bind(folded).Bind(spelled).Run()) return StoreOutcome::kFailed;
    }
    return StoreOutcome::kApplied;
}

StoreOutcome UpsertValue(sqlite3* db, std::string_view key, const RegValue& value)
{
    const StoreOutcome made = EnsureKey(db, key);
    if (made != StoreOutcome::kApplied) return made;
    Statement upsert(db,
                     "INSERT INTO reg_values(key, folded, name, type, data) VALUES(?, ?, ?, ?, ?) "
                     "ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, data = excluded.data");
    upsert.Bind(RegistryStore::FoldCase(key))
        .Bind(RegistryStore::FoldCase(value.name))
        .Bind(value.name)
        .Bind(static_cast<int64_t>(value.type))
        .Bind(value.data);
    return upsert.Run() ? StoreOutcome::kApplied : StoreOutcome::kFailed;
}

// kRejected when there was nothing to delete.
StoreOutcome RemoveValue(sqlite3* db, std::string_view key, std::string_view name)
{
    Statement remove(db, "DELETE FROM reg_values WHERE key = ? AND folded = ?");
    if (!remove.Bind(RegistryStore::FoldCase(key)).Bind(RegistryStore::FoldCase(name)).Run()) {
        return StoreOutcome::kFailed;
    }
    return sqlite3_changes(db) > 0 ? StoreOutcome::kApplied : StoreOutcome::kRejected;
}

// kRejected when the key did not exist.
StoreOutcome RemoveTree(sqlite3* db, std::string_view path)
{
    const std::string folded = RegistryStore::FoldCase(path);
    const std::optional<bool> exists = KeyRowExists(db, folded);
    if (!exists) return StoreOutcome::kFailed;
    if (!*exists) return StoreOutcome::kRejected;
    Statement keys(db, "DELETE FROM reg_keys WHERE folded = ? OR (folded >= ? AND folded < ?)");
    Statement values(db, "DELETE FROM reg_values WHERE key = ? OR (key >= ? AND key < ?)");
    for (Statement* remove : {&keys, &values}) {
        if (!remove->Bind(folded).Bind(BelowFirst(folded)).Bind(BelowLast(folded)).Run()) {
            return StoreOutcome::kFailed;
        }
    }
    return StoreOutcome::kApplied;
}

StoreOutcome ApplyEdit(sqlite3* db, const RegEdit& edit)
{
    if (!RegistryStore::IsValidKeyPath(edit.key)) return StoreOutcome::kRejected;
    switch (edit.kind) {
    case RegEdit::Kind::kCreateKey: return EnsureKey(db, edit.key);
    case RegEdit::Kind::kDeleteKey: {
        if (edit.key.empty()) return StoreOutcome::kRejected;
        const StoreOutcome removed = RemoveTree(db, edit.key);
        return removed == StoreOutcome::kFailed ? removed : StoreOutcome::kApplied;
    }
    case RegEdit::Kind::kSetValue:
        if (!RegistryStore::IsValidValueName(edit.value.name)) return StoreOutcome::kRejected;
        return UpsertValue(db, edit.key, edit.value);
    case RegEdit::Kind::kDeleteValue: {
        const StoreOutcome removed = RemoveValue(db, edit.key, edit.value.name);
        return removed == StoreOutcome::kFailed ? removed : StoreOutcome::kApplied;
    }
    }
    return StoreOutcome::kRejected;
}

// Keys of the subtree as (folded, spelled) pairs, the key itself included; nullopt on failure.
std::optional<std::vector<std::pair<std::string, std::string>>> SubtreeKeys(sqlite3* db,
                                                                            const std::string& folded)
{
    const bool root = folded.empty();
    Statement select(db, root ? "SELECT folded, path FROM reg_keys"
                              : "SELECT folded, path FROM reg_keys "
                                "WHERE folded = ? OR (folded >= ? AND folded < ?)");
    if (!root) select.Bind(folded).Bind(BelowFirst(folded)).Bind(BelowLast(folded));
    std::vector<std::pair<std::string, std::string>> keys;
    if (root) keys.emplace_back("", "");
    while (select.Next()) keys.emplace_back(select.TextAt(0), select.TextAt(1));
    if (!select.Ok()) return std::nullopt;
    std::sort(keys.begin(), keys.end(),
              [](const auto& a, const auto& b) { return TreeOrder(a.first) < TreeOrder(b.first); });
    return keys;
}

std::optional<std::vector<RegValue>> ValuesOf(sqlite3* db, const std::string& folded)
{
    Statement select(db, "SELECT name, type, data FROM reg_values WHERE key = ? ORDER BY folded");
    select.Bind(folded);
    std::vector<RegValue> values;
    while (select.Next()) {
        values.push_back({select.TextAt(0), static_cast<uint32_t>(select.IntAt(1)), select.BlobAt(2)});
    }
    if (!select.Ok()) return std::nullopt;
    return values;
}

bool CreateSchema(sqlite3* db)
{
    if (!Exec(db, "BEGIN IMMEDIATE")) return false;
    const bool created = Exec(db,
                              "CREATE TABLE IF NOT EXISTS reg_keys("
                              "  folded TEXT PRIMARY KEY,"  // path in ASCII lower case: the lookup key
                              "  path TEXT NOT NULL"        // path as first spelled
                              ") WITHOUT ROWID;"
                              "CREATE TABLE IF NOT EXISTS reg_values("
                              "  key TEXT NOT NULL,"  // folded path of the owning key
                              "  folded TEXT NOT NULL,"
                              "  name TEXT NOT NULL,"
                              "  type INTEGER NOT NULL,"
                              "  data BLOB NOT NULL,"
                              "  PRIMARY KEY(key, folded)"
                              ") WITHOUT ROWID;"
                              "PRAGMA user_version = 1;") &&
                         Exec(db, ("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str()) &&
                         Exec(db, "COMMIT");
    if (!created) Exec(db, "ROLLBACK");
    return created;
}

// The first column of the first row. The statement is finished before returning, so no read
// transaction stays open (two processes each holding one would block each other's writes).
std::optional<int64_t> QueryNumber(sqlite3* db, const char* sql)
{
    Statement query(db, sql);
    if (!query.Next()) return std::nullopt;
    return query.IntAt(0);
}

// "" when the connection is ready; otherwise why the file cannot serve as the store (the
// connection's error code tells a passing lock from a bad file).
std::string PrepareFile(sqlite3* db)
{
    // Reading the schema is the first access to the file: it fails for junk and unreadable files.
    const std::optional<int64_t> tables = QueryNumber(db, "SELECT count(*) FROM sqlite_master");
    const std::optional<int64_t> id = tables ? QueryNumber(db, "PRAGMA application_id") : std::nullopt;
    if (!tables || !id) return sqlite3_errmsg(db);
    const bool empty = *tables == 0;
    if (!empty && *id != kApplicationId) return "a database of another program";
    // Best effort: a read-only file stays in its journal mode and is still readable.
    Exec(db, "PRAGMA journal_mode = WAL");
    Exec(db, "PRAGMA synchronous = NORMAL");  // WAL + NORMAL survives killed processes
    if (empty && !CreateSchema(db)) return sqlite3_errmsg(db);
    return "";
}

// Whether the connection's file still starts as an SQLite file does (or is empty), read through
// SQLite's own handle for the reason given at Identify.
bool HasDatabaseHeader(sqlite3* db)
{
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || file == nullptr ||
        file->pMethods == nullptr) {
        return true;  // cannot tell: SQLite's own checks remain
    }
    static constexpr char kMagic[16] = "SQLite format 3";  // with its terminating zero
    char header[sizeof kMagic] = {};
    const int rc = file->pMethods->xRead(file, header, sizeof header, 0);
    if (rc == SQLITE_IOERR_SHORT_READ) {  // the missing bytes read as zeros: only an empty file passes
        return std::all_of(std::begin(header), std::end(header), [](char c) { return c == 0; });
    }
    return rc != SQLITE_OK || std::memcmp(header, kMagic, sizeof header) == 0;
}

bool IsPassing(int code)
{
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

StoreProblemKind KindOf(int code)
{
    switch (code) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN: return StoreProblemKind::kReadOnly;
    case SQLITE_FULL: return StoreProblemKind::kDiskFull;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return StoreProblemKind::kBusy;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: return StoreProblemKind::kUnusable;
    default: return StoreProblemKind::kFailed;
    }
}

const char* Consequence(StoreProblemKind kind)
{
    return kind == StoreProblemKind::kUnusable ? "using defaults" : "settings are not saved";
}

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') return home;
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/tmp";
}

}  // namespace

std::vector<uint8_t> DwordBytes(uint32_t value)
{
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
            static_cast<uint8_t>(value >> 24)};
}

uint32_t DwordFromBytes(const std::vector<uint8_t>& bytes)
{
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

std::vector<uint8_t> SzBytes(std::u16string_view text)
{
    std::vector<uint8_t> bytes;
    bytes.reserve((text.size() + 1) * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

std::u16string SzText(const std::vector<uint8_t>& bytes)
{
    std::u16string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0) break;
        text += unit;
    }
    return text;
}

void RegistryStore::DbCloser::operator()(sqlite3* db) const
{
    sqlite3_close_v2(db);
}

RegistryStore& RegistryStore::Instance()
{
    static RegistryStore store;
    return store;
}

void RegistryStore::ResetForTesting(const std::string& path)
{
    RegistryStore& store = Instance();
    const std::lock_guard lock(store.mutex_);
    store.db_.reset();
    store.open_attempted_ = false;
    store.busy_streak_ = false;
    store.reported_ = {};
    store.pending_.clear();
    store.override_path_ = path;
}

StoreProblemListener RegistryStore::SetProblemListener(StoreProblemListener listener)
{
    RegistryStore& store = Instance();
    const std::lock_guard lock(store.mutex_);
    return std::exchange(store.listener_, std::move(listener));
}

void RegistryStore::SetBusyTimeoutForTesting(int milliseconds)
{
    RegistryStore& store = Instance();
    const std::lock_guard lock(store.mutex_);
    store.busy_timeout_ms_ = milliseconds;
    if (store.db_ && !store.busy_streak_) sqlite3_busy_timeout(store.db_.get(), milliseconds);
}

std::string RegistryStore::ConfiguredPath()
{
    const char* chosen = std::getenv("ORNIVEX_REGISTRY");
    if (chosen != nullptr && *chosen != '\0') return chosen;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // The XDG rules ignore relative values.
    const std::string base = config != nullptr && config[0] == '/' ? config : HomeFolder() + "/.config";
    return base + "/Ornivex/registry.sqlite3";
}

bool RegistryStore::IsValidKeyPath(std::string_view path)
{
    if (path.empty()) return true;
    const auto parts = SplitPath(path);
    return std::all_of(parts.begin(), parts.end(), [](std::string_view part) {
        return !part.empty() && part.size() <= kMaxKeyNameBytes && !HasControlCharacter(part);
    });
}

bool RegistryStore::IsValidValueName(std::string_view name)
{
    return name.size() <= kMaxValueNameBytes && !HasControlCharacter(name);
}

std::string RegistryStore::FoldCase(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

RegistryStore::~RegistryStore() = default;

template <typename Body>
auto RegistryStore::Locked(Body body)
{
    std::vector<StoreProblem> problems;
    StoreProblemListener listener;
    auto result = [&] {
        const std::lock_guard lock(mutex_);
        FollowFile();
        auto answer = body();
        if (damaged_) {
            // Never write into a file that turned out not to be a store: no checkpoint on close.
            DropConnection(false);
            file_ = Identify(path_);
            damaged_ = false;
        }
        problems.swap(pending_);
        listener = listener_;
        return answer;
    }();
    for (const StoreProblem& problem : problems) {
        if (listener) {
            // A report that fails (no memory for a message box) must not fail the call it is about.
            try {
                listener(problem);
            } catch (...) {
            }
        } else {
            std::fprintf(stderr, "ornivex: settings store %s: %s; %s\n", problem.path.c_str(),
                         problem.detail.c_str(), Consequence(problem.kind));
        }
    }
    return result;
}

// stat(2) only: opening and closing the file here would drop every POSIX lock this process holds on
// it, SQLite's included, and let another process write at the same time.
RegistryStore::FileIdentity RegistryStore::Identify(const std::string& path)
{
    FileIdentity identity;
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return identity;
    identity.exists = true;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
    identity.size = static_cast<uint64_t>(info.st_size);
    identity.modified_ns = info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec;
    return identity;
}

// Before every call: a connection whose file was replaced, removed or overwritten with something else
// is dropped and the path opened anew; a file that failed to open is tried again once it changed.
void RegistryStore::FollowFile()
{
    if (!open_attempted_) return;
    const FileIdentity now = Identify(path_);
    if (db_) {
        const bool same_file = now.exists && now.device == file_.device && now.inode == file_.inode;
        if (same_file && HasDatabaseHeader(db_.get())) return;
        if (same_file) {
            // Overwritten in place: the file is left as the other writer made it, and the WAL beside
            // it, useless without the pages it was written against, goes so that it cannot be
            // replayed into whatever file takes this name next.
            DropConnection(false);
            for (const char* suffix : {"-wal", "-shm"}) unlink((path_ + suffix).c_str());  // missing is fine
        } else {
            // Replaced or removed: the WAL beside the path is still this connection's. Emptying it
            // into the old file, when no other process holds it, keeps it from being replayed into
            // the new one.
            sqlite3_wal_checkpoint_v2(db_.get(), "main", SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
            DropConnection(true);
        }
        open_attempted_ = false;
        return;
    }
    if (retry_open_ || !(now == file_)) open_attempted_ = false;
}

sqlite3* RegistryStore::Db()
{
    if (!open_attempted_) {
        open_attempted_ = true;
        Open();
    }
    return db_.get();
}

void RegistryStore::Open()
{
    path_ = override_path_.empty() ? ConfiguredPath() : override_path_;
    retry_open_ = false;
    std::error_code ignored;  // a missing folder shows up as an open failure below
    const std::filesystem::path parent = std::filesystem::path(path_).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ignored);

    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path_.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, DbCloser> db(raw);
    if (rc != SQLITE_OK || !db) {
        file_ = Identify(path_);
        return Note(StoreProblemKind::kUnusable, db ? sqlite3_errmsg(db.get()) : "out of memory");
    }
    sqlite3_busy_timeout(db.get(), busy_streak_ ? 0 : busy_timeout_ms_);
    const std::string problem = PrepareFile(db.get());
    file_ = Identify(path_);
    if (problem.empty()) {
        db_ = std::move(db);
        return NoteSuccess(db_.get());
    }
    const int code = sqlite3_errcode(db.get()) & 0xFF;
    retry_open_ = IsPassing(code);
    if (retry_open_) busy_streak_ = true;
    Note(retry_open_ ? StoreProblemKind::kBusy : StoreProblemKind::kUnusable, problem);
}

void RegistryStore::DropConnection(bool checkpoint)
{
    if (db_ && !checkpoint) sqlite3_db_config(db_.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    db_.reset();
}

void RegistryStore::Note(StoreProblemKind kind, const std::string& detail)
{
    bool& reported = reported_[static_cast<size_t>(kind)];
    if (reported) return;
    reported = true;
    pending_.push_back({kind, path_, detail});
}

void RegistryStore::NoteFailure(sqlite3* db)
{
    const int code = sqlite3_errcode(db) & 0xFF;
    if (code == SQLITE_OK) return;  // refused before SQLite saw it (an oversized value)
    const StoreProblemKind kind = KindOf(code);
    if (kind == StoreProblemKind::kBusy && !busy_streak_) {
        busy_streak_ = true;
        sqlite3_busy_timeout(db, 0);
    }
    if (kind == StoreProblemKind::kUnusable) damaged_ = true;
    Note(kind, sqlite3_errmsg(db));
}

void RegistryStore::NoteSuccess(sqlite3* db)
{
    if (!busy_streak_) return;
    busy_streak_ = false;
    sqlite3_busy_timeout(db, busy_timeout_ms_);
}

bool RegistryStore::Write(const std::function<StoreOutcome(sqlite3*)>& body)
{
    sqlite3* db = Db();
    // A connection opened while the file was read-only stays read-only: try the file again.
    if (db != nullptr && sqlite3_db_readonly(db, "main") == 1) {
        DropConnection(true);
        Open();
        db = db_.get();
    }
    if (db == nullptr) return false;
    if (!Exec(db, "BEGIN IMMEDIATE")) {
        NoteFailure(db);
        return false;
    }
    const StoreOutcome outcome = body(db);
    if (outcome == StoreOutcome::kApplied && Exec(db, "COMMIT")) {
        NoteSuccess(db);
        return true;
    }
    if (outcome != StoreOutcome::kRejected) NoteFailure(db);
    Exec(db, "ROLLBACK");
    return false;
}

bool RegistryStore::IsUsable()
{
    return Locked([&] { return Db() != nullptr; });
}

std::string RegistryStore::FilePath()
{
    return Locked([&] {
        Db();
        return path_;
    });
}

bool RegistryStore::CreateKey(std::string_view path)
{
    if (!IsValidKeyPath(path)) return false;
    return Locked([&] {
        sqlite3* db = Db();
        if (db == nullptr) return false;
        // Opening an existing key only reads: no write lock, and a read-only file still serves reads.
        const std::optional<bool> exists = KeyRowExists(db, FoldCase(path));
        if (exists.value_or(false)) return true;
        if (!exists) NoteFailure(db);
        if (damaged_) return false;
        return Write([&](sqlite3* writer) { return EnsureKey(writer, path); });
    });
}

bool RegistryStore::KeyExists(std::string_view path)
{
    if (!IsValidKeyPath(path)) return false;
    return Locked([&] {
        sqlite3* db = Db();
        if (db == nullptr) return false;
        const std::optional<bool> exists = KeyRowExists(db, FoldCase(path));
        if (!exists) NoteFailure(db);
        return exists.value_or(false);
    });
}

bool RegistryStore::DeleteKeyTree(std::string_view path)
{
    if (path.empty() || !IsValidKeyPath(path)) return false;
    return Locked([&] { return Write([&](sqlite3* db) { return RemoveTree(db, path); }); });
}

template <typename Result>
std::optional<Result> RegistryStore::ReadExistingKey(
    std::string_view path, const std::function<std::optional<Result>(sqlite3*, const std::string&)>& read)
{
    if (!IsValidKeyPath(path)) return std::nullopt;
    sqlite3* db = Db();
    if (db == nullptr) return std::nullopt;
    const std::string folded = FoldCase(path);
    const std::optional<bool> exists = KeyRowExists(db, folded);
    std::optional<Result> result = exists.value_or(false) ? read(db, folded) : std::nullopt;
    if (!exists || (*exists && !result)) NoteFailure(db);
    return result;
}

std::optional<std::vector<std::string>> RegistryStore::ListSubkeys(std::string_view path)
{
    return Locked([&] {
        return ReadExistingKey<std::vector<std::string>>(
            path, [](sqlite3* db, const std::string& folded) -> std::optional<std::vector<std::string>> {
                const auto keys = SubtreeKeys(db, folded);
                if (!keys) return std::nullopt;
                const size_t skip = folded.empty() ? 0 : folded.size() + 1;
                std::vector<std::string> names;
                for (const auto& [key_folded, spelled] : *keys) {
                    const bool child =
                        key_folded.size() > skip && key_folded.find('\\', skip) == std::string::npos;
                    if (child) names.push_back(LastName(spelled));
                }
                return names;
            });
    });
}

std::optional<std::vector<RegValue>> RegistryStore::ListValues(std::string_view path)
{
    return Locked([&] { return ReadExistingKey<std::vector<RegValue>>(path, ValuesOf); });
}

std::optional<std::vector<RegKeyDump>> RegistryStore::DumpTree(std::string_view path)
{
    if (!IsValidKeyPath(path)) return std::optional<std::vector<RegKeyDump>>();
    return Locked([&] {
        std::optional<std::vector<RegKeyDump>> dump;
        sqlite3* db = Db();
        if (db == nullptr) return dump;
        if (!Exec(db, "BEGIN")) {  // one snapshot for all reads
            NoteFailure(db);
            return dump;
        }
        const std::string folded = FoldCase(path);
        const std::optional<bool> exists = KeyRowExists(db, folded);
        const auto keys = exists.value_or(false) ? SubtreeKeys(db, folded) : std::nullopt;
        bool failed = !exists || (*exists && !keys);
        if (keys) dump.emplace();
        for (size_t i = 0; keys && i < keys->size() && !failed; ++i) {
            auto values = ValuesOf(db, (*keys)[i].first);
            failed = !values;
            if (values) dump->push_back({(*keys)[i].second, std::move(*values)});
        }
        if (failed) {
            NoteFailure(db);
            dump.reset();
        }
        Exec(db, "COMMIT");
        return dump;
    });
}

std::optional<RegValue> RegistryStore::ReadValue(std::string_view key, std::string_view name)
{
    return Locked([&] {
        std::optional<RegValue> value;
        sqlite3* db = Db();
        if (db == nullptr) return value;
        Statement select(db, "SELECT name, type, data FROM reg_values WHERE key = ? AND folded = ?");
        select.Bind(FoldCase(key)).Bind(FoldCase(name));
        if (select.Next()) {
            value = RegValue{select.TextAt(0), static_cast<uint32_t>(select.IntAt(1)), select.BlobAt(2)};
        } else if (!select.Ok()) {
            NoteFailure(db);
            return value;
        }
        NoteSuccess(db);
        return value;
    });
}

bool RegistryStore::WriteValue(std::string_view key, const RegValue& value)
{
    if (!IsValidKeyPath(key) || !IsValidValueName(value.name)) return false;
    return Locked([&] { return Write([&](sqlite3* db) { return UpsertValue(db, key, value); }); });
}

bool RegistryStore::DeleteValue(std::string_view key, std::string_view name)
{
    return Locked([&] { return Write([&](sqlite3* db) { return RemoveValue(db, key, name); }); });
}

bool RegistryStore::Apply(const std::vector<RegEdit>& edits)
{
    return Locked([&] {
        return Write([&](sqlite3* db) {
            for (const RegEdit& edit : edits) {
                const StoreOutcome outcome = ApplyEdit(db, edit);
                if (outcome != StoreOutcome::kApplied) return outcome;
            }
            return StoreOutcome::kApplied;
        });
    });
}

std::string RegistryStore::IntegrityCheck()
{
    return Locked([&] {
        sqlite3* db = Db();
        if (db == nullptr) return std::string("settings store unusable");
        Statement check(db, "PRAGMA integrity_check");
        std::string report;
        while (check.Next()) report += (report.empty() ? "" : "\n") + check.TextAt(0);
        return check.Ok() ? report : std::string(sqlite3_errmsg(db));
    });
}

}  // namespace ov
