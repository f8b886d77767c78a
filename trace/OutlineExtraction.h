// OutlineExtraction: the outlines of a filled mask and the area below which outlines count as debris.
#pragma once

#include <opencv2/core.hpp>

#include <vector>

namespace ov {

using Outline = std::vector<cv::Point>;
using Outlines = std::vector<Outline>;

// Every outline of the mask, outer ones and holes, without hierarchy, reduced with the Teh-Chin
// k-cosine method; coordinates are mask coordinates. Empty for an empty mask.
Outlines ExtractContours(const cv::Mat& mask);

// Unsigned area of a closed outline.
double OutlineArea(const Outline& outline);

// 0 when debris < 1, when there is no outline or when all areas are equal; otherwise
// 0.999·min + f·(max − min) with f = debris / 100 kept within 0-0.999.
double ComputeDebrisThreshold(const Outlines& outlines, int debris);

}  // namespace ov
