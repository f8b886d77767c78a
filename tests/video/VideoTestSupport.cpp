// Helpers of the video tests: scratch folders, frame patterns, command lines.
#include "video/VideoTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace ovtest {

std::filesystem::path FreshFolder(const std::string& name)
{
    const char* scratch = std::getenv("OV_TEST_SCRATCH");
    const std::filesystem::path folder =
        std::filesystem::path(scratch ? scratch : std::filesystem::temp_directory_path().string()) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::vector<uint8_t> PatternFrame(int width, int height, int index)
{
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 3];
            p[0] = static_cast<uint8_t>(x * 3 + index * 5);
            p[1] = static_cast<uint8_t>(y * 4 + 30 + index * 3);
            p[2] = static_cast<uint8_t>(220 - x - y);
        }
    }
    return pixels;
}

std::string RunCommand(const std::string& command, int* status)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (size_t n = 0; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    const int result = pipe ? pclose(pipe) : -1;
    if (status) *status = result;
    return output;
}

std::string ProbeStream(const std::filesystem::path& file)
{
    return RunCommand(
        "ffprobe -v error -count_frames -select_streams v:0 -show_entries "
        "stream=codec_name,codec_tag_string,width,height,r_frame_rate,nb_read_frames:stream_tags=title:"
        "packet=pts,size,flags:format=duration "
        "-of default=noprint_wrappers=1 '" +
        file.string() + "'");
}

std::string ProbeValue(const std::string& probe, const std::string& key)
{
    std::istringstream lines(probe);
    std::string values;
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(key + "=", 0) == 0)
            values += (values.empty() ? "" : ",") + line.substr(key.size() + 1);
    return values;
}

}  // namespace ovtest
