// Several processes on one store: concurrent writers lose nothing, and a writer killed at random
// moments never corrupts the file or loses a write it saw committed.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <random>
#include <sstream>
#include <thread>

#include "SettingsTestSupport.h"

extern char** environ;

namespace ov::test {
namespace {

constexpr std::string_view kStressKey = "Software\\Ornivex\\Stress";

// Starts the writer child and returns its pid (-1 on failure).
pid_t StartWriter(std::vector<std::string> argv)
{
    argv.insert(argv.begin(), OV_STORE_WRITER);
    std::vector<char*> pointers;
    for (std::string& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    pid_t pid = -1;
    return posix_spawn(&pid, pointers[0], nullptr, nullptr, pointers.data(), environ) == 0 ? pid : -1;
}

int WaitStatus(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, 0) == pid ? status : -1;
}

// Names the writer logged as committed; a partial last line does not count.
std::vector<std::string> CommittedNames(const std::filesystem::path& log)
{
    std::istringstream lines(FileBytes(log));
    std::vector<std::string> names;
    for (std::string line; std::getline(lines, line);) {
        if (!lines.eof()) names.push_back(line);
    }
    return names;
}

std::vector<uint8_t> ExpectedData(const std::string& name)
{
    return RawDword(static_cast<uint32_t>(std::stoul(name.substr(name.find('_') + 1))));
}

using StoreReliabilityTest = FreshStoreTest;

TEST_F(StoreReliabilityTest, TwoConcurrentWritersLoseNothing)
{
    const pid_t writers[] = {StartWriter({store_path_.string(), "a_", "1000"}),
                             StartWriter({store_path_.string(), "b_", "1000"})};
    for (const pid_t writer : writers) {
        ASSERT_GT(writer, 0);
        const int status = WaitStatus(writer);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    const auto values = Store().ListValues(kStressKey);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->size(), 2000u);
    for (const RegValue& value : *values) EXPECT_EQ(value.data, ExpectedData(value.name)) << value.name;
    EXPECT_EQ(Store().IntegrityCheck(), "ok");
}

// Half of the rounds kill the writer at any moment from its start (file creation, WAL set-up);
// the others wait for its first commit, so every round after that kills it mid-stream.
TEST_F(StoreReliabilityTest, KilledWriterNeverCorruptsOrLosesCommittedValues)
{
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    size_t total_committed = 0;
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::filesystem::path log = store_path_.string() + ".log" + std::to_string(round);
        std::filesystem::remove(log);
        const pid_t writer =
            StartWriter({store_path_.string(), "r" + std::to_string(round) + "_", "100000000", log.string()});
        ASSERT_GT(writer, 0);
        for (int wait = 0; round % 2 == 1 && wait < 500 && CommittedNames(log).empty(); ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
        kill(writer, SIGKILL);
        const int status = WaitStatus(writer);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "writer ended by itself: " << status;
        ASSERT_EQ(Store().IntegrityCheck(), "ok");
        const std::vector<std::string> committed = CommittedNames(log);
        for (const std::string& name : committed) {
            const auto value = Store().ReadValue(kStressKey, name);
            ASSERT_TRUE(value) << "lost " << name;
            EXPECT_EQ(value->data, ExpectedData(name));
        }
        total_committed += committed.size();
    }
    EXPECT_GT(total_committed, 0u);
}

}  // namespace
}  // namespace ov::test
