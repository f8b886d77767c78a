// The crossing search of the clipping pipeline on 1,000 straight lines and 1,000 cubics scattered
// over a 1,000 × 1,000 square, against the path-vector intersection of lib2geom on the same paths in
// the same run. Times are CPU seconds, best of N; the crossing counts of both are printed so that
// the two do the same work. Prints one JSON object.
#include "paths/ClipPieces.h"
#include "paths/CrossingSearch.h"
#include "paths/PathChains.h"
#include "paths/SelfCrossingCut.h"

#include <2geom/bezier-curve.h>
#include <2geom/path.h>
#include <2geom/pathvector.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <random>
#include <vector>

namespace {

struct Scene {
    std::vector<std::vector<OvPointF>> lines;   // two points each
    std::vector<std::vector<OvPointF>> cubics;  // four points each
};

Scene MakeScene(unsigned seed, int count, float side, float reach)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> at(0, side), step(-reach, reach);
    Scene s;
    for (int i = 0; i < count; ++i) {
        const OvPointF a{at(rng), at(rng)};
        s.lines.push_back({a, {a.x + step(rng), a.y + step(rng)}});
        const OvPointF b{at(rng), at(rng)};
        std::vector<OvPointF> c{b};
        for (int k = 0; k < 3; ++k) c.push_back({b.x + step(rng), b.y + step(rng)});
        s.cubics.push_back(c);
    }
    return s;
}

std::vector<ov::PathObject> PathsOf(const Scene& s)
{
    std::vector<ov::PathObject> paths;
    for (const auto& l : s.lines) paths.emplace_back().AddLines(l);
    for (const auto& c : s.cubics) paths.emplace_back().AddBeziers(c);
    return paths;
}

Geom::PathVector PathVectorOf(const Scene& s)
{
    Geom::PathVector pv;
    const auto P = [](OvPointF p) { return Geom::Point(p.x, p.y); };
    for (const auto& l : s.lines) {
        Geom::Path path(P(l[0]));
        path.appendNew<Geom::LineSegment>(P(l[1]));
        pv.push_back(path);
    }
    for (const auto& c : s.cubics) {
        Geom::Path path(P(c[0]));
        path.appendNew<Geom::CubicBezier>(P(c[1]), P(c[2]), P(c[3]));
        pv.push_back(path);
    }
    return pv;
}

double CpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

double Best(int reps, const std::function<void()>& run)
{
    double best = 1e300;
    for (int i = 0; i < reps; ++i) {
        const double t0 = CpuSeconds();
        run();
        best = std::min(best, CpuSeconds() - t0);
    }
    return best;
}

struct SearchResult {
    ov::PassStats first, second;
    size_t pieces = 0;
};

// The two crossing passes alone, from freshly built chains (built outside the timing).
SearchResult Search(const std::vector<ov::PathObject>& paths, ov::CandidateSearch mode, double& seconds)
{
    ov::ChainSet set;
    int32_t figure = 0;
    for (const ov::PathObject& p : paths)
        ov::AppendChains(p.Points().data(), p.Types().data(), p.PointCount(), figure, set);
    ov::ChainList chains;
    for (auto& c : set.chains) chains.push_back(std::move(c));
    chains = ov::CutSelfCrossings(std::move(chains));
    std::vector<ov::RecordedCrossing> recorded;
    SearchResult r;
    const double t0 = CpuSeconds();
    r.first = ov::IntersectPass(chains, 0, recorded, mode);
    r.second = ov::IntersectPass(chains, 1, recorded, mode);
    seconds = CpuSeconds() - t0;
    r.pieces = chains.size();
    return r;
}

// Crossings between different paths, as lib2geom reports them (each pair once).
size_t CrossingsOf(const std::vector<Geom::PVIntersection>& hits)
{
    return size_t(std::count_if(hits.begin(), hits.end(), [](const Geom::PVIntersection& x) {
        return x.first.path_index < x.second.path_index;
    }));
}

}  // namespace

int main(int argc, char** argv)
{
    const int reps = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int count = argc > 2 ? std::max(10, std::atoi(argv[2])) : 1000;
    const Scene scene = MakeScene(2026, count, 1000.0f, 40.0f);
    const auto paths = PathsOf(scene);
    const Geom::PathVector pv = PathVectorOf(scene);

    double gridBest = 1e300, allBest = 1e300, seconds = 0;
    SearchResult grid, all;
    for (int i = 0; i < reps; ++i) {
        grid = Search(paths, ov::CandidateSearch::Grid, seconds);
        gridBest = std::min(gridBest, seconds);
    }
    for (int i = 0; i < std::min(reps, 2); ++i) {
        all = Search(paths, ov::CandidateSearch::AllPairs, seconds);
        allBest = std::min(allBest, seconds);
    }
    const double rebuild = Best(reps, [&] {
        ov::ClipPieces view;
        view.Rebuild(paths);
    });
    std::vector<Geom::PVIntersection> hits;
    const double geom = Best(reps, [&] { hits = pv.intersect(pv); });
    const size_t figures = paths.size();
    const auto cuts = grid.first.cuts + grid.second.cuts;
    std::printf(
        "{\"paths\": %zu, \"search_grid_s\": %.4f, \"search_all_pairs_s\": %.4f, \"rebuild_s\": %.4f, "
        "\"lib2geom_intersect_s\": %.4f, \"grid_vs_lib2geom\": %.3f, \"rebuild_vs_lib2geom\": %.3f, "
        "\"grid_vs_all_pairs\": %.3f, \"cuts\": %lld, \"pieces\": %zu, \"pieces_all_pairs\": %zu, "
        "\"lib2geom_crossings\": %zu, \"visits\": [%lld, %lld], \"budget\": [%lld, %lld]}\n",
        figures, gridBest, allBest, rebuild, geom, gridBest / geom, rebuild / geom, gridBest / allBest,
        static_cast<long long>(cuts), grid.pieces, all.pieces, CrossingsOf(hits),
        static_cast<long long>(grid.first.visits), static_cast<long long>(grid.second.visits),
        static_cast<long long>(grid.first.budget), static_cast<long long>(grid.second.budget));
    return 0;
}
