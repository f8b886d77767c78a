// CubicArcLength: the length along one cubic by adaptive Gauss–Legendre quadrature of its speed, and
// the parameter at a given length by Newton steps.
#pragma once

#include "paths/Vec2.h"

#include <vector>

namespace ov {

class CubicArcLength {
public:
    // Splits [0, 1] until the 5-point rule over each piece agrees with the sum over its halves within
    // `relativeTolerance` of the control polygon's length (in proportion to the piece's width).
    explicit CubicArcLength(const Cubic& c, double relativeTolerance = 1e-10);

    double Length() const { return lengths_.back(); }
    size_t Pieces() const { return knots_.size() - 1; }
    // Length from t = 0 to t (clamped to [0, 1]).
    double LengthAt(double t) const;
    // Parameter at length s: 0 for s <= 0 (or NaN), 1 at or past the end.
    double ParameterAt(double s) const;

private:
    double Speed(double t) const;
    double Integrate(double a, double b) const;
    void Refine(double a, double b, double whole, int depth);
    size_t PieceOf(double s) const;

    // B'(t) = a·t² + b·t + c
    Vec2 a_, b_, c_;
    double tolerance_ = 0;  // absolute, per unit of parameter
    std::vector<double> knots_{0.0};
    std::vector<double> lengths_{0.0};  // length from 0 to each knot
};

}  // namespace ov
