// Per-call cost of the cubic–cubic intersection and of dividing a Bézier run by arc length, each
// against a straightforward flattening-based peer measured in the same run; prints the ratios, and
// how far each division's points lie from a high-resolution reference.
#include "ArcLengthTable.h"
#include "paths/BezierCubic.h"
#include "paths/BezierIntersection.h"
#include "paths/COvSeg.h"
#include "paths/CubicArcLength.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using ov::Cubic;
using ov::Vec2;

const Cubic kArch{{{-10, 0}, {-10, 10}, {10, 10}, {10, 0}}};
const Cubic kWave{{{-12, 2}, {-4, -6}, {4, 14}, {12, 3}}};

std::vector<Vec2> Flatten(const Cubic& c, int chords)
{
    std::vector<Vec2> pts;
    for (int i = 0; i <= chords; ++i) pts.push_back(ov::BezierPoint(c, double(i) / chords));
    return pts;
}

// Peer: both curves cut into 256 chords, every chord pair tested.
std::vector<Vec2> IntersectByFlattening(const Cubic& a, const Cubic& b)
{
    const auto pa = Flatten(a, 256), pb = Flatten(b, 256);
    std::vector<Vec2> hits;
    for (size_t i = 0; i + 1 < pa.size(); ++i) {
        for (size_t j = 0; j + 1 < pb.size(); ++j) {
            const Vec2 r = pa[i + 1] - pa[i], s = pb[j + 1] - pb[j], w = pb[j] - pa[i];
            const double d = ov::Cross(r, s);
            if (d == 0) continue;
            const double t = ov::Cross(w, s) / d, u = ov::Cross(w, r) / d;
            if (t >= 0 && t < 1 && u >= 0 && u < 1) hits.push_back(pa[i] + r * t);
        }
    }
    return hits;
}

// Peer: the run cut into 4096 chords per cubic, cumulative chord lengths walked linearly.
std::vector<Vec2> DivideByFlattening(const std::vector<Cubic>& run, int divisions)
{
    std::vector<Vec2> pts;
    for (const Cubic& c : run) {
        const auto f = Flatten(c, 4096);
        pts.insert(pts.end(), pts.empty() ? f.begin() : f.begin() + 1, f.end());
    }
    std::vector<double> cum{0};
    for (size_t i = 1; i < pts.size(); ++i) cum.push_back(cum.back() + ov::Distance(pts[i - 1], pts[i]));
    std::vector<Vec2> out{pts.front()};
    size_t at = 1;
    for (int k = 1; k < divisions; ++k) {
        const double s = cum.back() * k / divisions;
        while (at + 1 < cum.size() && cum[at] < s) ++at;
        const double span = cum[at] - cum[at - 1];
        out.push_back(ov::Lerp(pts[at - 1], pts[at], span > 0 ? (s - cum[at - 1]) / span : 0));
    }
    out.push_back(pts.back());
    return out;
}

const std::vector<OvPointF> kRunPoints{{0, 0}, {10, 20}, {30, 20}, {40, 0}, {50, -20}, {70, -20}, {80, 0}};
const std::vector<Cubic> kRun{{{{0, 0}, {10, 20}, {30, 20}, {40, 0}}},
                              {{{40, 0}, {50, -20}, {70, -20}, {80, 0}}}};
constexpr int kDivisions = 50;

std::unique_ptr<ov::COvSeg> SmoothRun()
{
    const auto& p = kRunPoints;
    const std::vector<uint8_t> t{0, 3, 3, 3, 3, 3, 3};
    auto head = std::make_unique<ov::COvSeg>();
    head->FromPathData(p.data(), t.data(), 7, false);
    return head;
}

// Division points of the run through per-cubic length functions (length of cubic i, parameter at a
// length along cubic i).
template <typename LengthOf, typename ParameterAt>
std::vector<Vec2> DivideThrough(LengthOf lengthOf, ParameterAt parameterAt)
{
    double total = 0;
    for (size_t i = 0; i < kRun.size(); ++i) total += lengthOf(i);
    std::vector<Vec2> out;
    for (int k = 0; k <= kDivisions; ++k) {
        double s = total * k / kDivisions;
        size_t i = 0;
        while (i + 1 < kRun.size() && s > lengthOf(i)) s -= lengthOf(i++);
        out.push_back(ov::BezierPoint(kRun[i], parameterAt(i, s)));
    }
    return out;
}

