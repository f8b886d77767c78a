// Helpers of the video tests: scratch folders, a frame pattern that differs in every pixel and
// frame, and the ffprobe/ffmpeg command lines that read written files back.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace ovtest {

// A fresh, empty folder below the test's scratch folder.
std::filesystem::path FreshFolder(const std::string& name);

// Frame `index` of width × height, top row first, 3 bytes per pixel (blue, green, red): smooth ramps
// that lossy encoders keep close, different in every frame.
std::vector<uint8_t> PatternFrame(int width, int height, int index);

// Runs a shell command; its standard output, and the exit status in `status`.
std::string RunCommand(const std::string& command, int* status = nullptr);

// "key=value" lines of ffprobe for the first video stream, with frames counted, each packet's time,
// size and key-frame flag, and the file's length.
std::string ProbeStream(const std::filesystem::path& file);
// Every value of "key=" in ffprobe's default output, joined by ",", or "".
std::string ProbeValue(const std::string& probe, const std::string& key);

}  // namespace ovtest
