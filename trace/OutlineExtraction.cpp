// OutlineExtraction: list-mode contour search and the debris threshold.
#include "trace/OutlineExtraction.h"

#include "trace/OutlineChains.h"
#include "trace/SmallHoles.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <utility>

namespace ov {

namespace {

double DebrisFraction(int debris)
{
    return std::clamp(debris / 100.0, 0.0, 0.999);
}

bool FrameIsClear(const cv::Mat& mask)
{
    if (mask.type() != CV_8UC1 || mask.rows < 3 || mask.cols < 3) return false;
    return cv::countNonZero(mask.row(0)) + cv::countNonZero(mask.row(mask.rows - 1)) +
               cv::countNonZero(mask.col(0)) + cv::countNonZero(mask.col(mask.cols - 1)) ==
           0;
}

void Skip(OutlineSet& set, size_t count, double bound)
{
    set.smallestSkipped = set.skipped > 0 ? std::min(set.smallestSkipped, bound) : bound;
    set.largestSkipped = set.skipped > 0 ? std::max(set.largestSkipped, bound) : bound;
    set.skipped += count;
}

// Lists, in search order, the outline whose bound is the largest and every outline whose bound is
// above 1% of that one's area: an outline larger than it is among them, so no outline left out can
// reach the threshold of debris 1 or more.
void ListLikelyKept(const OutlineChains& chains, OutlineSet& set)
{
    if (chains.Size() == 0) return;
    size_t widest = 0;
    for (size_t i = 1; i < chains.Size(); ++i) {
        if (chains.AreaBound(i) > chains.AreaBound(widest)) widest = i;
    }
    Outline largest = chains.Reduced(widest);
    const double cut = DebrisFraction(1) * OutlineArea(largest);
    size_t slot = 0;
    for (size_t i = 0; i < chains.Size(); ++i) {
        if (i == widest) {
            slot = set.outlines.size();
            set.outlines.emplace_back();
        } else if (chains.AreaBound(i) > cut) {
            set.outlines.push_back(chains.Reduced(i));
        } else {
            Skip(set, 1, chains.AreaBound(i));
        }
    }
    set.outlines[slot] = std::move(largest);
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

OutlineSet ExtractOutlines(const cv::Mat& mask, bool leaveOutDebris)
{
    OutlineSet set;
    if (!leaveOutDebris || !FrameIsClear(mask)) {
        set.outlines = ExtractContours(mask);
        return set;
    }
    try {
        cv::Mat filled = mask.clone();
        const FilledHoles holes = FillTinyHoles(filled);
        const OutlineChains chains(filled);
        ListLikelyKept(chains, set);
        if (holes.singles > 0) Skip(set, holes.singles, kSinglePixelHoleBound);
        if (holes.pairs > 0) Skip(set, holes.pairs, kTwoPixelHoleBound);
    } catch (const cv::Exception&) {
        set = OutlineSet{ExtractContours(mask)};  // no memory for the copy or the chains: search all
    }
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
