// GlAvailability: whether this process can show an OpenGL view at all. Platforms that compose
// windows without GL (offscreen, minimal, frame buffers, VNC) cannot host a QOpenGLWidget, and a
// display without a GL driver cannot create a compatibility-profile context.
#pragma once

class QSurfaceFormat;

namespace ov {

// The format of the view's context: compatibility profile, double buffer, 16-bit depth, no alpha.
QSurfaceFormat ViewSurfaceFormat();
// Decided once per process: the platform composes GL widgets and a context of the view's format can
// be created and made current.
bool OpenGlViewAvailable();

}  // namespace ov
