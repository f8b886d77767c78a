// SmallHoles: one pass over the rows; only a background pixel right of a region pixel can start a
// tiny hole, so each background run is tested once, at its start.
#include "trace/SmallHoles.h"

#include <cstdint>
#include <cstring>

namespace ov {

namespace {

struct Rows {
    const uchar* up;
    uchar* at;
    uchar* down;
    const uchar* below;  // the row after `down`, or null on the last inner row
};

bool Single(const Rows& r, int x)
{
    return r.up[x] && r.down[x] && r.at[x - 1] && r.at[x + 1];
}

bool HorizontalPair(const Rows& r, int x, int cols)
{
    return x + 2 < cols && !r.at[x + 1] && r.at[x - 1] && r.at[x + 2] && r.up[x] && r.up[x + 1] &&
           r.down[x] && r.down[x + 1];
}

bool VerticalPair(const Rows& r, int x)
{
    return r.below && !r.down[x] && r.up[x] && r.below[x] && r.at[x - 1] && r.at[x + 1] && r.down[x - 1] &&
           r.down[x + 1];
}

void FillAt(const Rows& r, int x, int cols, FilledHoles& filled)
{
    if (Single(r, x)) {
        r.at[x] = 255;
        ++filled.singles;
    } else if (HorizontalPair(r, x, cols)) {
        r.at[x] = r.at[x + 1] = 255;
        ++filled.pairs;
    } else if (VerticalPair(r, x)) {
        r.at[x] = r.down[x] = 255;
        ++filled.pairs;
    }
}

// First x at or after `from` (and before `end`) whose pixel belongs to the region.
int EndOfRun(const uchar* row, int from, int end)
{
    int x = from;
    for (uint64_t word = 0; x + 8 <= end; x += 8) {
        std::memcpy(&word, row + x, sizeof word);
        if (word != 0) break;
    }
    while (x < end && !row[x]) ++x;
    return x;
}

}  // namespace

FilledHoles FillTinyHoles(cv::Mat& mask)
{
    FilledHoles filled;
    if (mask.type() != CV_8UC1 || mask.rows < 3 || mask.cols < 3) return filled;
    for (int y = 1; y + 1 < mask.rows; ++y) {
        const Rows r{mask.ptr<uchar>(y - 1), mask.ptr<uchar>(y), mask.ptr<uchar>(y + 1),
                     y + 2 < mask.rows ? mask.ptr<uchar>(y + 2) : nullptr};
        const int end = mask.cols - 1;  // the frame column is never filled
        for (int x = 1; x < end;) {
            const void* hit = std::memchr(r.at + x, 0, static_cast<size_t>(end - x));
            if (!hit) break;
            x = static_cast<int>(static_cast<const uchar*>(hit) - r.at);
            if (r.at[x - 1]) FillAt(r, x, mask.cols, filled);
            x = EndOfRun(r.at, x, end);
        }
    }
    return filled;
}

}  // namespace ov
