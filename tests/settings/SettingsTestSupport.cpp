// Shared pieces of the settings tests: scratch files, raw value bytes and a small process runner.
#include "SettingsTestSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

extern char** environ;

namespace ov {

void PrintTo(const RegValue& value, std::ostream* out)
{
    *out << "{\"" << value.name << "\" type " << value.type << " bytes";
    for (uint8_t byte : value.data) *out << ' ' << std::hex << int{byte} << std::dec;
    *out << '}';
}

void PrintTo(const RegKeyDump& key, std::ostream* out)
{
    *out << "[" << key.path << "]";
    for (const RegValue& value : key.values) PrintTo(value, out);
}

}  // namespace ov

namespace ov::test {
namespace {

std::string Slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The current environment with `extra` entries replacing those of the same name.
std::vector<std::string> MergedEnvironment(const std::vector<std::string>& extra)
{
    std::vector<std::string> merged(extra);
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string current = *entry;
        const std::string name = current.substr(0, current.find('=') + 1);
        bool replaced = false;
        for (const std::string& e : extra) replaced = replaced || e.rfind(name, 0) == 0;
        if (!replaced) merged.push_back(current);
    }
    return merged;
}

std::vector<char*> PointersOf(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& s : strings) pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

std::filesystem::path ScratchFolder()
{
    const char* scratch = std::getenv("OV_TEST_SCRATCH");
    const std::filesystem::path folder = scratch != nullptr && *scratch != '\0'
                                             ? std::filesystem::path(scratch)
                                             : std::filesystem::temp_directory_path() / "ov-settings-tests";
    std::filesystem::create_directories(folder);
    return folder;
}

std::filesystem::path FreshStorePath(const std::string& tag)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name() + "." + tag + ".sqlite3";
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    const std::filesystem::path path = ScratchFolder() / name;
    RemoveStoreFiles(path);
    return path;
}

void RemoveStoreFiles(const std::filesystem::path& path)
{
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        std::filesystem::remove_all(path.string() + suffix, ignored);
    }
}

std::vector<uint8_t> RawDword(uint32_t value)
{
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
            static_cast<uint8_t>(value >> 24)};
}

std::vector<uint8_t> RawSz(std::u16string_view text)
{
    std::vector<uint8_t> bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

ProcessResult RunProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                         const std::string& input)
{
    static int serial = 0;
    const std::string base =
        (ScratchFolder() / ("process-" + std::to_string(getpid()) + "-" + std::to_string(++serial))).string();
    std::ofstream(base + ".in", std::ios::binary) << input;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, (base + ".in").c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, (base + ".out").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, (base + ".err").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<std::string> args(argv);
    std::vector<std::string> environment = MergedEnvironment(env);
    std::vector<char*> arg_pointers = PointersOf(args);
    std::vector<char*> env_pointers = PointersOf(environment);

    ProcessResult result;
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, args[0].c_str(), &actions, nullptr, arg_pointers.data(), env_pointers.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.exit_code = WEXITSTATUS(status);
    }
    result.out = Slurp(base + ".out");
    result.err = Slurp(base + ".err");
    return result;
}

void FreshStoreTest::SetUp()
{
    store_path_ = FreshStorePath();
    RegistryStore::ResetForTesting(store_path_.string());
}

void FreshStoreTest::TearDown()
{
    RegistryStore::ResetForTesting("");
}

}  // namespace ov::test
