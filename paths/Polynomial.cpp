// Closed-form polynomial roots. Non-finite coefficients give no roots.
#include "paths/Polynomial.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace ov {

namespace {

bool AllFinite(std::initializer_list<double> values)
{
    for (const double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

// A cubic whose leading coefficient is this small against the others is solved as the quadratic and
// polished: Cardano's method loses every digit to cancellation there.
constexpr double kNearlyQuadratic = 1e-4;
constexpr int kPolishSteps = 4;

double Polish(double a, double b, double c, double d, double x)
{
    for (int i = 0; i < kPolishSteps; ++i) {
        const double f = ((a * x + b) * x + c) * x + d;
        const double slope = (3 * a * x + 2 * b) * x + c;
        if (slope == 0.0 || !std::isfinite(f / slope)) break;
        x -= f / slope;
    }
    return x;
}

}  // namespace

Roots SolveQuadratic(double a, double b, double c)
{
    Roots r;
    if (!AllFinite({a, b, c})) return r;
    if (a == 0.0) {
        if (b != 0.0) r.Add(-c / b);
        return r;
    }
    const double disc = b * b - 4 * a * c;
    if (disc > 0.0) {
        const double s = std::sqrt(disc);
        r.Add((-b + s) / (2 * a));
        r.Add((-b - s) / (2 * a));
    } else if (disc == 0.0) {
        r.Add(-b / (2 * a));
    }
    return r;
}

Roots SolveCubic(double a, double b, double c, double d)
{
    if (!AllFinite({a, b, c, d})) return {};
    if (a == 0.0) return SolveQuadratic(b, c, d);
    if (std::fabs(a) < kNearlyQuadratic * std::fmax(std::fabs(b), std::fmax(std::fabs(c), std::fabs(d)))) {
        Roots r = SolveQuadratic(b, c, d);
        for (int i = 0; i < r.count; ++i)
            r.values[static_cast<std::size_t>(i)] = Polish(a, b, c, d, r.values[static_cast<std::size_t>(i)]);
        return r;
    }
    const double B = b / a, C = c / a, D = d / a;
    const double shift = B / 3;
    // Depressed cubic t³ + p·t + q = 0 with x = t - B/3.
    const double p = C - B * B / 3;
    const double q = 2 * B * B * B / 27 - B * C / 3 + D;
    const double disc = q * q / 4 + p * p * p / 27;
    Roots r;
    if (disc > 0.0) {
        const double s = std::sqrt(disc);
        r.Add(std::cbrt(-q / 2 + s) + std::cbrt(-q / 2 - s) - shift);
    } else if (disc == 0.0) {
        const double u = std::cbrt(-q / 2);
        r.Add(2 * u - shift);
        r.Add(-u - shift);
    } else if (disc < 0.0) {
        const double m = std::sqrt(-p / 3);
        const double cosArg = std::fmax(-1.0, std::fmin(1.0, -q / (2 * m * m * m)));
        const double phi = std::acos(cosArg);
        for (int k = 0; k < 3; ++k) r.Add(2 * m * std::cos((phi + 2 * std::numbers::pi * k) / 3) - shift);
    }
    return r;
}

Roots CubicRootsInUnit(double a, double b, double c, double d)
{
    constexpr double kSlack = 0.0001;
    const Roots all = SolveCubic(a, b, c, d);
    Roots kept;
    for (int i = 0; i < all.count; ++i) {
        const double t = all.values[i];
        if (!(t > -kSlack && t <= 1.0 + kSlack)) continue;
        bool merged = false;
        for (int j = 0; j < kept.count && !merged; ++j) {
            if (std::fabs(kept.values[j] - t) < kSlack) {
                kept.values[j] = (kept.values[j] + t) / 2;
                merged = true;
            }
        }
        if (!merged) kept.Add(t);
    }
    return kept;
}

}  // namespace ov
