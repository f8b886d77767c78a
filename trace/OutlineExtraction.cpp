// OutlineExtraction: list-mode contour search and the debris threshold.
#include "trace/OutlineExtraction.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

namespace ov {

Outlines ExtractContours(const cv::Mat& mask)
{
    Outlines outlines;
    if (mask.empty()) return outlines;
    try {
        cv::findContours(mask, outlines, cv::RETR_LIST, cv::CHAIN_APPROX_TC89_KCOS);
    } catch (const cv::Exception&) {
        outlines.clear();
    }
    return outlines;
}

double OutlineArea(const Outline& outline)
{
    return outline.empty() ? 0.0 : cv::contourArea(outline, false);
}

double ComputeDebrisThreshold(const Outlines& outlines, int debris)
{
    if (debris < 1 || outlines.empty()) return 0.0;
    double low = OutlineArea(outlines.front());
    double high = low;
    for (const Outline& outline : outlines) {
        const double area = OutlineArea(outline);
        low = std::min(low, area);
        high = std::max(high, area);
    }
    if (low == high) return 0.0;
    const double f = std::clamp(debris / 100.0, 0.0, 0.999);
    return 0.999 * low + f * (high - low);
}

}  // namespace ov
