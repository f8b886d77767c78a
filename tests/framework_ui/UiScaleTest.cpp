// The UI scale of painted controls: the logical DPI over 96, kept between 1 and 2, read from the
// paint device itself.
#include "framework/ui/UiScale.h"

#include <gtest/gtest.h>

#include <QImage>

#include <utility>

namespace ov {
namespace {

TEST(UiScale, FollowsTheDeviceDpiBetweenOneAndTwo)
{
    const std::pair<int, double> cases[] = {{72, 1.0},  {96, 1.0},  {120, 1.25},
                                            {144, 1.5}, {192, 2.0}, {288, 2.0}};
    for (const auto& [dpi, scale] : cases) {
        QImage device(1, 1, QImage::Format_RGB32);
        device.setDotsPerMeterX(qRound(dpi / 0.0254));
        ASSERT_EQ(device.logicalDpiX(), dpi);
        EXPECT_DOUBLE_EQ(UiScaleOf(device), scale) << dpi;
    }
}

}  // namespace
}  // namespace ov
