// Scratch files for the data-import tests: written below the test's scratch folder (or the system
// temporary folder) and removed when the object goes.
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
        const std::filesystem::path folder =
            scratch != nullptr ? std::filesystem::path(scratch) : std::filesystem::temp_directory_path();
        std::filesystem::create_directories(folder);
        path_ = folder / name;
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~ScratchFile()
    {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

}  // namespace ovtest
