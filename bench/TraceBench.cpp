// Flood Fill Tool on a 4000 × 3000 synthetic photo: each tracing stage, a full rerun, the preview
// redraw and a whole slider change (retrace + merge + redraw), each reported against the flood fill
// measured in the same run. CPU time is the whole process's: the redraw hatches on a second thread. After the
// runs it states whether the outlines kept when the contour search leaves out tiny holes and outlines bound
// to be debris are those of the full search on both scenes.
// `--write-pbm FILE` writes the traced region as a PBM for the potrace comparison in scripts/bench-trace.
#include <benchmark/benchmark.h>

#include <QImage>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "trace/FigureBuilder.h"
#include "trace/FloodFillMask.h"
#include "trace/TraceEngine.h"
#include "trace/TracePreview.h"

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr float kSeedX = 2000, kSeedY = 1500;
const ov::FloodFillSettings kSettings{40, 30, 10, 80, ov::kPathBlending, true};

// A sky-like gradient with sensor noise and a large noisy blob with wavy edges and two holes. Scene 0:
// the sky stays at least 60 away from the blob's colour, so the region is the blob. Scene 1 ("speckled"):
// the lower sky comes within 10 to 20 of it, the fill leaks into it and its noise leaves about 10^5
// specks (holes) that the debris threshold must drop.
cv::Mat MakePhoto(int scene)
{
    cv::Mat image(kHeight, kWidth, CV_8UC3);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> noise(-12, 12);
    for (int y = 0; y < kHeight; ++y) {
        auto* row = image.ptr<cv::Vec3b>(y);
        for (int x = 0; x < kWidth; ++x) {
            const double dx = (x - 2000) / 1500.0, dy = (y - 1500) / 1100.0;
            const double r = std::hypot(dx, dy) + 0.08 * std::sin(9 * std::atan2(dy, dx));
            const bool hole =
                std::hypot(x - 2600.0, y - 1200.0) < 120 || std::hypot(x - 1500.0, y - 1800.0) < 60;
            const bool blob = r < 1 && !hole;
            const int base = blob ? 90 : 200 - y / (scene == 0 ? 60 : 30);
            const int n = noise(rng);
            row[x] = cv::Vec3b(cv::saturate_cast<uchar>(base + 40 + n), cv::saturate_cast<uchar>(base + n),
                               cv::saturate_cast<uchar>(base - 30 + n));
        }
    }
    return image;
}

struct Fixture {
    cv::Mat photo;
    ov::PreviewBitmap display;
    ov::TraceEngine engine;
    explicit Fixture(int scene) : photo(MakePhoto(scene))
    {
        QImage picture(kWidth, kHeight, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        display = ov::MakePreviewBitmap(std::move(picture));
        engine.SetSource(photo);
        engine.SetSeed(kSeedX, kSeedY);
        engine.SetSettings(kSettings);
        engine.Update();
    }
};

Fixture& Shared(int scene)
{
    static Fixture clean(0);
    if (scene == 0) return clean;
    static Fixture speckled(1);
    return speckled;
}

void Redraw(Fixture& f, QImage& target, ov::PathObject& merged)
{
    f.engine.MergeFigures(merged);
    ov::PaintTracePreview(target, {&f.display, &merged, &f.engine.KeyPoints(), true, 1.0});
}

void BM_FloodFill(benchmark::State& state)
{
    Fixture& f = Shared(static_cast<int>(state.range(0)));
    cv::Mat mask = ov::MakeMask(f.photo);
    for (auto _ : state) ov::FloodFillMask(f.photo, mask, kSeedX, kSeedY, kSettings.permeability);
    state.counters["region_px"] = cv::countNonZero(mask);
}

void BM_ExtractContours(benchmark::State& state)
{
    Fixture& f = Shared(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ov::ExtractContours(f.engine.Mask()));
    state.counters["outlines"] = static_cast<double>(f.engine.Contours().size());
}

// The contour stage as the engine runs it: tiny holes filled on a copy, then the search, reducing only
// the outlines that could pass a debris threshold.
void BM_ExtractOutlines(benchmark::State& state)
{
    Fixture& f = Shared(static_cast<int>(state.range(0)));
    size_t listed = 0;
    for (auto _ : state) listed = ov::ExtractOutlines(f.engine.Mask(), true).outlines.size();
    state.counters["outlines"] = static_cast<double>(listed);
}

void BM_DebrisThreshold(benchmark::State& state)
{
    Fixture& f = Shared(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ov::ComputeDebrisThreshold(f.engine.Contours(), 30));
}

void BM_BuildFigures(benchmark::State& state)
{
    Fixture& f = Shared(static_cast<int>(state.range(0)));
    std::vector<OvPointF> keys;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ov::BuildContourPaths(f.engine.Contours(), f.engine.DebrisThreshold(), kSettings, keys));
    }
    state.counters["figures"] = static_cast<double>(f.engine.Figures().size());
}

