// OutlineExtraction: the outlines of a filled mask and the area below which outlines count as debris.
#pragma once

#include <opencv2/core.hpp>

#include <cstddef>
#include <optional>
#include <vector>

namespace ov {

using Outline = std::vector<cv::Point>;
using Outlines = std::vector<Outline>;

// Every outline of the mask, outer ones and holes, without hierarchy, reduced with the Teh-Chin
// k-cosine method; coordinates are mask coordinates. Empty for an empty mask.
Outlines ExtractContours(const cv::Mat& mask);

// The outlines of a mask, possibly without outlines too small to pass the debris threshold.
struct OutlineSet {
    Outlines outlines;
    size_t skipped = 0;          // outlines left out
    double smallestSkipped = 0;  // the least and the greatest bound of their areas: every area left
    double largestSkipped = 0;   // out is below its bound
};

// ExtractContours, but with `leaveOutDebris` (debris 1 or more) the search leaves out the one- and
// two-pixel holes (filled first, on a copy) and every outline whose area is bound to stay below 1% of
// the largest one's (see OutlineChains), so that no debris setting of 1 or more could keep it. The
// listed outlines are those of the full search, in the same order. The mask's frame must be 0 for
// that; otherwise every outline is searched.
OutlineSet ExtractOutlines(const cv::Mat& mask, bool leaveOutDebris);

// ComputeDebrisThreshold for the full search, when the set decides it: a threshold that keeps exactly
// the listed outlines the full search would keep, and drops every outline left out. Nothing when the
// left-out holes could matter (one may not be below the threshold, or the smallest area could move
// the threshold across a listed outline); then the full search is needed.
std::optional<double> DebrisThresholdOf(const OutlineSet& set, int debris);

// Unsigned area of a closed outline.
double OutlineArea(const Outline& outline);

// 0 when debris < 1, when there is no outline or when all areas are equal; otherwise
// 0.999·min + f·(max − min) with f = debris / 100 kept within 0-0.999.
double ComputeDebrisThreshold(const Outlines& outlines, int debris);

}  // namespace ov
