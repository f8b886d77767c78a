// ReadPreviewLines: buffered reads of the head of the file, cut at line feeds.
#include "data/import/PreviewLines.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string_view>

namespace ov {
namespace {

// Characters kept of one preview line; a file without line feeds must not fill memory.
constexpr std::size_t kMaxLineBytes = 65536;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The line without its line end: a CR directly before the LF goes with it.
std::string WithoutLineEnd(std::string line)
{
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace

bool ReadPreviewLines(const std::string& path, std::size_t limit, std::vector<std::string>& lines)
{
    lines.clear();
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    std::string current;
    bool open_line = false;
    int c = 0;
    while (lines.size() < limit && (c = std::getc(file.get())) != EOF) {
        if (c == '\n') {
            lines.push_back(WithoutLineEnd(std::move(current)));
            current.clear();
            open_line = false;
        } else {
            if (current.size() < kMaxLineBytes) current += static_cast<char>(c);
            open_line = true;
        }
    }
    if (open_line && lines.size() < limit) lines.push_back(std::move(current));
    return !lines.empty();
}

bool SplitPreviewLines(std::string_view text, std::size_t limit, std::vector<std::string>& lines)
{
    lines.clear();
    while (!text.empty() && lines.size() < limit) {
        const std::size_t lf = text.find('\n');
        const std::string_view line = text.substr(0, std::min(lf, kMaxLineBytes));
        lines.push_back(WithoutLineEnd(std::string(line)));
        text = lf == std::string_view::npos ? std::string_view() : text.substr(lf + 1);
    }
    return !lines.empty();
}

}  // namespace ov
