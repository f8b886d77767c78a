// OutlineChains: the outlines of a mask as Freeman chains, each reduced to its Teh-Chin k-cosine
// outline only when asked, with a bound on that outline's area read from the chain alone. A noisy
// photo leaves 10^4 or more outlines that the debris threshold drops; the bound lets the contour stage
// skip reducing and copying them.
#pragma once

#include "trace/OutlineExtraction.h"

#include <opencv2/core.hpp>

#include <cstddef>
#include <memory>
#include <vector>

struct CvMemStorage;
struct CvSeq;

namespace ov {

class OutlineChains {
public:
    // Searches every outline (list mode) of an 8-bit one-channel image whose one-pixel frame is 0.
    // The search overwrites the image. Throws cv::Exception when the search fails.
    explicit OutlineChains(cv::Mat& image);

    size_t Size() const { return chains_.size(); }
    // Strictly above the area of Reduced(i): half the width times the vertical travel of the chain,
    // or half the height times its horizontal travel, whichever is less, plus one.
    double AreaBound(size_t i) const { return bounds_[i]; }
    // The outline cv::findContours gives for chain i with the k-cosine reduction, in mask coordinates.
    Outline Reduced(size_t i) const;

private:
    struct ReleaseStorage {
        void operator()(CvMemStorage* storage) const;
    };

    std::unique_ptr<CvMemStorage, ReleaseStorage> storage_;
    std::vector<CvSeq*> chains_;  // list order, owned by storage_
    std::vector<double> bounds_;
};

}  // namespace ov
