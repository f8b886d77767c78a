// OutlineChains: the list-mode search through OpenCV's C interface, which hands out the chains the
// k-cosine reduction starts from, and the area bound of a chain. The C++ search reduces every chain
// as it finds it and copies each outline into a vector; here only the chains asked for are reduced,
// by the same routine, so their points are those of the C++ search.
#include "trace/OutlineChains.h"

#include <opencv2/imgproc/imgproc_c.h>

#include <algorithm>
#include <array>

namespace ov {

namespace {

constexpr std::array<int, 8> kStepX = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr std::array<int, 8> kStepY = {0, -1, -1, -1, 0, 1, 1, 1};

// Extent and travel of a chain walked from (0, 0).
struct ChainTravel {
    int x = 0, y = 0, minX = 0, maxX = 0, minY = 0, maxY = 0;
    double travelX = 0, travelY = 0;

    void Walk(const signed char* codes, size_t count)
    {
        for (size_t i = 0; i < count; ++i) {
            const auto code = static_cast<size_t>(codes[i] & 7);
            x += kStepX[code];
            y += kStepY[code];
            travelX += kStepX[code] != 0;
            travelY += kStepY[code] != 0;
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    }

    // The area of a closed polygon is the integral of (x − c) dy along it for any c; with c the middle
    // of the extent each piece adds at most half the width times its vertical travel. A polygon
    // through a subset of the chain's points travels no further than the chain.
    double Bound() const
    {
        const double byRows = (maxX - minX) * travelY, byColumns = (maxY - minY) * travelX;
        return std::min(byRows, byColumns) / 2 + 1;
    }
};

}  // namespace

void OutlineChains::ReleaseStorage::operator()(CvMemStorage* storage) const
{
    cvReleaseMemStorage(&storage);
}

OutlineChains::OutlineChains(cv::Mat& image) : storage_(cvCreateMemStorage(0))
{
    CvMat header = cvMat(image);
    CvSeq* first = nullptr;
    cvFindContours(&header, storage_.get(), &first, sizeof(CvChain), CV_RETR_LIST, CV_CHAIN_CODE);
    for (CvSeq* chain = first; chain; chain = chain->h_next) {
        ChainTravel travel;
        if (CvSeqBlock* block = chain->first) {
            do {
                travel.Walk(reinterpret_cast<const signed char*>(block->data),
                            static_cast<size_t>(block->count));
                block = block->next;
            } while (block != chain->first);
        }
        chains_.push_back(chain);
        bounds_.push_back(travel.Bound());
    }
}

Outline OutlineChains::Reduced(size_t i) const
{
    const CvSeq* reduced = cvApproxChains(chains_[i], storage_.get(), CV_CHAIN_APPROX_TC89_KCOS, 0, 0, 0);
    Outline outline(reduced ? static_cast<size_t>(reduced->total) : 0);
    if (!outline.empty()) cvCvtSeqToArray(reduced, outline.data(), CV_WHOLE_SEQ);
    return outline;
}

}  // namespace ov
