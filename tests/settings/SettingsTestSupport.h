// Shared pieces of the settings tests: a fixture that points the process-wide store at a fresh
// file of its own, and helpers to build raw values and run child processes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/RegistryStore.h"

namespace ov {

// Readable failure messages for values and dumps.
void PrintTo(const RegValue& value, std::ostream* out);
void PrintTo(const RegKeyDump& key, std::ostream* out);

}  // namespace ov

namespace ov::test {

// The test's scratch folder (OV_TEST_SCRATCH from CTest, else a folder under the system temp).
std::filesystem::path ScratchFolder();

// A file name in the scratch folder unique to the running test, with old copies removed.
std::filesystem::path FreshStorePath(const std::string& tag = "store");

// Removes a store file with its WAL and shared-memory companions.
void RemoveStoreFiles(const std::filesystem::path& path);

// Expected raw bytes, spelled out here independently of the library's own encoders.
std::vector<uint8_t> RawDword(uint32_t value);
std::vector<uint8_t> RawSz(std::u16string_view text);  // with terminator

struct ProcessResult {
    int exit_code = -1;  // -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs `argv` with extra environment entries ("NAME=value"), capturing stdout and stderr.
ProcessResult RunProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env = {},
                         const std::string& input = "");

// Every test gets its own store file; the store goes back to the configured file afterwards.
class FreshStoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    RegistryStore& Store() { return RegistryStore::Instance(); }

    std::filesystem::path store_path_;
};

}  // namespace ov::test
