// Scratch files for the data-import tests: written below the test's scratch folder (emptied before
// every run) or, outside CTest, the system temporary folder.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace ovtest {

class ScratchFile {
public:
    ScratchFile(std::string_view name, std::string_view bytes)
    {
        const char* scratch = std::getenv("OV_TEST_SCRATCH");
        path_ =
            (scratch != nullptr ? std::filesystem::path(scratch) : std::filesystem::temp_directory_path()) /
            name;
        std::filesystem::create_directories(path_.parent_path());
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
    }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

}  // namespace ovtest
