// OutlineExtraction: list-mode contour search and the debris threshold.
#include "trace/OutlineExtraction.h"

#include "trace/SmallHoles.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

namespace ov {

namespace {

double DebrisFraction(int debris)
{
    return std::clamp(debris / 100.0, 0.0, 0.999);
}

}  // namespace

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

OutlineSet ExtractOutlines(const cv::Mat& mask, bool leaveOutTinyHoles)
{
    OutlineSet set;
    if (!leaveOutTinyHoles) {
        set.outlines = ExtractContours(mask);
        return set;
    }
    cv::Mat filled;
    try {
        filled = mask.clone();
    } catch (const cv::Exception&) {
        set.outlines = ExtractContours(mask);  // no memory for the copy: search every hole
        return set;
    }
    const FilledHoles holes = FillTinyHoles(filled);
    set.outlines = ExtractContours(filled);
    set.skipped = holes.singles + holes.pairs;
    set.smallestSkipped = holes.singles > 0 ? kSinglePixelHoleBound : kTwoPixelHoleBound;
    set.largestSkipped = holes.pairs > 0 ? kTwoPixelHoleBound : kSinglePixelHoleBound;
    return set;
}

std::optional<double> DebrisThresholdOf(const OutlineSet& set, int debris)
{
    if (set.skipped == 0) return ComputeDebrisThreshold(set.outlines, debris);
    if (debris < 1 || set.outlines.empty()) return std::nullopt;
    double low = OutlineArea(set.outlines.front()), high = low;
    for (const Outline& outline : set.outlines) {
        const double area = OutlineArea(outline);
        low = std::min(low, area);
        high = std::max(high, area);
    }
    // Every left-out area lies in [0, largestSkipped), so it is below the largest listed one when
    // largestSkipped <= f·high, and the smallest of all lies in [0, min(low, smallestSkipped)).
    const double f = DebrisFraction(debris);
    if (!(set.largestSkipped <= f * high)) return std::nullopt;
    const double lowest = f * high, highest = f * high + (0.999 - f) * std::min(low, set.smallestSkipped);
    for (const Outline& outline : set.outlines) {
        const double area = OutlineArea(outline);
        if (area >= lowest && area < highest) return std::nullopt;
    }
    return highest;
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
    return 0.999 * low + DebrisFraction(debris) * (high - low);
}

}  // namespace ov
