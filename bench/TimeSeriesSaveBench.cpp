// TimeSeriesSaveBench: the time-series dialog's "save as text" on a series of 100 columns × 10,000 rows:
// the grid's cells as shown ("%g", ","), once into memory and once through the atomic file writer to
// a file in OV_TS_BENCH_DIR (default: the system's temporary folder). `--generate FILE` writes the
// series' values as raw doubles, column-major, so scripts/bench-time-series hands a peer the same numbers.
#include "animation/TimeSeriesText.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

constexpr int kColumns = 100;
constexpr int kRows = 10000;

// Column 0 the time step, the others waves of several magnitudes and signs, so the texts vary in
// length and form (plain, fractional, exponent) as animated quantities do.
std::vector<double> SeriesValues()
{
    std::vector<double> values(static_cast<std::size_t>(kColumns) * kRows);
    for (int c = 0; c < kColumns; ++c) {
        const double scale = std::pow(10.0, c % 9 - 4);
        for (int r = 0; r < kRows; ++r)
            values[static_cast<std::size_t>(c) * kRows + r] =
                c == 0 ? r : scale * std::sin(0.001 * r * (c + 1));
    }
    return values;
}

ov::GridCells SeriesCells()
{
    ov::OwnedTimeSeries series = ov::CreateTimeSeries();
    if (!series || !ov::SetTimeSeriesSize(*series, kColumns, kRows)) std::abort();
    const std::vector<double> values = SeriesValues();
    std::copy(values.begin(), values.end(), series->values);
    ov::GridCells cells;
    ov::LoadSeriesCells(cells, series.get());
    return cells;
}

void TextInMemory(benchmark::State& state)
{
    const ov::GridCells cells = SeriesCells();
    for (auto _ : state) {
        std::ostringstream out;
        ov::WriteTimeSeriesText(cells, out);
        benchmark::DoNotOptimize(out.view().size());
    }
    state.SetItemsProcessed(state.iterations() * kColumns * kRows);
}

void SaveToFile(benchmark::State& state)
{
    const ov::GridCells cells = SeriesCells();
    const char* dir = std::getenv("OV_TS_BENCH_DIR");
    const std::filesystem::path path =
        std::filesystem::path(dir ? dir : std::filesystem::temp_directory_path().string()) /
        "series-ours.txt";
    for (auto _ : state) {
        if (!ov::SaveTimeSeriesText(cells, path.string())) state.SkipWithError("cannot write the file");
    }
    state.SetItemsProcessed(state.iterations() * kColumns * kRows);
}

}  // namespace

BENCHMARK(TextInMemory)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SaveToFile)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--generate") == 0) {
        const std::vector<double> values = SeriesValues();
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(values.data()),
                  static_cast<std::streamsize>(values.size() * sizeof(double)));
        return out ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
