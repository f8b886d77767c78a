// Helpers of the text and resource tests: scratch folders, files written from bytes, and scoped
// environment variables.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace ov::test {

// A fresh, empty folder below the test's scratch folder (OV_TEST_SCRATCH, else the system temp).
inline std::filesystem::path FreshFolder(std::string_view name)
{
    const char* scratch = std::getenv("OV_TEST_SCRATCH");
    auto folder = (scratch ? std::filesystem::path(scratch) : std::filesystem::temp_directory_path()) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// Sets (or with nullopt unsets) an environment variable and restores the old value on exit.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace ov::test
