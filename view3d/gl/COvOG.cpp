// The OpenGL 3-D view: context set-up, the model's display list, frames, read-back and mouse input.
#include "view3d/gl/COvOG.h"

#include "framework/ui/GuardedHandler.h"
#include "view3d/DrawPasses.h"
#include "view3d/ModelProjection.h"
#include "view3d/ModelRebuild.h"
#include "view3d/ReferencePoints.h"
#include "view3d/ViewState.h"
#include "view3d/gl/GlAvailability.h"
#include "view3d/gl/ViewMessage.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace ov {
namespace {

constexpr float kWallGrey = 0.5f;

QFont MakeLabelFont()
{
    QFont font(QStringLiteral("Consolas"), 16, QFont::Normal);
    if (QFontInfo(font).family().startsWith(QStringLiteral("Consolas"), Qt::CaseInsensitive)) return font;
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(16);
    return font;
}

// The fixed-function state the frames rely on.
void SetUpContextState()
{
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void DrawPrimitive(const Primitive& p)
{
    glColor3f(p.colour[0], p.colour[1], p.colour[2]);
    glBegin(p.quad ? GL_QUADS : GL_LINES);
    const int count = p.quad ? 4 : 2;
    for (int k = 0; k < count; ++k) {
        const OvPoint3F& v = p.points[static_cast<std::size_t>(k)];
        glVertex3f(v.x, v.y, v.z);
    }
    glEnd();
}

// One pass of the model: fill passes push the polygons back so the outlines of a later pass stay on top.
void DrawPassOf(Host3DObject& model, const DrawPass& pass)
{
    std::copy(pass.colour.begin(), pass.colour.end(), model.pass_colour);
    if (pass.filled) {
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glPolygonOffset(1.0f, 1.0f);
    } else {
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        glLineWidth(pass.lineWidth);
    }
    WalkPass(model.items, pass, DrawPrimitive);
    if (pass.filled) glDisable(GL_POLYGON_OFFSET_FILL);
}

std::unique_ptr<ViewState> MakeState(const ChartRecord* record)
{
    if (record) return std::make_unique<ViewState>(record->style_3d, record->view_state_3d);
    float rotation[9];
    std::copy(kDefaultRotation.begin(), kDefaultRotation.end(), rotation);
    return std::make_unique<ViewState>(0, rotation);
}

}  // namespace

COvOG::COvOG(QWidget* parent, Host3DObject* model, ChartRecord* record)
    : QOpenGLWidget(OpenGlViewAvailable() ? parent : nullptr),
      model_(model),
      record_(record),
      state_(MakeState(record)),
      frame_(std::make_unique<ViewFrame>()),
      labelFont_(MakeLabelFont()),
      hasContext_(OpenGlViewAvailable())
{
    setObjectName(QStringLiteral("view3d"));
    setFormat(ViewSurfaceFormat());
    setFocusPolicy(Qt::ClickFocus);
    if (hasContext_) return;
    // Without GL the view must stay out of the window: a GL widget there brings the window down.
    if (parent) {
        message_ = new ViewMessage(parent);
        message_->Keep(std::unique_ptr<QWidget>(this));
    }
    if (model_ && record_) RebuildModel(*record_, *model_);
    ProjectWithoutContext();
}

COvOG::~COvOG()
{
    if (message_ && message_->Forget()) delete message_.data();
    if (!initialized_ || !context()) return;
    makeCurrent();
    if (list_) glDeleteLists(list_, 1);
    doneCurrent();
}

bool COvOG::HasContext() const
{
    return hasContext_;
}

QWidget* COvOG::MessageWidget() const
{
    return message_.data();
}

bool COvOG::Drawable() const
{
    return hasContext_ && initialized_ && context() && model_ && record_;
}

void COvOG::setVisible(bool visible)
{
    if (hasContext_) return QOpenGLWidget::setVisible(visible);
    if (!message_) return;
    message_->setGeometry(geometry());
    message_->setVisible(visible);
    FollowSize();
}

void COvOG::FollowSize()
{
    state_->Resize(width(), height());
}

ViewState& COvOG::State()
{
    return *state_;
}

float COvOG::ViewWidth() const
{
    return std::max(state_->Width(), 1.0f);
}

float COvOG::ViewHeight() const
{
    return std::max(state_->Height(), 1.0f);
}

void COvOG::StoreViewState(float (&out)[9]) const
{
    std::copy(state_->Rotation().begin(), state_->Rotation().end(), out);
}

void COvOG::initializeGL()
{
    RunGuarded(this, [this] {
        if (!context() || !context()->isValid()) {
            hasContext_ = false;
            return;
        }
        SetUpContextState();
        list_ = glGenLists(1);
        initialized_ = true;
        CompileModel();
    });
}

void COvOG::CompileModel()
{
    if (!model_ || !record_) return;
    RebuildModel(*record_, *model_);
    if (!Drawable() || !list_) return;
    glNewList(list_, GL_COMPILE);
    for (const DrawPass& pass : DrawPassesOf(*record_)) DrawPassOf(*model_, pass);
    glEndList();
}

void COvOG::DrawWalls()
{
    const std::array<double, 3> ratios = AxisRatios(*record_);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glLineWidth(1.0f);
    glColor3f(kWallGrey, kWallGrey, kWallGrey);
    for (const Wall& wall : WallsAtCorner(FarthestBottomCorner(*model_))) {
        glBegin(GL_QUADS);
        for (int k : wall) {
            const Vec3 v = ReferencePoint(k, ratios);
            glVertex3d(v.x, v.y, v.z);
        }
        glEnd();
    }
}

// One frame at factor × the window size into the bound frame buffer; the reference points are
// projected through the frame at `savedFactor` (the window's own coordinates on screen).
void COvOG::DrawFrame(double factor, double savedFactor, bool walls)
{
    if (busy_ || !Drawable()) return;
    busy_ = true;
    glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const ViewFrame frame = state_->Frame(factor);
    glViewport(frame.viewport[0], frame.viewport[1], frame.viewport[2], frame.viewport[3]);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(frame.projection.data());
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(frame.modelView.data());
    if (list_) glCallList(list_);
    *frame_ = savedFactor == factor ? frame : state_->Frame(savedFactor);
    ProjectReferencePoints(*model_, *frame_, AxisRatios(*record_));
    if (walls && state_->Mode() == 0) DrawWalls();
    glFlush();
    glFinish();
    busy_ = false;
}

void COvOG::paintGL()
{
    RunGuarded(this, [this] { DrawFrame(devicePixelRatioF(), 1.0, true); });
}

void COvOG::ProjectWithoutContext()
{
    if (!model_ || !record_) return;
    FollowSize();
    *frame_ = state_->Frame(1.0);
    ProjectReferencePoints(*model_, *frame_, AxisRatios(*record_));
}

void COvOG::Render(double factor, bool walls)
{
    if (!Drawable()) return ProjectWithoutContext();
    makeCurrent();
    if (factor == 1.0) {
        DrawFrame(devicePixelRatioF(), 1.0, walls);
    } else {
        const QSize size(static_cast<int>(ViewWidth() * factor), static_cast<int>(ViewHeight() * factor));
        QOpenGLFramebufferObject target(size, QOpenGLFramebufferObject::Depth);
        if (target.bind()) DrawFrame(factor, factor, walls);
        target.release();
    }
    doneCurrent();
    update();
}

void COvOG::Rebuild()
{
    if (!Drawable()) {
        if (model_ && record_) RebuildModel(*record_, *model_);
        return ProjectWithoutContext();
    }
    makeCurrent();
    CompileModel();
    doneCurrent();
    Render(1.0, true);
}

void COvOG::SetView(int mode)
{
    state_->SetView(mode);
    update();
}

void COvOG::ResetView(bool fromRecord)
{
    state_->ResetView(fromRecord && record_ ? record_->view_state_3d : nullptr);
    update();
}

void COvOG::ProjectModelItems(bool sort)
{
    if (!model_ || !record_) return;
    Rebuild();
    ProjectModel(*model_, *frame_, sort);
}

std::vector<uint8_t> COvOG::ReadPixels(int factor)
{
    if (!Drawable() || factor < 1) return {};
    const int w = static_cast<int>(ViewWidth() * static_cast<float>(factor));
    const int h = static_cast<int>(ViewHeight() * static_cast<float>(factor));
    std::vector<uint8_t> pixels;
    makeCurrent();
    QOpenGLFramebufferObject target(QSize(w, h), QOpenGLFramebufferObject::Depth);
    if (target.isValid() && target.bind()) {
        DrawFrame(factor, factor, true);
        pixels.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        if (glGetError() != GL_NO_ERROR) pixels.clear();
        target.release();
    }
    doneCurrent();
    update();
    return pixels;
}

void COvOG::resizeEvent(QResizeEvent* event)
{
    RunGuarded(this, [&] {
        QOpenGLWidget::resizeEvent(event);
        if (state_->Resize(width(), height())) update();
    });
}

void COvOG::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        const QPointF at = event->position();
        if (event->button() == Qt::LeftButton) {
            setFocus();
            state_->BeginDrag(at.x(), at.y());
        } else if (event->button() == Qt::RightButton) {
            state_->BeginPan(at.toPoint().x(), at.toPoint().y());
            panning_ = true;
        }
    });
}

void COvOG::mouseMoveEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        if (state_->DragTo(event->position().x(), event->position().y())) update();
    });
}

void COvOG::mouseReleaseEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        if (event->button() == Qt::LeftButton) state_->EndDrag();
        if (event->button() != Qt::RightButton || !panning_) return;
        panning_ = false;
        if (state_->EndPan()) Q_EMIT ViewChanged();
    });
}

void COvOG::mouseDoubleClickEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        if (event->button() == Qt::MiddleButton && state_->ResetToDefaultByClick()) update();
    });
}

}  // namespace ov
