// SmallHoles: fills the one- and two-pixel holes of a traced region, so the contour search need not
// follow them (a photo's noise leaves 10^5 specks, most of them this small, that the debris
// threshold drops anyway).
#pragma once

#include <opencv2/core.hpp>

#include <cstddef>

namespace ov {

// Area bounds of the outline of a one-pixel hole and of a two-pixel one: the outline runs through
// region pixels next to the hole, so it lies in the hole's box widened by one pixel on every side.
inline constexpr double kSinglePixelHoleBound = 4;
inline constexpr double kTwoPixelHoleBound = 6;

struct FilledHoles {
    size_t singles = 0;  // one-pixel holes filled
    size_t pairs = 0;    // two-pixel holes filled
};

// Fills, in a 0/non-zero mask, every background pixel whose four neighbours are region pixels and
// every horizontal or vertical pair of background pixels whose six neighbours are; the outer frame
// is never filled. Each such pixel or pair is a whole hole (holes are 4-connected background).
// Filling a whole hole changes no other outline: following any other border, the search around a
// border pixel meets a region pixel before it could reach a pixel of the hole (neighbours next to
// each other on the ring are 4-adjacent).
FilledHoles FillTinyHoles(cv::Mat& mask);

}  // namespace ov
