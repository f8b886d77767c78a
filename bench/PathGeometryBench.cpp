// Per-call cost of the cubic–cubic intersection and of dividing a Bézier run by arc length, each
// against a straightforward flattening-based peer measured in the same run; prints the ratios.
#include "paths/BezierCubic.h"
#include "paths/BezierIntersection.h"
#include "paths/COvSeg.h"

#include <benchmark/benchmark.h>

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

std::unique_ptr<ov::COvSeg> SmoothRun()
{
    const std::vector<OvPointF> p{{0, 0}, {10, 20}, {30, 20}, {40, 0}, {50, -20}, {70, -20}, {80, 0}};
    const std::vector<uint8_t> t{0, 3, 3, 3, 3, 3, 3};
    auto head = std::make_unique<ov::COvSeg>();
    head->FromPathData(p.data(), t.data(), 7, false);
    return head;
}

void IntersectSubdivision(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(ov::IntersectBeziers(kArch, kWave));
}

void IntersectFlattening(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(IntersectByFlattening(kArch, kWave));
}

void DivideGaussLegendre(benchmark::State& state)
{
    const auto head = SmoothRun();
    for (auto _ : state) benchmark::DoNotOptimize(head->Divide(50, 1.0));
}

void DivideFlattening(benchmark::State& state)
{
    const std::vector<Cubic> run{{{{0, 0}, {10, 20}, {30, 20}, {40, 0}}},
                                 {{{40, 0}, {50, -20}, {70, -20}, {80, 0}}}};
    for (auto _ : state) benchmark::DoNotOptimize(DivideByFlattening(run, 50));
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
        Ratio("arc_length_division/gauss_legendre", "arc_length_division/flattening_peer");
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
    benchmark::RegisterBenchmark("arc_length_division/gauss_legendre", DivideGaussLegendre);
    benchmark::RegisterBenchmark("arc_length_division/flattening_peer", DivideFlattening);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
