// FloodFillMask: the region of the source image around the seed, as a bordered one-channel mask.
#pragma once

#include <opencv2/core.hpp>

namespace ov {

// Mask of a source image: (width + 2) × (height + 2), 8-bit, one channel; empty for an empty image.
cv::Mat MakeMask(const cv::Mat& source);

// Clears the mask, then sets to 255 every pixel 8-connected to the seed whose three channels each
// differ from the seed pixel's by at most `permeability`. Mask pixel (x + 1, y + 1) stands for source
// pixel (x, y); the one-pixel frame stays 0. A seed outside [0, width) × [0, height) (or NaN)
// leaves the mask empty; the seed is truncated towards zero. The source is not changed.
void FloodFillMask(const cv::Mat& source, cv::Mat& mask, float seedX, float seedY, int permeability);

}  // namespace ov
