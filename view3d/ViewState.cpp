// The camera of the 3-D view: resets, view modes, arcball drags, pans, resizing and frame matrices.
#include "view3d/ViewState.h"

#include <cmath>

namespace ov {
namespace {

// Orthographic views 1 ... 3: eye and up; the target is always the origin.
struct CameraPreset {
    Vec3 eye, up;
};
constexpr CameraPreset kPresets[3] = {
    {{0, 0, 5}, {0, 1, 0}}, {{0, -5, 0}, {0, 0, 1}}, {{5, 0, 0}, {0, 0, 1}}};

constexpr double kFieldOfView = 15;  // degrees, vertical
constexpr double kNear = 0.1, kFar = 100;
constexpr double kOrthoMargin = 50;  // pixels
const Vec3 kPerspectiveEye{4, 6, 3};
const Vec3 kPerspectiveUp{1, 1, 1};

}  // namespace

ViewState::ViewState(int mode, const float (&stored)[9]) : mode_(mode)
{
    ResetView(stored);
}

void ViewState::SetRotation(const Mat3& rotation)
{
    rotation_ = rotation;
    transform_ = TransformWithRotation(transform_, rotation_);
}

void ViewState::ResetView(const float* stored)
{
    zoom_ = kResetZoom;
    transform_ = Identity();
    rotation_ = dragStartRotation_ = IdentityRotation();
    Mat3 rotation = kDefaultRotation;
    if (stored)
        for (std::size_t k = 0; k < rotation.size(); ++k) rotation[k] = stored[k];
    SetRotation(rotation);
    pan_ = {};
}

void ViewState::SetView(int mode)
{
    if (mode >= 0 && mode == mode_) return;
    if (mode >= 0) mode_ = mode;
    ResetView(nullptr);
    if (mode_ >= 1 && mode_ <= 3) {
        eye_ = kPresets[mode_ - 1].eye;
        up_ = kPresets[mode_ - 1].up;
        target_ = {};
    }
}

bool ViewState::ResetToDefaultByClick()
{
    if (mode_ != 0) return false;
    ResetView(nullptr);
    return true;
}

void ViewState::BeginDrag(double px, double py)
{
    touched_ = true;
    dragStart_ = MapToSphere(px, py, width_, height_);
    dragStartRotation_ = rotation_;
    dragging_ = true;
}

bool ViewState::DragTo(double px, double py)
{
    if (!dragging_) return false;
    const Vec3 end = MapToSphere(px, py, width_, height_);
    SetRotation(MultiplyRotations(DragRotation(dragStart_, end), dragStartRotation_));
    return true;
}

void ViewState::BeginPan(int px, int py)
{
    panStartX_ = px;
    panStartY_ = py;
    panStart_ = pan_;
    touched_ = true;
}

void ViewState::PanTo(int px, int py)
{
    pan_ = {panStart_.x + px - panStartX_, panStart_.y + py - panStartY_};
}

bool ViewState::EndPan()
{
    const bool touched = touched_;
    touched_ = false;
    return touched;
}

bool ViewState::Resize(int width, int height)
{
    if (width < 1 || height < 1) return false;
    const float w = width < 2 ? 1.0f : static_cast<float>(width);
    const float h = height < 2 ? 1.0f : static_cast<float>(height);
    if (w == width_ && h == height_) return false;
    pan_.x = static_cast<int>(pan_.x * static_cast<double>(w) / width_);
    pan_.y = static_cast<int>(pan_.y * static_cast<double>(h) / height_);
    width_ = w;
    height_ = h;
    return true;
}

ViewFrame ViewState::Frame(double factor) const
{
    const double w = width_ * factor, h = height_ * factor;
    ViewFrame frame;
    frame.viewport = {0, 0, static_cast<int>(w), static_cast<int>(h)};
    frame.projection = Translation(2 * pan_.x / w, -2 * pan_.y / h, 0);
    if (mode_ != 0) {
        const double r = h / (h - kOrthoMargin);
        frame.projection =
            Multiply(frame.projection, Orthographic(-r * w / h, r * w / h, -r, r, kNear, kFar));
        frame.projection = Multiply(frame.projection, Scaling(zoom_, zoom_, zoom_));
        frame.projection = Multiply(frame.projection, LookAt(eye_, target_, up_));
        frame.modelView = Identity();
        return frame;
    }
    frame.projection = Multiply(frame.projection, Perspective(kFieldOfView, w / h, kNear, kFar));
    frame.modelView = Multiply(LookAt(kPerspectiveEye, {}, kPerspectiveUp), transform_);
    frame.modelView = Multiply(frame.modelView, Scaling(zoom_, zoom_, zoom_));
    return frame;
}

}  // namespace ov
