// PreviewHatch: the hatch of the traced figures in the Flood Fill Tool preview (green lines on white
// inside the figures), painted in place or on a transparent layer by another thread: filling a dense
// outline with antialiasing is the preview's largest cost, and the layer drawn over the picture gives
// the same pixels.
#pragma once

#include "trace/PreviewView.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <future>

namespace ov {

// Hatches the outline (mask coordinates, which lie one unit right and down of the bitmap's) under
// the view; the painter's transform and state are left changed.
void PaintHatch(QPainter& painter, const QPainterPath& outline, const PreviewView& view);

// The hatch alone on a transparent layer of `pixels` device pixels at the device ratio; null when
// there is no memory for it.
QImage HatchLayer(const QPainterPath& outline, const PreviewView& view, QSize pixels, double ratio);

// HatchLayer for the device, started on another thread; an invalid future when no thread can start
// (the caller then paints the hatch in place).
// The outline must outlive the future.
std::future<QImage> StartHatchLayer(const QPainterPath& outline, const PreviewView& view,
                                    const QPaintDevice& device);

}  // namespace ov
