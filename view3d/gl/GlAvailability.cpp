// Whether the 3-D view can use OpenGL in this process.
#include "view3d/gl/GlAvailability.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <array>

namespace ov {
namespace {

// Platforms whose windows are composed without GL: a GL widget inside them brings the window down.
bool PlatformComposesGl()
{
    constexpr std::array<const char*, 6> kWithoutGl = {"offscreen", "minimal", "minimalegl",
                                                       "linuxfb",   "vnc",     "vkkhrdisplay"};
    const QString platform = QGuiApplication::platformName();
    for (const char* name : kWithoutGl)
        if (platform == QLatin1String(name)) return false;
    return !platform.isEmpty();
}

bool ContextWorks()
{
    QOpenGLContext context;
    context.setFormat(ViewSurfaceFormat());
    if (!context.create()) return false;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface)) return false;
    context.doneCurrent();
    return true;
}

}  // namespace

QSurfaceFormat ViewSurfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setDepthBufferSize(16);
    format.setAlphaBufferSize(0);
    format.setStencilBufferSize(0);
    return format;
}

bool OpenGlViewAvailable()
{
    if (!qGuiApp) return false;
    static const bool available = PlatformComposesGl() && ContextWorks();
    return available;
}

}  // namespace ov
