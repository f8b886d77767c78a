// Mirror and apply of a 100,000-position magnet table against the plain every-pair rule, both in this
// process: the table's rows are read, mirrored about the vertical axis and turned into page positions.
// Both pipelines must give identical positions; prints the ratio. OV_MAGNET_BENCH_ROWS changes the count.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "grid/GridCells.h"
#include "magnets/MagnetMirror.h"
#include "magnets/MagnetTable.h"

namespace {

int BenchRows()
{
    const char* rows = std::getenv("OV_MAGNET_BENCH_ROWS");
    return rows != nullptr && std::atoi(rows) > 0 ? std::atoi(rows) : 100000;
}

// Positions on a 0.01 raster, one in eight on the vertical axis (their images coincide).
const ov::GridCells& Table()
{
    static const ov::GridCells cells = [] {
        std::vector<ov::TableRow> rows;
        uint64_t state = 12345;
        for (int i = 0; i < BenchRows(); ++i) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            const double x = i % 8 == 0 ? 0.0 : static_cast<double>((state >> 33) % 200000) / 100.0 - 1000.0;
            const double y = static_cast<double>((state >> 13) % 200000) / 100.0 - 1000.0;
            rows.push_back({x, y});
        }
        ov::GridCells table;
        ov::FillTable(table, rows, false);
        return table;
    }();
    return cells;
}

// The rule as written: every image against every position already in the list.
std::vector<ov::TableRow> MirrorAllPairs(const std::vector<ov::TableRow>& rows)
{
    std::vector<ov::TableRow> result = rows;
    for (const ov::TableRow& row : rows) {
        const ov::TableRow image{-row.x, row.y, 1, 0};
        const bool near = std::any_of(result.begin(), result.end(), [&](const ov::TableRow& r) {
            return std::fabs(r.x - image.x) < 0.01 && std::fabs(r.y - image.y) < 0.01;
        });
        if (!near) result.push_back(image);
    }
    return result;
}

using Mirror = std::function<std::vector<ov::TableRow>(const std::vector<ov::TableRow>&)>;

std::map<std::string, double>& Seconds()
{
    static std::map<std::string, double> seconds;
    return seconds;
}
std::map<std::string, std::vector<OvPointF>>& Outputs()
{
    static std::map<std::string, std::vector<OvPointF>> outputs;
    return outputs;
}

void Run(benchmark::State& state, const char* name, const Mirror& mirror)
{
    const ov::GridCells& cells = Table();
    const ov::PageMapping mapping{100, 200, 2};
    double best = 1e30;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::vector<ov::TableRow> rows = mirror(ov::ReadTableRows(cells, false));
        ov::MagnetContent content = ov::ContentFromRows(rows, mapping);
        best =
            std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        benchmark::DoNotOptimize(content.positions.data());
        Outputs()[name] = std::move(content.positions);
    }
    Seconds()[name] = best;
    state.counters["positions"] = static_cast<double>(Outputs()[name].size());
}

void Bucketed(benchmark::State& state)
{
    Run(state, "bucketed", [](const auto& rows) { return ov::MirrorRows(rows, ov::MirrorAxis::Vertical); });
}

void AllPairs(benchmark::State& state)
{
    Run(state, "all-pairs", MirrorAllPairs);
}

BENCHMARK(Bucketed)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(AllPairs)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

bool Same(const std::vector<OvPointF>& a, const std::vector<OvPointF>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](OvPointF p, OvPointF q) {
               return p.x == q.x && p.y == q.y;
           });
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const auto& s = Seconds();
    if (s.count("bucketed") == 0 || s.count("all-pairs") == 0) return 0;
    if (!Same(Outputs()["bucketed"], Outputs()["all-pairs"])) {
        std::printf("MISMATCH: the bucketed mirror differs from the all-pairs rule\n");
        return 1;
    }
    std::printf(
        "mirror + apply of %d positions: identical output (%zu positions), all-pairs / bucketed = %.1fx\n",
        BenchRows(), Outputs()["bucketed"].size(), s.at("all-pairs") / s.at("bucketed"));
    return 0;
}
