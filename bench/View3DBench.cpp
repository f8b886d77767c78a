// 3-D model rebuild on a 1000 × 1000 surface with 16 contour levels: every view preset (each rebuild
// over the model the one before left), presets 8 and 9 after the model was freed, reported against
// preset 8 (filled bands) of the same run, and the projection with the back-to-front order.
// `--write-grid FILE` writes the z values (x fastest, little-endian doubles) for the contour peer in
// scripts/bench-3d. `--hash` prints, per preset, a hash of the whole model (kind, count, points, colour and
// children of every item) so a change to the builders can show that it builds the same model.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
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

// A rebuild after the previous model was freed: nothing of it is left to build the new one from.
void BM_BuildAfterFree(benchmark::State& state)
{
    Scene scene;
    scene.record.view_preset_3d = static_cast<uint8_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        ov::FreeModelItems(scene.object.items);
        state.ResumeTiming();
        ov::RebuildModel(scene.record, scene.object);
        benchmark::DoNotOptimize(scene.object.items.count);
    }
}
BENCHMARK(BM_BuildAfterFree)->Arg(8)->Arg(9)->Unit(benchmark::kMillisecond)->Iterations(2);

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

// FNV-1a over the bytes of every item's kind, count, points and colour, children after their parent.
void HashItems(const OvHostList& list, std::uint64_t& hash)
{
    const auto mix = [&hash](const void* data, std::size_t size) {
        for (std::size_t k = 0; k < size; ++k) {
            hash ^= static_cast<const unsigned char*>(data)[k];
            hash *= 1099511628211ULL;
        }
    };
    for (const ModelItem* item : ov::ModelItemsOf(list)) {
        mix(&item->kind, sizeof item->kind);
        mix(&item->count, sizeof item->count);
        mix(item->points, sizeof(OvPoint3F) * static_cast<std::size_t>(item->count));
        mix(item->colour, sizeof item->colour);
        const int32_t children = ov_list_count(&item->children);
        mix(&children, sizeof children);
        HashItems(item->children, hash);
    }
}

int PrintHashes()
{
    Scene scene;
    for (int preset = 0; preset <= 9; ++preset) {
        scene.record.view_preset_3d = static_cast<uint8_t>(preset);
        if (!ov::RebuildModel(scene.record, scene.object)) return 1;
        std::uint64_t hash = 14695981039346656037ULL;
        HashItems(scene.object.items, hash);
        std::printf("preset %d: %d items, model hash %016llx\n", preset, ov_list_count(&scene.object.items),
                    static_cast<unsigned long long>(hash));
    }
    return 0;
}

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
    if (argc == 2 && std::strcmp(argv[1], "--hash") == 0) return PrintHashes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
