// The preview's outline stroke through StrokeCoverage against Qt's own round-joined stroke of the same
// polylines: the same pixels darkened, to within antialiasing.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "trace/StrokeCoverage.h"

using namespace ov;

namespace {

// Qt's rasterizer adds up partial coverage where a stroke overlaps itself (inside joins, the wobbly
// ring), so it is darker there; the distance ramp is a little darker outside round joins.
TEST(PreviewStroke, DarkensWhatQtsRoundJoinedStrokeDarkens)
{
    PreviewPolyline ring{{}, true};
    for (int i = 0; i <= 90; ++i) {
        const double a = i % 90 * 2 * M_PI / 90, r = 25 + 1.5 * std::sin(i * 2.7);
        ring.points.push_back({float(80 + r * std::cos(a)), float(80 + r * std::sin(a))});
    }
    const std::vector<PreviewPolyline> lines{
        {{{10, 10}, {60, 14}, {20, 30}, {70, 50}, {15, 60}, {10, 10}}, true}, ring};
    QPainterPath path;
    for (const PreviewPolyline& line : lines) {
        path.moveTo(line.points.front().x, line.points.front().y);
        for (const OvPointF& p : line.points) path.lineTo(p.x, p.y);
        path.closeSubpath();
    }
    for (const DeviceMapping map : {DeviceMapping{1, 0, 0}, DeviceMapping{0.7, 9.3, 4.6}}) {
        QImage qt(120, 120, QImage::Format_RGB32);
        qt.fill(Qt::white);
        QPainter painter(&qt);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(QTransform(map.scale, 0, 0, map.scale, map.dx, map.dy));
        QPen pen(Qt::black, 3 / map.scale);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.strokePath(path, pen);
        painter.end();
        const CoverageMask ours = StrokeCoverage(lines, map, 3, qt.width(), qt.height());
        double inkOurs = 0, inkQt = 0;
        int inked = 0, apart = 0;
        for (int y = 0; y < qt.height(); ++y) {
            for (int x = 0; x < qt.width(); ++x) {
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