template <typename Points>
double Farthest(const Points& points, const std::vector<Vec2>& reference)
{
    double worst = points.size() == reference.size() ? 0.0 : 1e300;
    for (size_t k = 0; k < std::min(points.size(), reference.size()); ++k)
        worst = std::max(worst, ov::Distance({points[k].x, points[k].y}, reference[k]));
    return worst;
}

// Largest distance of each division from the reference: 4-point Gauss–Legendre tables of 2^18 steps
// per cubic, read back by linear interpolation between entries.
void ReportAccuracy()
{
    std::vector<std::vector<double>> tables;
    for (const Cubic& c : kRun) tables.push_back(ov::ArcLengthTable(c, 1 << 18));
    const auto reference =
        DivideThrough([&](size_t i) { return tables[i].back(); },
                      [&](size_t i, double s) { return ov::ParameterAtLength(tables[i], s); });
    std::vector<ov::CubicArcLength> adaptive(kRun.begin(), kRun.end());
    const auto ours = DivideThrough([&](size_t i) { return adaptive[i].Length(); },
                                    [&](size_t i, double s) { return adaptive[i].ParameterAt(s); });
    const auto divided = SmoothRun()->Divide(kDivisions, 1.0);
    std::printf("accuracy, largest distance from the reference over %d divisions (run length %.9f):\n",
                kDivisions, tables[0].back() + tables[1].back());
    std::printf("  adaptive Gauss-Legendre, double: %.3g (pieces %zu + %zu)\n", Farthest(ours, reference),
                adaptive[0].Pieces(), adaptive[1].Pieces());
    std::printf("  Divide (float points): %.3g\n", Farthest(divided, reference));
    std::printf("  4,096-chord flattening peer, double: %.3g\n",
                Farthest(DivideByFlattening(kRun, kDivisions), reference));
}

void IntersectSubdivision(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(ov::IntersectBeziers(kArch, kWave));
}

void IntersectFlattening(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(IntersectByFlattening(kArch, kWave));
}

void DivideAdaptive(benchmark::State& state)
{
    const auto head = SmoothRun();
    for (auto _ : state) benchmark::DoNotOptimize(head->Divide(kDivisions, 1.0));
}

// The fixed tables Divide used before: 4,096 entries of 4-point Gauss–Legendre steps per cubic.
void DivideFixedTables(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<std::vector<double>> tables;
        for (const Cubic& c : kRun) tables.push_back(ov::ArcLengthTable(c));
        benchmark::DoNotOptimize(
            DivideThrough([&](size_t i) { return tables[i].back(); },
                          [&](size_t i, double s) { return ov::ParameterAtLength(tables[i], s); }));
    }
}

void DivideFlattening(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(DivideByFlattening(kRun, kDivisions));
}

// Prints, after the usual table, each library benchmark's CPU time as a ratio of its peer's.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs)
            times_[r.benchmark_name()] = r.GetAdjustedCPUTime();  // CPU time: the machine is shared
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        Ratio("cubic_cubic_intersection/subdivision", "cubic_cubic_intersection/flattening_peer");
        Ratio("arc_length_division/adaptive_gauss_legendre", "arc_length_division/flattening_peer");
        Ratio("arc_length_division/fixed_tables", "arc_length_division/flattening_peer");
    }

private:
    void Ratio(const std::string& ours, const std::string& peer)
    {
        if (!times_.count(ours) || !times_.count(peer) || times_[peer] <= 0) return;
        std::printf("ratio %s / %s = %.3f\n", ours.c_str(), peer.c_str(), times_[ours] / times_[peer]);
    }
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::RegisterBenchmark("cubic_cubic_intersection/subdivision", IntersectSubdivision);
    benchmark::RegisterBenchmark("cubic_cubic_intersection/flattening_peer", IntersectFlattening);
    benchmark::RegisterBenchmark("arc_length_division/adaptive_gauss_legendre", DivideAdaptive);
    benchmark::RegisterBenchmark("arc_length_division/fixed_tables", DivideFixedTables);
    benchmark::RegisterBenchmark("arc_length_division/flattening_peer", DivideFlattening);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    ReportAccuracy();
    return 0;
}
