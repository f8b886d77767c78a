// Shared pieces of the settings tests: a fixture with a fresh store file per test, raw value bytes
// spelled out independently of the library and mounts for fault tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "framework/settings/RegistryStore.h"

namespace ov::test {

std::filesystem::path ScratchFolder();
// A store file name unique to the running test, with old copies (and WAL files) removed.
std::filesystem::path FreshStorePath(const std::string& tag = "store");
std::string FileBytes(const std::filesystem::path& path);

std::vector<uint8_t> RawDword(uint32_t value);
std::vector<uint8_t> RawSz(std::u16string_view text);  // with terminator

// Moves this process into a mount namespace of its own, once, so that the mounts below vanish with
// it and are never seen by the machine. False when that is not allowed (not root); the process must
// still be single-threaded the first time.
bool PrivateMounts();

// A mount that is undone when the object goes.
class ScopedMount {
public:
    ScopedMount() = default;
    ScopedMount(ScopedMount&& other) noexcept : target_(std::exchange(other.target_, {})) {}
    ScopedMount& operator=(ScopedMount&& other) noexcept
    {
        Unmount();
        target_ = std::exchange(other.target_, {});
        return *this;
    }
    ~ScopedMount();
    // A tmpfs of `bytes` over `folder` (created when missing).
    static ScopedMount Tmpfs(const std::filesystem::path& folder, size_t bytes);
    // `file` bound over itself read-only: no process can open it for writing, root included.
    static ScopedMount ReadOnly(const std::filesystem::path& file);
    bool Mounted() const { return !target_.empty(); }
    void Unmount();

private:
    std::filesystem::path target_;
};

class FreshStoreTest : public ::testing::Test {
protected:
    void SetUp() override { RegistryStore::ResetForTesting((store_path_ = FreshStorePath()).string()); }
    void TearDown() override { RegistryStore::ResetForTesting(""); }
    RegistryStore& Store() { return RegistryStore::Instance(); }
    std::filesystem::path store_path_;
};

}  // namespace ov::test
