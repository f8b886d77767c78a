// StrokeCoverage: the antialiased coverage of a wide stroke with round joins along polylines, as an
// 8-bit mask in device pixels. A pixel's coverage falls from full to none as the distance of its centre
// from the nearest polyline runs from half the width − 0.5 to half the width + 0.5. The preview strokes
// its outlines with it: a general path stroker builds and fills an outline of every join, which on a
// dense traced outline costs tens of milliseconds a redraw.
#pragma once

#include "trace/PreviewOutline.h"

#include <cstdint>
#include <vector>

namespace ov {

// Device position of a path point: p · scale + (dx, dy).
struct DeviceMapping {
    double scale = 1;
    double dx = 0;
    double dy = 0;
};

struct CoverageMask {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> alpha;  // row-major, 0 = untouched, 255 = fully covered
    // The pixels with coverage lie in [left, right) × [top, bottom); empty when nothing is covered.
    int left = 0, top = 0, right = 0, bottom = 0;

    uint8_t At(int x, int y) const { return alpha[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
};

// Coverage of a stroke `width` device pixels wide along every polyline (a closed one repeats its start
// at its end), clipped to a maskWidth × maskHeight mask.
CoverageMask StrokeCoverage(const std::vector<PreviewPolyline>& lines, const DeviceMapping& map, double width,
                            int maskWidth, int maskHeight);

}  // namespace ov
