// The style lists' pictures rendered at 1x and 2x: the none picture, solid and hatch fills (crisp),
// markers, colour-map bars and line icons.
#include "chart/ColourMap.h"
#include "chart/StylePickers.h"
#include "chart/StylePictures.h"
#include "testhost/ModalDriver.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <set>

using namespace ov;

namespace {

constexpr QRectF kItem(0, 0, 40, 20);

QImage Render(StylePictureKind kind, int index, qreal ratio = 1)
{
    ovtest::EnsureTestApplication();
    QImage image((kItem.size() * ratio).toSize(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    COvStylePicker picker(kind, 60, nullptr);
    QPainter p(&image);
    picker.PaintItem(p, kItem, index);
    return image;
}

bool Near(QRgb a, QRgb b, int tolerance = 3)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

int CountPixels(const QImage& image, const std::function<bool(QRgb)>& test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

}  // namespace

TEST(StylePictures, NonePictureForIndexZeroOfFillMarkerAndColourMap)
{
    const auto red = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; };
    for (StylePictureKind kind :
         {StylePictureKind::Fill, StylePictureKind::Marker, StylePictureKind::ColourMap})
        EXPECT_GT(CountPixels(Render(kind, 0), red), 20);
    EXPECT_EQ(CountPixels(Render(StylePictureKind::Fill, 1), red), 0);
}

TEST(StylePictures, SolidAndHatchFillsAreCrispAtTwiceTheScale)
{
    const QRgb solid = Render(StylePictureKind::Fill, 1).pixel(20, 10);
    EXPECT_TRUE(Near(solid, qRgb(133, 133, 133))) << std::hex << solid;  // 0xc8646464 over white
    for (qreal ratio : {1.0, 2.0}) {
        const QImage image = Render(StylePictureKind::Fill, 2, ratio);  // horizontal hatch
        std::set<QRgb> inside;
        int dark = 0;
        for (int y = int(2 * ratio); y < int(18 * ratio); ++y) {
            const QRgb c = image.pixel(int(20 * ratio), y);
            inside.insert(c);
            dark += qRed(c) < 150 ? 1 : 0;
        }
        EXPECT_EQ(inside.size(), 2u) << ratio;     // two colours, no blended edges
        EXPECT_EQ(dark, 2 * int(ratio)) << ratio;  // one row in every 8, 16 rows looked at
    }
}

TEST(StylePictures, MarkersColourMapsAndLineIcons)
{
    EXPECT_TRUE(Near(Render(StylePictureKind::Marker, 2).pixel(20, 10), qRgb(255, 0, 0)));
    const QImage plus = Render(StylePictureKind::Marker, 8, 2);
    EXPECT_TRUE(Near(plus.pixel(40, 20), qRgb(0, 0, 0), 40));
    EXPECT_TRUE(Near(plus.pixel(30, 10), qRgb(255, 255, 255)));
    const QImage bar = Render(StylePictureKind::ColourMap, 1);
    ColourMap map;
    map.ChooseControlColours(1);
    for (int x : {6, 20, 33})  // the bar spans x = 3 ... 37 and blends like the model
        EXPECT_TRUE(Near(bar.pixel(x, 10), ToArgb(map.ColourOf((x + 0.5 - 3) / 34)), 6)) << x;
    const auto inked = [](QRgb c) { return qGray(c) < 128; };
    EXPECT_GT(CountPixels(Render(StylePictureKind::Line, 0), inked), 10);
}
