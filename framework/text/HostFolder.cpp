// Locations of the files that ship beside the host program and of the per-user application data.
#include "framework/text/HostFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace ov {
namespace {

// An environment value, or "" when unset.
std::string EnvValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::filesystem::path HomeFolder()
{
    std::string home = EnvValue("HOME");
    if (!home.empty()) return home;
    // Without HOME (services, some test runners) the password database still knows it.
    const passwd* entry = getpwuid(getuid());
    return (entry && entry->pw_dir) ? std::filesystem::path(entry->pw_dir) : std::filesystem::path("/");
}

}  // namespace

std::filesystem::path HostFolder()
{
    std::string overridden = EnvValue("ORNIVEX_HOST_DIR");
    if (!overridden.empty()) return overridden;
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    // Without /proc the relative resource names resolve against the working folder.
    return error ? std::filesystem::path() : exe.parent_path();
}

std::filesystem::path AppDataFolder()
{
    std::string dataHome = EnvValue("XDG_DATA_HOME");
    // The base-directory rules ignore a relative value.
    std::filesystem::path base = (!dataHome.empty() && dataHome.front() == '/')
                                     ? std::filesystem::path(dataHome)
                                     : HomeFolder() / ".local" / "share";
    return base / "Ornivex_DLG";
}

}  // namespace ov
