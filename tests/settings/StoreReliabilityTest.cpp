// Several processes on one store: concurrent writers lose nothing, and a writer killed at random
// moments never corrupts the file or loses a write it saw committed.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "SettingsTestSupport.h"

extern char** environ;

namespace ov::test {
namespace {

constexpr std::string_view kStressKey = "Software\\Ornivex\\Stress";

pid_t StartWriter(const std::vector<std::string>& args)
{
    std::vector<std::string> argv = {OV_STORE_WRITER};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, pointers[0], nullptr, nullptr, pointers.data(), environ) != 0) return -1;
    return pid;
}

int WaitStatus(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, 0) == pid ? status : -1;
}

// Names the writer logged as committed; a partial last line does not count.
std::vector<std::string> CommittedNames(const std::filesystem::path& log)
{
    std::ifstream in(log, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<std::string> names;
    std::istringstream lines(text.str());
    std::string line;
    while (std::getline(lines, line)) {
        if (!lines.eof()) names.push_back(line);
    }
    return names;
}

uint32_t IndexOf(const std::string& name)
{
    return static_cast<uint32_t>(std::stoul(name.substr(name.find('_') + 1)));
}

using StoreReliabilityTest = FreshStoreTest;

TEST_F(StoreReliabilityTest, TwoConcurrentWritersLoseNothing)
{
    const pid_t first = StartWriter({store_path_.string(), "a_", "1000"});
    const pid_t second = StartWriter({store_path_.string(), "b_", "1000"});
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    const int first_status = WaitStatus(first);
    const int second_status = WaitStatus(second);
    ASSERT_TRUE(WIFEXITED(first_status) && WEXITSTATUS(first_status) == 0) << first_status;
    ASSERT_TRUE(WIFEXITED(second_status) && WEXITSTATUS(second_status) == 0) << second_status;

    const auto values = Store().ListValues(kStressKey);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->size(), 2000u);
    for (const RegValue& value : *values) EXPECT_EQ(value.data, RawDword(IndexOf(value.name))) << value.name;
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
        const std::filesystem::path log = store_path_.string() + ".log" + std::to_string(round);
        std::filesystem::remove(log);
        const std::string prefix = "r" + std::to_string(round) + "_";
        const pid_t writer = StartWriter({store_path_.string(), prefix, "100000000", log.string()});
        ASSERT_GT(writer, 0);
        if (round % 2 == 1) {
            for (int wait = 0; wait < 500 && CommittedNames(log).empty(); ++wait) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
        kill(writer, SIGKILL);
        const int status = WaitStatus(writer);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "writer ended by itself: " << status;

        ASSERT_EQ(Store().IntegrityCheck(), "ok") << "round " << round;
        const std::vector<std::string> committed = CommittedNames(log);
        for (const std::string& name : committed) {
            const auto value = Store().ReadValue(kStressKey, name);
            ASSERT_TRUE(value) << "round " << round << " lost " << name;
            EXPECT_EQ(value->data, RawDword(IndexOf(name)));
        }
        total_committed += committed.size();
    }
    EXPECT_GT(total_committed, 0u);
}

}  // namespace
}  // namespace ov::test
