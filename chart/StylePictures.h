// The pictures of the style lists: the none picture, line styles (icons "LT/01" ... "LT/09"), the 60
// fill styles, the 11 markers and the colour-map bars. Shapes are anti-aliased; hatch tiles keep
// whole pixels so they stay crisp at any device pixel ratio.
#pragma once

#include <QColor>
#include <QRectF>

#include <cstdint>

class QPainter;

namespace ov {

// Preview colours of the fill list: foreground, background, third gradient colour.
constexpr uint32_t kFillPreview0 = 0xc8646464u;
constexpr uint32_t kFillPreview1 = 0xc8c8c8c8u;
constexpr uint32_t kFillPreview2 = 0xc8ffffffu;
constexpr uint32_t kNoneRed = 0xffff0000u;
constexpr uint32_t kColourMapOutline = 0xee000000u;

QColor FromArgb(uint32_t argb);

// A red circle of diameter 10 about the centre with a stroke from (+4, -4) to (-4, +4).
void PaintNonePicture(QPainter& painter, QPointF centre);
void PaintLinePicture(QPainter& painter, const QRectF& item, int index);
// A square of side item height - 2 centred in the item.
void PaintFillPicture(QPainter& painter, const QRectF& item, int index);
void PaintMarkerPicture(QPainter& painter, const QRectF& item, int index, QColor fill = QColor(255, 0, 0));
void PaintColourMapPicture(QPainter& painter, const QRectF& item, int index);

}  // namespace ov
