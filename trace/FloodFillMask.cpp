// FloodFillMask: fixed-range, 8-connected flood fill that writes only the mask.
#include "trace/FloodFillMask.h"

#include <opencv2/imgproc.hpp>

namespace ov {
namespace {

// The fill marks the mask frame with 1s; outline extraction must see that frame as background.
void ClearFrame(cv::Mat& mask)
{
    mask.row(0).setTo(0);
    mask.row(mask.rows - 1).setTo(0);
    mask.col(0).setTo(0);
    mask.col(mask.cols - 1).setTo(0);
}

}  // namespace

cv::Mat MakeMask(const cv::Mat& source)
{
    if (source.empty()) return {};
    try {
        return cv::Mat(source.rows + 2, source.cols + 2, CV_8UC1, cv::Scalar(0));
    } catch (const cv::Exception&) {
        return {};  // out of memory: no mask, no outline
    }
}

void FloodFillMask(const cv::Mat& source, cv::Mat& mask, float seedX, float seedY, int permeability)
{
    if (source.empty() || mask.empty()) return;
    mask.setTo(0);
    const bool inside = seedX >= 0 && seedX < static_cast<float>(source.cols) && seedY >= 0 &&
                        seedY < static_cast<float>(source.rows);
    if (!inside || source.type() != CV_8UC3 || mask.rows != source.rows + 2 || mask.cols != source.cols + 2) {
        return;
    }
    const cv::Point seed(static_cast<int>(seedX), static_cast<int>(seedY));
    const cv::Scalar range = cv::Scalar::all(permeability);
    const int flags = 8 | cv::FLOODFILL_FIXED_RANGE | cv::FLOODFILL_MASK_ONLY | (255 << 8);
    // Mask-only fills leave the image alone, so the fill value is never used; the header copy only
    // satisfies the output parameter.
    cv::Mat image = source;
    try {
        cv::floodFill(image, mask, seed, cv::Scalar(), nullptr, range, range, flags);
    } catch (const cv::Exception&) {
        mask.setTo(0);
        return;
    }
    ClearFrame(mask);
}

}  // namespace ov
