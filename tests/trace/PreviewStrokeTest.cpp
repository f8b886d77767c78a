// The preview's outline stroke drawn through StrokeCoverage against Qt's own round-joined stroke of
// the same polylines: the same pixels darkened, to within antialiasing.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <random>

#include "trace/PreviewOutline.h"
#include "trace/StrokeCoverage.h"

using namespace ov;

namespace {

constexpr int kSize = 120;

// A closed zigzag with sharp and blunt corners and a noisy closed ring, in path units.
std::vector<PreviewPolyline> Outlines()
{
    PreviewPolyline zigzag{{{10, 10}, {60, 14}, {20, 30}, {70, 50}, {15, 60}, {10, 10}}, true};
    PreviewPolyline ring{{}, true};
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> wobble(-1.5f, 1.5f);
    for (int i = 0; i < 90; ++i) {
        const double a = i * 2 * M_PI / 90;
        ring.points.push_back(
            {float(80 + 25 * std::cos(a)) + wobble(rng), float(80 + 25 * std::sin(a)) + wobble(rng)});
    }
    ring.points.push_back(ring.points.front());
    return {zigzag, ring};
}

QImage QtStroke(const std::vector<PreviewPolyline>& lines, const DeviceMapping& map)
{
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainterPath path;
    for (const PreviewPolyline& line : lines) {
        path.moveTo(line.points.front().x, line.points.front().y);
        for (const OvPointF& p : line.points) path.lineTo(p.x, p.y);
        if (line.closed) path.closeSubpath();
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(map.dx, map.dy);
    painter.scale(map.scale, map.scale);
    QPen pen(Qt::black, 3 / map.scale);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.strokePath(path, pen);
    return image;
}

// Qt's rasterizer adds up partial coverage where the stroke overlaps itself (inside joins, the noisy
// ring), so it is darker there; the distance ramp is a little darker on the outside of round joins.
TEST(PreviewStroke, DarkensWhatQtsRoundJoinedStrokeDarkens)
{
    const auto lines = Outlines();
    for (const DeviceMapping map : {DeviceMapping{1, 0, 0}, DeviceMapping{0.7, 9.3, 4.6}}) {
        const QImage qt = QtStroke(lines, map);
        const CoverageMask ours = StrokeCoverage(lines, map, 3, kSize, kSize);
        double inkOurs = 0, inkQt = 0;
        int inked = 0, apart = 0;
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const int theirs = 255 - qGray(qt.pixel(x, y));
                EXPECT_LE(ours.At(x, y), theirs + 48) << x << ", " << y << " at scale " << map.scale;
                inkOurs += ours.At(x, y), inkQt += theirs;
                inked += theirs > 128;
                apart += std::abs(ours.At(x, y) - theirs) > 64;
            }
        }
        EXPECT_GT(inked, 800);
        EXPECT_NEAR(inkOurs / inkQt, 1.0, 0.03) << map.scale;
        EXPECT_LT(apart, inked / 25) << map.scale;
    }
}

}  // namespace
