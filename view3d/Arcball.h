// Arcball: turning the 3-D view with the mouse. A window point maps to the unit sphere; the drag from a
// start vector to an end vector becomes a rotation that is applied on top of the rotation at drag start.
#pragma once

#include "view3d/ViewMatrices.h"

#include <array>

namespace ov {

// A 3 × 3 rotation as the chart record stores it (column-major, nine floats).
using Mat3 = std::array<float, 9>;

Mat3 IdentityRotation();
Mat3 MultiplyRotations(const Mat3& a, const Mat3& b);  // a × b

// x := 1 − 2 px ÷ width, y := 2 py ÷ height − 1; inside the unit circle z := √(1 − x² − y²), outside
// (x, y) is normalised and z := 0.
Vec3 MapToSphere(double px, double py, double width, double height);
// The rotation of a drag: quaternion (start × end, start · end) with its scalar part × 1.2, or zero when
// the cross product is not longer than 1e−30; as a matrix with s = 2 ÷ |q|² (0 for a zero quaternion).
Mat3 DragRotation(const Vec3& start, const Vec3& end);
// The 4 × 4 transform taking the rotation while keeping the old transform's scale, √(Σ of the squares of
// its nine rotation entries ÷ 3).
Mat4 TransformWithRotation(const Mat4& old, const Mat3& rotation);

}  // namespace ov
