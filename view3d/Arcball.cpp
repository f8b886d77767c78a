// Arcball mapping and drag rotations.
#include "view3d/Arcball.h"

#include <cmath>

namespace ov {
namespace {

float& R(Mat3& m, int row, int col)
{
    return m[col * 3 + row];
}

float R(const Mat3& m, int row, int col)
{
    return m[col * 3 + row];
}

}  // namespace

Mat3 IdentityRotation()
{
    return {1, 0, 0, 0, 1, 0, 0, 0, 1};
}

Mat3 MultiplyRotations(const Mat3& a, const Mat3& b)
{
    Mat3 m{};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 3; ++k) R(m, r, c) += R(a, r, k) * R(b, k, c);
    return m;
}

Vec3 MapToSphere(double px, double py, double width, double height)
{
    const double x = 1 - 2 * px / width;
    const double y = 2 * py / height - 1;
    const double length2 = x * x + y * y;
    if (length2 <= 1) return {x, y, std::sqrt(1 - length2)};
    const double n = std::sqrt(length2);
    return {x / n, y / n, 0};
}

Mat3 DragRotation(const Vec3& start, const Vec3& end)
{
    const Vec3 axis{start.y * end.z - start.z * end.y, start.z * end.x - start.x * end.z,
                    start.x * end.y - start.y * end.x};
    const bool turns = std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z) > 1e-30;
    const double x = turns ? axis.x : 0, y = turns ? axis.y : 0, z = turns ? axis.z : 0;
    const double w = turns ? 1.2 * (start.x * end.x + start.y * end.y + start.z * end.z) : 0;
    const double n = x * x + y * y + z * z + w * w;
    const double s = n > 0 ? 2 / n : 0;
    const double xs = x * s, ys = y * s, zs = z * s;
    const double wx = w * xs, wy = w * ys, wz = w * zs;
    const double xx = x * xs, xy = x * ys, xz = x * zs;
    const double yy = y * ys, yz = y * zs, zz = z * zs;
    Mat3 m{};
    R(m, 0, 0) = static_cast<float>(1 - (yy + zz));
    R(m, 0, 1) = static_cast<float>(xy - wz);
    R(m, 0, 2) = static_cast<float>(xz + wy);
    R(m, 1, 0) = static_cast<float>(xy + wz);
    R(m, 1, 1) = static_cast<float>(1 - (xx + zz));
    R(m, 1, 2) = static_cast<float>(yz - wx);
    R(m, 2, 0) = static_cast<float>(xz - wy);
    R(m, 2, 1) = static_cast<float>(yz + wx);
    R(m, 2, 2) = static_cast<float>(1 - (xx + yy));
    return m;
}

Mat4 TransformWithRotation(const Mat4& old, const Mat3& rotation)
{
    double sum = 0;
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r) sum += old[c * 4 + r] * old[c * 4 + r];
    const double scale = std::sqrt(sum / 3);
    Mat4 m = old;
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r) m[c * 4 + r] = R(rotation, r, c) * scale;
    return m;
}

}  // namespace ov
