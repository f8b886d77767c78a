// 3-D model rebuild on a 1000 × 1000 surface with 16 contour levels: every view preset, reported
// against preset 8 (filled bands) of the same run, and the projection with the back-to-front order.
// `--write-grid FILE` writes the z values (x fastest, little-endian doubles) for the contour peer in
// scripts/bench-3d.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "view3d/ModelItems.h"
#include "view3d/ModelProjection.h"
#include "view3d/ModelRebuild.h"
#include "view3d/SurfaceData.h"
#include "view3d/ViewState.h"

namespace {

constexpr int kSide = 1000;

// Hills and valleys with a slope, so every level crosses many cells.
std::vector<double> MakeValues()
{
    std::vector<double> v(static_cast<std::size_t>(kSide) * kSide);
    for (int j = 0; j < kSide; ++j)
        for (int i = 0; i < kSide; ++i) {
            const double x = i / (kSide - 1.0), y = j / (kSide - 1.0);
            v[static_cast<std::size_t>(j) * kSide + i] = std::sin(9 * x) * std::cos(7 * y) + 0.5 * x * y;
        }
    return v;
}

struct Scene {
    ChartRecord record{};
    Host3DObject object{};
    SurfaceGrid grid{};

    Scene()
    {
        const std::vector<double> values = MakeValues();
        ov::SetSurfaceData(grid, values.data(), kSide, kSide, 0, 1, 0, 1);
        object.surface = &grid;
        record.kind = 5;
        record.contour_levels = 16;
        record.colour_map_3d = 1;
        for (int a = 0; a < 3; ++a) {
            record.axes[a].shown = 1;
            record.axes[a].ratio_3d = 1;
        }
    }
    ~Scene()
    {
        ov::FreeModelItems(object.items);
        ov::FreeSurfaceData(&grid);
    }
};

void BM_Rebuild(benchmark::State& state)
{
    Scene scene;
    scene.record.view_preset_3d = static_cast<uint8_t>(state.range(0));
    for (auto _ : state) {
        ov::RebuildModel(scene.record, scene.object);
        benchmark::DoNotOptimize(scene.object.items.count);
    }
    state.counters["items"] = ov_list_count(&scene.object.items);
}
BENCHMARK(BM_Rebuild)->DenseRange(0, 9)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_ProjectAndSort(benchmark::State& state)
{
    Scene scene;
    scene.record.view_preset_3d = 4;
    const float identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    ov::ViewState view(0, identity);
    view.Resize(800, 600);
    for (auto _ : state) {
        state.PauseTiming();
        ov::RebuildModel(scene.record, scene.object);
        state.ResumeTiming();
        ov::ProjectModel(scene.object, view.Frame(1), true);
    }
}
BENCHMARK(BM_ProjectAndSort)->Unit(benchmark::kMillisecond)->Iterations(2);

int WriteGrid(const char* path)
{
    const std::vector<double> v = MakeValues();
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return 1;
    const bool ok = std::fwrite(v.data(), sizeof(double), v.size(), file) == v.size();
    return std::fclose(file) == 0 && ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--write-grid") == 0) return WriteGrid(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
