// ViewMatrices: 4 × 4 matrices of the 3-D view as the fixed-function pipeline builds them (column-major:
// translation, scale, orthographic volume, perspective, look-at, products) and the projection of a point
// to window coordinates through saved matrices and a viewport.
#pragma once

#include <array>

namespace ov {

using Mat4 = std::array<double, 16>;  // column-major: element (row r, column c) at c × 4 + r

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

// What one frame leaves behind for projections: the two matrices and the viewport (x, y, w, h).
struct ViewFrame {
    Mat4 projection{};
    Mat4 modelView{};
    std::array<int, 4> viewport{};
};

Mat4 Identity();
Mat4 Multiply(const Mat4& a, const Mat4& b);  // a × b
Mat4 Translation(double x, double y, double z);
Mat4 Scaling(double x, double y, double z);
Mat4 Orthographic(double left, double right, double bottom, double top, double zNear, double zFar);
Mat4 Perspective(double fovYDegrees, double aspect, double zNear, double zFar);
Mat4 LookAt(const Vec3& eye, const Vec3& target, const Vec3& up);

// Window coordinates (x, y from the viewport's bottom left, depth 0 ... 1) of model points through one
// frame's matrices, multiplied once.
class Projector {
public:
    explicit Projector(const ViewFrame& frame);
    // False when the point projects to infinity (w = 0).
    bool operator()(const Vec3& p, Vec3& window) const;

private:
    Mat4 combined_;
    std::array<int, 4> viewport_;
};

inline bool ProjectPoint(const Vec3& p, const ViewFrame& frame, Vec3& window)
{
    return Projector(frame)(p, window);
}

}  // namespace ov
