// Points along a segment chain by length, and the nearly-straight test of a chain.
#include "paths/COvSeg.h"

#include "paths/BezierCubic.h"
#include "paths/CubicArcLength.h"

#include <algorithm>
#include <cmath>

namespace ov {

namespace {

constexpr int kMaxDivisions = 100'000;
constexpr double kTangentSlack = 1e-6;

Vec2 ToVec(OvPointF p)
{
    return {p.x, p.y};
}

OvPointF ToPoint(Vec2 v)
{
    return {float(v.x), float(v.y)};
}

bool IsBezierKind(uint8_t kind)
{
    return kind == kSegBezier || kind == kSegBezierAlt;
}

// The cubics of a Bézier link, or none when its control points do not make a run.
std::vector<Cubic> CubicsOf(const COvSeg& s)
{
    const auto cps = s.ControlPoints();
    std::vector<Cubic> out;
    if (cps.size() < 4 || (cps.size() - 1) % 3 != 0) return out;
    for (size_t i = 0; i + 3 < cps.size(); i += 3)
        out.push_back({ToVec(cps[i]), ToVec(cps[i + 1]), ToVec(cps[i + 2]), ToVec(cps[i + 3])});
    return out;
}

// The junction J between cubics is smooth when J lies on the segment from A (before) to B (after).
bool Smooth(const Cubic& before, const Cubic& after)
{
    const Vec2 a = before[2], j = before[3], b = after[1];
    return std::fabs(Distance(a, j) + Distance(j, b) - Distance(a, b)) <= kTangentSlack;
}

struct Run {
    std::vector<Cubic> cubics;
    std::vector<CubicArcLength> lengths;
    double length = 0.0;

    OvPointF PointAt(double s) const
    {
        for (size_t i = 0; i < cubics.size(); ++i) {
            const double len = lengths[i].Length();
            if (s <= len || i + 1 == cubics.size())
                return ToPoint(BezierPoint(cubics[i], lengths[i].ParameterAt(s)));
            s -= len;
        }
        return {};
    }
};

// Collects the smooth run that starts at link s; returns the first link after it.
const COvSeg* CollectRun(const COvSeg* s, Run& run)
{
    for (; s && IsBezierKind(s->kind); s = s->next.get()) {
        const auto cubics = CubicsOf(*s);
        if (cubics.empty()) break;
        if (!run.cubics.empty() && !Smooth(run.cubics.back(), cubics.front())) break;
        for (const Cubic& c : cubics) {
            run.cubics.push_back(c);
            run.lengths.emplace_back(c);
            run.length += run.lengths.back().Length();
        }
    }
    return s;
}

void DivideRun(const Run& run, const std::vector<double>& f, std::vector<OvPointF>& out)
{
    out.push_back(ToPoint(run.cubics.front()[0]));
    for (size_t k = 1; k + 1 < f.size(); ++k) out.push_back(run.PointAt(f[k] * run.length));
    out.push_back(ToPoint(run.cubics.back()[3]));
}

void DivideStraight(const COvSeg& s, const std::vector<double>& f, std::vector<OvPointF>& out)
{
    const auto cps = s.ControlPoints();
    if (cps.size() < 2) return;
    const Vec2 p = ToVec(cps.front()), q = ToVec(cps.back());
    for (const double fk : f) out.push_back(ToPoint(Lerp(p, q, fk)));
}

}  // namespace

std::vector<double> DivisionFractions(int divisions, double bias)
{
    const int n = std::clamp(divisions, 1, kMaxDivisions);
    if (!(bias > 0.0) || !std::isfinite(bias)) bias = 1.0;
    std::vector<double> f(static_cast<size_t>(n) + 1);
    // Closed forms of (bias^k - 1) / (bias^n - 1) that neither overflow nor lose the ends.
    for (int k = 0; k <= n; ++k) {
        double v = double(k) / n;
        if (bias > 1.0) v = (std::pow(bias, k - n) - std::pow(bias, -n)) / (1.0 - std::pow(bias, -n));
        if (bias < 1.0) v = (1.0 - std::pow(bias, k)) / (1.0 - std::pow(bias, n));
        f[static_cast<size_t>(k)] = std::isfinite(v) ? v : double(k) / n;
    }
    f.front() = 0.0;
    f.back() = 1.0;
    return f;
}

std::vector<OvPointF> COvSeg::Divide(int divisions, double bias) const
{
    const auto f = DivisionFractions(divisions, bias);
    std::vector<OvPointF> out;
    const COvSeg* s = this;
    while (s) {
        Run run;
        const COvSeg* after = IsBezierKind(s->kind) ? CollectRun(s, run) : s;
        if (!run.cubics.empty()) {
            DivideRun(run, f, out);
            s = after;
            continue;
        }
        DivideStraight(*s, f, out);
        s = s->next.get();
    }
    return out;
}

std::optional<std::pair<OvPointF, OvPointF>> COvSeg::IsNearlyStraight(double maxLength,
                                                                      double tolerance) const
{
    for (const COvSeg* s = this; s->next; s = s->next.get()) {
        if (s->kind != kSegBezier) return std::nullopt;
    }
    const auto all = AllPoints();
    if (all.size() < 2) return std::nullopt;
    double polygon = 0.0;
    for (size_t i = 1; i < all.size(); ++i) polygon += Distance(ToVec(all[i - 1]), ToVec(all[i]));
    const double chord = Distance(ToVec(all.front()), ToVec(all.back()));
    if (std::fabs(chord - polygon) < tolerance && polygon < maxLength)
        return std::pair{all.front(), all.back()};
    return std::nullopt;
}

}  // namespace ov
