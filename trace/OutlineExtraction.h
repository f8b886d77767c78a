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

// The outlines of a mask, possibly without holes too small to pass the debris threshold.
struct OutlineSet {
    Outlines outlines;
    size_t skipped = 0;          // holes left out
    double smallestSkipped = 0;  // the least and the greatest area bound of those holes (SmallHoles.h)
    double largestSkipped = 0;
};

// ExtractContours, but with `leaveOutTinyHoles` the one- and two-pixel holes are filled first (on a
// copy) and left out; the other outlines are those of the full search, in the same order.
OutlineSet ExtractOutlines(const cv::Mat& mask, bool leaveOutTinyHoles);

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
