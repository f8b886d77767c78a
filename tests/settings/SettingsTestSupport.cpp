// Shared pieces of the settings tests: scratch files, raw value bytes and private mounts.
#include "SettingsTestSupport.h"

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace ov::test {

std::filesystem::path ScratchFolder()
{
    const char* scratch = std::getenv("OV_TEST_SCRATCH");  // set by CTest
    const auto folder =
        scratch ? std::filesystem::path(scratch) : std::filesystem::temp_directory_path() / "ov-tests";
    std::filesystem::create_directories(folder);
    return folder;
}

std::filesystem::path FreshStorePath(const std::string& tag)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name() + "." + tag + ".sqlite3";
    std::replace(name.begin(), name.end(), '/', '_');
    const std::filesystem::path path = ScratchFolder() / name;
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        std::filesystem::remove_all(path.string() + suffix, ignored);
    }
    return path;
}

std::string FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<uint8_t> RawDword(uint32_t value)
{
    return {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
}

std::vector<uint8_t> RawSz(std::u16string_view text)
{
    std::vector<uint8_t> bytes;
    for (char16_t unit : text) bytes.insert(bytes.end(), {uint8_t(unit & 0xFF), uint8_t(unit >> 8)});
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

bool PrivateMounts()
{
    static const bool entered =
        unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return entered;
}

ScopedMount::~ScopedMount()
{
    Unmount();
}

void ScopedMount::Unmount()
{
    if (!target_.empty()) umount2(target_.c_str(), MNT_DETACH);
    target_.clear();
}

ScopedMount ScopedMount::Tmpfs(const std::filesystem::path& folder, size_t bytes)
{
    ScopedMount made;
    std::filesystem::create_directories(folder);
    const std::string options = "size=" + std::to_string(bytes);
    if (PrivateMounts() && mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0)
        made.target_ = folder;
    return made;
}

ScopedMount ScopedMount::ReadOnly(const std::filesystem::path& file)
{
    ScopedMount made;
    if (!PrivateMounts() || mount(file.c_str(), file.c_str(), nullptr, MS_BIND, nullptr) != 0) return made;
    made.target_ = file;
    if (mount(nullptr, file.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) made.Unmount();
    return made;
}

}  // namespace ov::test
