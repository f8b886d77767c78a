// The number reader out of memory: an allocation of its value store that fails on the calling thread
// or on a worker gives "no data" both times, and the next read works again.
#include "data/import/AsciiMatrix.h"
#include "data/import/ValueStore.h"
#include "tests/data/DataTestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

// The first half of the file holds no number at all, the second 524,288 values in two columns: split
// among threads, the calling thread takes the first half and every store that fills up lives on a
// worker, which needs at least two allocations for it.
std::string HalfWordsHalfNumbers()
{
    constexpr std::size_t kHalf = std::size_t{1} << 20;
    std::string text;
    text.reserve(2 * kHalf);
    while (text.size() < kHalf) text += "abc xyz\n";
    while (text.size() < 2 * kHalf) text += "1 2\n";
    return text;
}

class ReaderOutOfMemory : public ::testing::Test {
protected:
    void TearDown() override
    {
        ov::FailValueStoreAllocationForTesting(0);
        ov::SetParallelThresholdForTesting(0);
    }

    ovtest::ScratchFile file_{"reader_out_of_memory.txt", HalfWordsHalfNumbers()};
};

}  // namespace

// On the calling thread (setting the hook again counts afresh) and on a worker: "no data" each time
// instead of ending the process, and the next read works.
TEST_F(ReaderOutOfMemory, FailureOnAnyThreadGivesNoDataAndTheNextReadWorks)
{
    for (uint64_t nth : {1, 2, 2}) {
        ov::FailValueStoreAllocationForTesting(nth);
        EXPECT_FALSE(ov::ReadAsciiMatrix(file_.Path(), 0, -1).has_value()) << "allocation " << nth;
        EXPECT_EQ(ov::ValueStoreFailureThreadForTesting(), std::this_thread::get_id());
    }
    // A small file needs one allocation only: the second failing does not touch it.
    ov::FailValueStoreAllocationForTesting(2);
    EXPECT_TRUE(ov::ReadAsciiMatrixFromBytes("1 2\n3 4\n", 0, -1).has_value());
    if (std::thread::hardware_concurrency() >= 2) {  // with one processor the reader starts no worker
        ov::SetParallelThresholdForTesting(64 * 1024);
        // The calling thread makes one allocation at most (its half holds no value), a worker several.
        ov::FailValueStoreAllocationForTesting(2);
        EXPECT_FALSE(ov::ReadAsciiMatrix(file_.Path(), 0, -1).has_value());
        EXPECT_NE(ov::ValueStoreFailureThreadForTesting(), std::this_thread::get_id());
    }
    ov::FailValueStoreAllocationForTesting(0);
    const auto matrix = ov::ReadAsciiMatrix(file_.Path(), 0, -1);
    ASSERT_TRUE(matrix.has_value());
    EXPECT_EQ(matrix->cols, 2);
    EXPECT_EQ(matrix->rows, 262144);
}
