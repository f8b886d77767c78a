// CubicArcLength: adaptive 5-point Gauss–Legendre pieces, lengths inside a piece by the same rule and
// the inverse by Newton steps kept inside a shrinking bracket.
#include "paths/CubicArcLength.h"

#include <algorithm>
#include <cmath>

namespace ov {

namespace {

constexpr double kNodes[5] = {-0.9061798459386640, -0.5384693101056831, 0.0, 0.5384693101056831,
                              0.9061798459386640};
constexpr double kWeights[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889,
                                0.4786286704993665, 0.2369268850561891};
// Halvings of a piece; 2^-30 is far below what a float coordinate can show.
constexpr int kMaxDepth = 30;
constexpr int kMaxNewtonSteps = 60;

double PolygonLength(const Cubic& c)
{
    return Distance(c[0], c[1]) + Distance(c[1], c[2]) + Distance(c[2], c[3]);
}

}  // namespace

CubicArcLength::CubicArcLength(const Cubic& c, double relativeTolerance)
    : a_(3.0 * (c[3] - c[0]) + 9.0 * (c[1] - c[2])),
      b_(6.0 * (c[0] - 2.0 * c[1] + c[2])),
      c_(3.0 * (c[1] - c[0])),
      tolerance_(relativeTolerance * PolygonLength(c))
{
    Refine(0.0, 1.0, Integrate(0.0, 1.0), 0);
}

double CubicArcLength::Speed(double t) const
{
    return ov::Length((a_ * t + b_) * t + c_);
}

double CubicArcLength::Integrate(double a, double b) const
{
    const double mid = (a + b) / 2, half = (b - a) / 2;
    double sum = 0.0;
    for (int i = 0; i < 5; ++i) sum += kWeights[i] * Speed(mid + half * kNodes[i]);
    return sum * half;
}

// Appends the pieces of [a, b] to the knots; `whole` is the rule over all of [a, b].
void CubicArcLength::Refine(double a, double b, double whole, int depth)
{
    const double m = (a + b) / 2;
    const double left = Integrate(a, m), right = Integrate(m, b);
    if (depth >= kMaxDepth || !(std::fabs(left + right - whole) > tolerance_ * (b - a))) {
        knots_.push_back(m);
        lengths_.push_back(lengths_.back() + left);
        knots_.push_back(b);
        lengths_.push_back(lengths_.back() + right);
        return;
    }
    Refine(a, m, left, depth + 1);
    Refine(m, b, right, depth + 1);
}

size_t CubicArcLength::PieceOf(double s) const
{
    const auto it = std::upper_bound(lengths_.begin(), lengths_.end(), s);
    const auto i = static_cast<size_t>(it - lengths_.begin());
    return std::clamp<size_t>(i, 1, lengths_.size() - 1) - 1;
}

double CubicArcLength::LengthAt(double t) const
{
    if (!(t > 0.0)) return 0.0;
    if (!(t < 1.0)) return Length();
    const auto it = std::upper_bound(knots_.begin(), knots_.end(), t);
    const auto i = static_cast<size_t>(it - knots_.begin()) - 1;
    return lengths_[i] + Integrate(knots_[i], t);
}

double CubicArcLength::ParameterAt(double s) const
{
    if (!(s > 0.0)) return 0.0;
    if (!(s < Length())) return 1.0;
    const size_t i = PieceOf(s);
    double lo = knots_[i], hi = knots_[i + 1];
    const double target = s - lengths_[i], span = lengths_[i + 1] - lengths_[i];
    double t = span > 0 ? lo + (hi - lo) * (target / span) : lo;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const double error = Integrate(knots_[i], t) - target;
        if (!(std::fabs(error) > tolerance_)) break;
        (error < 0 ? lo : hi) = t;
        const double next = t - error / Speed(t);
        t = next > lo && next < hi ? next : (lo + hi) / 2;  // a zero speed or an overshoot bisects
    }
    return t;
}

}  // namespace ov
