// The 53 hatch styles of the fill list (fill indexes 2 ... 54) as 8 × 8 one-bit patterns in their
// published order, and the fill-list index ranges (none, solid, hatches, gradients).
#pragma once

#include <array>
#include <cstdint>

namespace ov {

constexpr int kHatchStyleCount = 53;
constexpr int kFillStyleCount = 60;
constexpr int kFirstHatchFill = 2;  // fill index of hatch style 0
constexpr int kFirstGradientFill = 55;

// Names of the styles, in order: Horizontal, Vertical, ForwardDiagonal ... SolidDiamond.
enum HatchStyle : int {
    kHatchHorizontal,
    kHatchVertical,
    kHatchForwardDiagonal,
    kHatchBackwardDiagonal,
    kHatchCross,
    kHatchDiagonalCross,
    kHatch05Percent,
    kHatch10Percent,
    kHatch20Percent,
    kHatch25Percent,
    kHatch30Percent,
    kHatch40Percent,
    kHatch50Percent,
    kHatch60Percent,
    kHatch70Percent,
    kHatch75Percent,
    kHatch80Percent,
    kHatch90Percent,
    kHatchLightDownwardDiagonal,
    kHatchLightUpwardDiagonal,
    kHatchDarkDownwardDiagonal,
    kHatchDarkUpwardDiagonal,
    kHatchWideDownwardDiagonal,
    kHatchWideUpwardDiagonal,
    kHatchLightVertical,
    kHatchLightHorizontal,
    kHatchNarrowVertical,
    kHatchNarrowHorizontal,
    kHatchDarkVertical,
    kHatchDarkHorizontal,
    kHatchDashedDownwardDiagonal,
    kHatchDashedUpwardDiagonal,
    kHatchDashedHorizontal,
    kHatchDashedVertical,
    kHatchSmallConfetti,
    kHatchLargeConfetti,
    kHatchZigZag,
    kHatchWave,
    kHatchDiagonalBrick,
    kHatchHorizontalBrick,
    kHatchWeave,
    kHatchPlaid,
    kHatchDivot,
    kHatchDottedGrid,
    kHatchDottedDiamond,
    kHatchShingle,
    kHatchTrellis,
    kHatchSphere,
    kHatchSmallGrid,
    kHatchSmallCheckerBoard,
    kHatchLargeCheckerBoard,
    kHatchOutlinedDiamond,
    kHatchSolidDiamond
};

// Eight rows, top first; bit 7 of a row is its leftmost pixel. An unknown style gives an empty
// pattern.
const std::array<uint8_t, 8>& HatchPattern(int style);
// Whether pixel (x, y) of the tiled pattern is drawn in the foreground colour.
bool HatchBit(int style, int x, int y);

}  // namespace ov
