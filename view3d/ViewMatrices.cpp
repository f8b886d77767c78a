// Matrix products and the standard view matrices of the 3-D view.
#include "view3d/ViewMatrices.h"

#include <cmath>
#include <numbers>

namespace ov {
namespace {

double& At(Mat4& m, int row, int col)
{
    return m[col * 4 + row];
}

double At(const Mat4& m, int row, int col)
{
    return m[col * 4 + row];
}

Vec3 Normalised(const Vec3& v)
{
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (n == 0) return v;
    return {v.x / n, v.y / n, v.z / n};
}

Vec3 Cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

}  // namespace

Mat4 Identity()
{
    return Scaling(1, 1, 1);
}

Mat4 Multiply(const Mat4& a, const Mat4& b)
{
    Mat4 m{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k) At(m, r, c) += At(a, r, k) * At(b, k, c);
    return m;
}

Mat4 Translation(double x, double y, double z)
{
    Mat4 m = Identity();
    At(m, 0, 3) = x;
    At(m, 1, 3) = y;
    At(m, 2, 3) = z;
    return m;
}

Mat4 Scaling(double x, double y, double z)
{
    Mat4 m{};
    At(m, 0, 0) = x;
    At(m, 1, 1) = y;
    At(m, 2, 2) = z;
    At(m, 3, 3) = 1;
    return m;
}

Mat4 Orthographic(double left, double right, double bottom, double top, double zNear, double zFar)
{
    Mat4 m = Scaling(2 / (right - left), 2 / (top - bottom), -2 / (zFar - zNear));
    At(m, 0, 3) = -(right + left) / (right - left);
    At(m, 1, 3) = -(top + bottom) / (top - bottom);
    At(m, 2, 3) = -(zFar + zNear) / (zFar - zNear);
    return m;
}

Mat4 Perspective(double fovYDegrees, double aspect, double zNear, double zFar)
{
    const double f = 1 / std::tan(fovYDegrees * std::numbers::pi / 360);
    Mat4 m{};
    At(m, 0, 0) = f / aspect;
    At(m, 1, 1) = f;
    At(m, 2, 2) = (zFar + zNear) / (zNear - zFar);
    At(m, 2, 3) = 2 * zFar * zNear / (zNear - zFar);
    At(m, 3, 2) = -1;
    return m;
}

Mat4 LookAt(const Vec3& eye, const Vec3& target, const Vec3& up)
{
    const Vec3 f = Normalised({target.x - eye.x, target.y - eye.y, target.z - eye.z});
    const Vec3 s = Normalised(Cross(f, up));
    const Vec3 u = Cross(s, f);
    Mat4 m = Identity();
    const Vec3 rows[3] = {s, u, {-f.x, -f.y, -f.z}};
    for (int r = 0; r < 3; ++r) {
        At(m, r, 0) = rows[r].x;
        At(m, r, 1) = rows[r].y;
        At(m, r, 2) = rows[r].z;
    }
    return Multiply(m, Translation(-eye.x, -eye.y, -eye.z));
}

Projector::Projector(const ViewFrame& frame)
    : combined_(Multiply(frame.projection, frame.modelView)), viewport_(frame.viewport)
{
}

bool Projector::operator()(const Vec3& p, Vec3& window) const
{
    const Mat4& m = combined_;
    double v[4];
    for (int r = 0; r < 4; ++r)
        v[r] = At(m, r, 0) * p.x + At(m, r, 1) * p.y + At(m, r, 2) * p.z + At(m, r, 3);
    if (v[3] == 0) return false;
    const auto& vp = viewport_;
    window.x = vp[0] + vp[2] * (v[0] / v[3] + 1) / 2;
    window.y = vp[1] + vp[3] * (v[1] / v[3] + 1) / 2;
    window.z = (v[2] / v[3] + 1) / 2;
    return true;
}

}  // namespace ov
