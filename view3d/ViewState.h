// ViewState: the camera of the 3-D view without any window: projection mode, rotation and its 4 × 4
// transform, zoom, pan, orthographic camera presets, arcball drags, resizing and the matrices of a frame.
#pragma once

#include "view3d/Arcball.h"
#include "view3d/ViewMatrices.h"

#include <array>

namespace ov {

// The orientation a reset or a middle double click shows.
constexpr Mat3 kDefaultRotation = {-0.520007f, 0.742484f, 0.42227f,   -0.681737f, -0.658616f,
                                   0.318524f,  0.514612f, -0.122242f, 0.848664f};
constexpr double kResetZoom = 0.6;

struct PanOffset {
    int x = 0, y = 0;
};

class ViewState {
public:
    // Mode from the record's 3-D chart style, camera eye (0, 0, 5) looking at the origin with up
    // (0, 1, 0), rotation from the record's stored state, pan 0.
    ViewState(int mode, const float (&stored)[9]);

    // Zoom 0.6, transform and rotations the identity, then the stored or the default rotation; pan 0.
    void ResetView(const float* stored);
    // A mode equal to the current one changes nothing; a negative one re-applies the current one.
    // Otherwise: the mode, the default rotation and pan 0; modes 1 ... 3 also set their camera preset.
    void SetView(int mode);
    // Middle double click: the default rotation in perspective mode (true: repaint); nothing otherwise.
    bool ResetToDefaultByClick();

    void BeginDrag(double px, double py);
    // Turns by the drag from the start point; false when no drag is running.
    bool DragTo(double px, double py);
    void EndDrag() { dragging_ = false; }
    // Right button: remembers the point and the pan; the owner moves the pan with PanTo.
    void BeginPan(int px, int py);
    void PanTo(int px, int py);
    // Ends a pan; true when the view was touched since (the owner's view-changed moment).
    bool EndPan();

    // A new client size: sides below 1 are ignored, an unchanged size too; the pan scales with the size.
    bool Resize(int width, int height);

    // The matrices and the viewport of a frame at factor × the window size.
    ViewFrame Frame(double factor) const;

    int Mode() const { return mode_; }
    const Mat3& Rotation() const { return rotation_; }
    const Mat4& Transform() const { return transform_; }
    double Zoom() const { return zoom_; }
    PanOffset Pan() const { return pan_; }
    void SetPan(PanOffset pan) { pan_ = pan; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    const Vec3& Eye() const { return eye_; }
    const Vec3& Up() const { return up_; }
    bool Dragging() const { return dragging_; }

private:
    void SetRotation(const Mat3& rotation);

    int mode_ = 0;
    Mat3 rotation_ = IdentityRotation();
    Mat3 dragStartRotation_ = IdentityRotation();
    Mat4 transform_ = Identity();
    Vec3 dragStart_{};
    Vec3 eye_{0, 0, 5}, target_{}, up_{0, 1, 0};
    double zoom_ = kResetZoom;
    PanOffset pan_{}, panStart_{};
    int panStartX_ = 0, panStartY_ = 0;
    float width_ = 1, height_ = 1;
    bool dragging_ = false;
    bool touched_ = false;
};

}  // namespace ov
