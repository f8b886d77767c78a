// UiScale: the logical DPI read from a paint device or the primary screen.
#include "framework/ui/UiScale.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

namespace ov {

double UiScaleOf(const QPaintDevice& device)
{
    return UiScaleForDpi(device.logicalDpiX());
}

double PrimaryScreenUiScale()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? UiScaleForDpi(screen->logicalDotsPerInchX()) : 1.0;
}

}  // namespace ov
