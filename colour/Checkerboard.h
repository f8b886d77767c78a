// Checkerboard: the light and dark squares drawn under transparent colours, so that alpha shows.
#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>

class QPainter;

namespace ov {

constexpr uint32_t kCheckerLight = 0xFFFFFFFFu;
constexpr uint32_t kCheckerDark = 0xFFC8C8C8u;

// An image of size `size` of squares of `cell` pixels; the top-left square is light.
QImage MakeCheckerboard(QSize size, int cell);

// The checkerboard tile stored under `relativePath` beside the host program, or a generated one.
QImage CheckerboardTile(const char* relativePath);

// Fills rect with the tile and paints the ARGB colour over it with its alpha.
void PaintColourOverCheckerboard(QPainter& painter, const QRect& rect, uint32_t argb, const QImage& tile);

}  // namespace ov
