// The preview picture: key points marked as the painter's own antialiased squares would mark them, at
// whole and fractional device ratios, also where squares overlap or leave the picture; the hatch
// layer painted on another thread gives the pixels of hatching in place.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "trace/PreviewHatch.h"
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

// A grey ramp, so that the hatch's antialiased edge blends with something other than white.
QImage Ramp(int width, int height, double ratio)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x % 256, (x + y) % 256, 90));
    image.setDevicePixelRatio(ratio);
    return image;
}

TEST(PreviewPaint, TheHatchLayerGivesThePixelsOfHatchingInPlace)
{
    QPainterPath outline;
    outline.addEllipse(QPointF(60, 50), 40, 31.3);
    outline.addRect(QRectF(45.5, 40.2, 20, 13));  // a hole under the odd-even rule
    const PreviewView view{0.83, 7.4, -2.9};
    for (const double ratio : {1.0, 2.0, 1.5}) {
        const int width = static_cast<int>(110 * ratio), height = static_cast<int>(90 * ratio);
        QImage inPlace = Ramp(width, height, ratio);
        {
            QPainter painter(&inPlace);
            PaintHatch(painter, outline, view);
        }
        QImage layered = Ramp(width, height, ratio);
        std::future<QImage> layer = StartHatchLayer(outline, view, layered);
        ASSERT_TRUE(layer.valid());
        {
            QPainter painter(&layered);
            painter.drawImage(QPointF(0, 0), layer.get());
        }
        EXPECT_NE(inPlace, Ramp(width, height, ratio)) << ratio;
        // Blending through the layer rounds twice: a level apart on a few antialiased edge pixels.
        int worst = 0, differing = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const QRgb a = layered.pixel(x, y), b = inPlace.pixel(x, y);
                const int apart = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                            std::abs(qBlue(a) - qBlue(b))});
                worst = std::max(worst, apart);
                differing += apart > 0;
            }
        }
        EXPECT_LE(worst, 1) << ratio;
        EXPECT_LT(differing, width * height / 200) << ratio;
    }
}

}  // namespace
