// The preview picture: key points marked as the painter's own antialiased squares, at whole and
// fractional device ratios, where squares overlap or leave the picture; the hatch layer painted on
// another thread against hatching in place.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <opencv2/core.hpp>

#include <cmath>
#include <vector>

#include "trace/PreviewHatch.h"
#include "trace/TracePreview.h"

using namespace ov;

namespace {

QImage Painted(const PathObject& figure, const std::vector<OvPointF>& keys, bool showKeys, double ratio)
{
    QImage target(static_cast<int>(150 * ratio), static_cast<int>(120 * ratio), QImage::Format_RGB32);
    target.setDevicePixelRatio(ratio);
    PaintTracePreview(target, {nullptr, &figure, &keys, showKeys, 1.25});
    return target;
}

TEST(PreviewPaint, KeyPointsAreThePaintersSquares)
{
    PathObject figure;
    const std::vector<OvPointF> ring = {{10, 10}, {90, 12}, {70, 60}, {15, 50}};
    ASSERT_TRUE(figure.AddPolygon(ring));
    std::vector<OvPointF> keys = ring;  // and an overlapping pair, and squares off every side
    keys.insert(keys.end(), {{40.2f, 30.7f}, {40.9f, 31.1f}, {-30, 20}, {200, 20}, {50, -25}, {50, 140}});
    const PreviewView view = FitPreview(figure.WorldBounds(), 150, 120);
    for (const double ratio : {1.0, 2.0, 1.5}) {
        QImage expected = Painted(figure, keys, false, ratio);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const OvPointF& p : keys) {
            const double x = std::round(view.scale * p.x + view.dx),
                         y = std::round(view.scale * p.y + view.dy);
            painter.fillRect(QRectF(x - 5, y - 5, 10, 10), QColor(200, 0, 0));  // half a side: 4 × 1.25
        }
        painter.end();
        EXPECT_EQ(Painted(figure, keys, true, ratio), expected) << ratio;
    }
}

TEST(PreviewPaint, TheHatchLayerGivesThePixelsOfHatchingInPlace)
{
    QPainterPath outline;
    outline.addEllipse(QPointF(60, 50), 40, 31.3);
    outline.addRect(QRectF(45.5, 40.2, 20, 13));  // a hole under the odd-even rule
    for (const double ratio : {1.0, 2.0, 1.5}) {
        QImage inPlace(static_cast<int>(110 * ratio), static_cast<int>(90 * ratio), QImage::Format_RGB32);
        inPlace.fill(QColor(90, 140, 200));
        inPlace.setDevicePixelRatio(ratio);
        QImage layered = inPlace, before = inPlace;
        const PreviewView view{0.83, 7.4, -2.9};
        std::future<QImage> layer = StartHatchLayer(outline, view, layered);
        ASSERT_TRUE(layer.valid());
        QPainter painter(&inPlace);
        PaintHatch(painter, outline, view);
        painter.end();
        QPainter(&layered).drawImage(QPointF(0, 0), layer.get());
        EXPECT_NE(inPlace, before) << ratio;
        // Blending through the layer rounds twice: a level apart on a few antialiased edge pixels.
        const auto bytes = [](QImage& i) { return cv::Mat(i.height(), i.bytesPerLine(), CV_8UC1, i.bits()); };
        EXPECT_LE(cv::norm(bytes(layered), bytes(inPlace), cv::NORM_INF), 1) << ratio;
        // Each byte is at most one apart, so the sum is how many differ.
        EXPECT_LT(cv::norm(bytes(layered), bytes(inPlace), cv::NORM_L1), layered.sizeInBytes() / 200.0);
    }
}

}  // namespace
