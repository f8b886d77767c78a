// The preview picture: key points marked as the painter's own antialiased squares would mark them, at
// whole and fractional device ratios, also where squares overlap or leave the picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <vector>

#include "trace/PreviewView.h"
#include "trace/TracePreview.h"

using namespace ov;

namespace {

QImage Painted(const PathObject& figure, const std::vector<OvPointF>& keys, bool showKeys, double ratio)
{
    QImage target(static_cast<int>(std::ceil(150 * ratio)), static_cast<int>(std::ceil(120 * ratio)),
                  QImage::Format_RGB32);
    target.setDevicePixelRatio(ratio);
    PaintTracePreview(target, {nullptr, &figure, &keys, showKeys, 1.25});
    return target;
}

TEST(PreviewPaint, KeyPointsAreThePaintersSquares)
{
    PathObject figure;
    const std::vector<OvPointF> ring = {{10, 10}, {90, 12}, {70, 60}, {15, 50}};
    ASSERT_TRUE(figure.AddPolygon(ring));
    // Corners, an overlapping pair, and points whose squares leave the picture on every side.
    std::vector<OvPointF> keys = ring;
    keys.insert(keys.end(), {{40.2f, 30.7f}, {40.9f, 31.1f}, {-30, 20}, {200, 20}, {50, -25}, {50, 140}});
    for (const double ratio : {1.0, 2.0, 1.5}) {
        QImage expected = Painted(figure, keys, false, ratio);
        const Box box = figure.WorldBounds();
        const PreviewView view = FitPreview(box, 150, 120);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        const double half = std::round(4 * 1.25);
        for (const OvPointF& p : keys) {
            const double x = std::round(view.scale * p.x + view.dx),
                         y = std::round(view.scale * p.y + view.dy);
            painter.fillRect(QRectF(x - half, y - half, 2 * half, 2 * half), QColor(200, 0, 0));
        }
        painter.end();
        const QImage marked = Painted(figure, keys, true, ratio);
        EXPECT_NE(marked, Painted(figure, keys, false, ratio)) << ratio;
        EXPECT_EQ(marked, expected) << ratio;
    }
}

}  // namespace