void BM_FullRerun(benchmark::State& state)
{
    Fixture& f = Shared(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.engine.SetSeed(kSeedX, kSeedY);
        f.engine.Update();
    }
}

void BM_PreviewRedraw(benchmark::State& state)
{
    Fixture& f = Shared(static_cast<int>(state.range(0)));
    QImage target(640, 560, QImage::Format_RGB32);
    ov::PathObject merged;
    for (auto _ : state) Redraw(f, target, merged);
    state.counters["path_points"] = merged.PointCount();
}

// What the user waits for after moving the permeability slider.
void BM_PermeabilitySliderChange(benchmark::State& state)
{
    Fixture& f = Shared(static_cast<int>(state.range(0)));
    QImage target(640, 560, QImage::Format_RGB32);
    ov::PathObject merged;
    ov::FloodFillSettings s = kSettings;
    for (auto _ : state) {
        s.permeability = s.permeability == 40 ? 41 : 40;
        f.engine.SetSettings(s);
        f.engine.Update();
        Redraw(f, target, merged);
    }
}

BENCHMARK(BM_FloodFill)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_ExtractContours)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_ExtractOutlines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_DebrisThreshold)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_BuildFigures)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_FullRerun)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_PreviewRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_PermeabilitySliderChange)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

// The traced region as a plain-bitmap PBM (1 = inside), the input potrace gets.
int WritePbm(const char* path)
{
    const cv::Mat& mask = Shared(0).engine.Mask();
    FILE* file = std::fopen(path, "wb");
    if (!file) return 1;
    std::fprintf(file, "P4\n%d %d\n", mask.cols, mask.rows);
    std::vector<unsigned char> row(static_cast<size_t>((mask.cols + 7) / 8));
    for (int y = 0; y < mask.rows; ++y) {
        std::fill(row.begin(), row.end(), 0);
        for (int x = 0; x < mask.cols; ++x) {
            if (mask.at<uchar>(y, x))
                row[static_cast<size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        }
        std::fwrite(row.data(), 1, row.size(), file);
    }
    return std::fclose(file) == 0 ? 0 : 1;
}

// Kept outlines, point for point and in order, of the full search and of the engine's search.
void ReportSameOutlines()
{
    for (const int scene : {0, 1}) {
        ov::TraceEngine& engine = Shared(scene).engine;
        engine.SetSettings(kSettings);  // the slider benchmark may have left permeability 41
        engine.Update();
        const cv::Mat& mask = engine.Mask();
        const ov::Outlines all = ov::ExtractContours(mask);
        const ov::OutlineSet reduced = ov::ExtractOutlines(mask, true);
        const auto threshold = ov::DebrisThresholdOf(reduced, kSettings.debris);
        auto kept = [](const ov::Outlines& outlines, double t) {
            ov::Outlines out;
            for (const ov::Outline& o : outlines) {
                if (!o.empty() && ov::OutlineArea(o) >= t) out.push_back(o);
            }
            return out;
        };
        const bool same = threshold && kept(reduced.outlines, *threshold) ==
                                           kept(all, ov::ComputeDebrisThreshold(all, kSettings.debris));
        std::fprintf(stderr, "scene %d: %zu outlines, %zu left out, kept outlines the same: %s\n", scene,
                     all.size(), reduced.skipped, same ? "yes" : "NO");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--write-pbm") == 0) return WritePbm(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ReportSameOutlines();
    return 0;
}
