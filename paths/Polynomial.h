// Real roots of quadratic and cubic polynomials, and the cubic roots that lie on a Bézier's range.
#pragma once

#include <array>
#include <cstddef>

namespace ov {

// Up to three real roots; values past count are unspecified.
struct Roots {
    int count = 0;
    std::array<double, 3> values{};

    void Add(double v) { values[static_cast<std::size_t>(count++)] = v; }
};

// a·x² + b·x + c = 0. a = 0 gives the linear root; a zero discriminant gives one root.
Roots SolveQuadratic(double a, double b, double c);
// a·x³ + b·x² + c·x + d = 0 by Cardano's method; a = 0 falls back to the quadratic. When a is below
// 1e-4 of the largest other coefficient, the quadratic's roots polished by Newton steps on the cubic
// (the third root, far out near -b/a, is left out).
Roots SolveCubic(double a, double b, double c, double d);
// Roots t of the cubic with -0.0001 < t <= 1.0001; a root within 0.0001 of a kept one is averaged in.
Roots CubicRootsInUnit(double a, double b, double c, double d);

}  // namespace ov
