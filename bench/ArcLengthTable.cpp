// The fixed arc-length table: 4-point Gauss–Legendre quadrature of the speed over each table step.
#include "ArcLengthTable.h"

#include "paths/BezierCubic.h"

#include <algorithm>

namespace ov {

namespace {

constexpr double kNodes[4] = {-0.861136311594, -0.339981043585, 0.339981043585, 0.861136311594};
constexpr double kWeights[4] = {0.347854845137, 0.652145154863, 0.652145154863, 0.347854845137};

double LengthBetween(const Cubic& c, double t0, double t1)
{
    const double mid = (t0 + t1) / 2, half = (t1 - t0) / 2;
    double sum = 0.0;
    for (int i = 0; i < 4; ++i) sum += kWeights[i] * Length(BezierDerivative(c, mid + half * kNodes[i]));
    return sum * half;
}

}  // namespace

std::vector<double> ArcLengthTable(const Cubic& c, int n)
{
    n = std::max(n, 2);
    std::vector<double> table(static_cast<size_t>(n));
    const double step = 1.0 / (n - 1);
    for (int i = 1; i < n; ++i) {
        table[static_cast<size_t>(i)] =
            table[static_cast<size_t>(i) - 1] + LengthBetween(c, (i - 1) * step, i * step);
    }
    return table;
}

double ParameterAtLength(const std::vector<double>& table, double s)
{
    if (table.size() < 2 || !(s > 0.0)) return 0.0;
    if (!(s < table.back())) return 1.0;
    const auto it = std::lower_bound(table.begin(), table.end(), s);
    const auto i = static_cast<size_t>(it - table.begin());
    if (i == 0) return 0.0;
    const double lo = table[i - 1], hi = table[i];
    const double frac = hi > lo ? (s - lo) / (hi - lo) : 0.0;
    return (static_cast<double>(i - 1) + frac) / static_cast<double>(table.size() - 1);
}

}  // namespace ov
