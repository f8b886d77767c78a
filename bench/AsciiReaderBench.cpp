// Benchmark of the ASCII number reader against two floors measured in the same run: a plain pass
// over the mapped bytes, and a naive byte loop converting with std::from_chars. Files come from
// OV_ASCII_BENCH_FILES (colon-separated); `--generate DIR` writes the standard set of files,
// `--generate-large FILE` a 600 MB file of four short columns, and `--read-once FILE` reads one file
// and prints its seconds, the matrix's bytes and the process's peak resident and virtual sizes.
#include <benchmark/benchmark.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "data/import/AsciiMatrix.h"
#include "data/import/FileMapReadBlock.h"

namespace {

std::vector<std::string> BenchFiles()
{
    std::vector<std::string> files;
    const char* list = std::getenv("OV_ASCII_BENCH_FILES");
    std::stringstream in(list != nullptr ? list : "");
    for (std::string f; std::getline(in, f, ':');) {
        if (!f.empty()) files.push_back(f);
    }
    return files;
}

// Lines to skip: files named "*header*" carry one line of column names.
int64_t SkipFor(const std::string& path)
{
    return path.find("header") != std::string::npos ? 1 : 0;
}

void ReadWithReader(benchmark::State& state, const std::string& path)
{
    for (auto _ : state) {
        auto m = ov::ReadAsciiMatrix(path, SkipFor(path), -1);
        if (!m) state.SkipWithError("reader failed");
        benchmark::DoNotOptimize(m);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * std::filesystem::file_size(path)));
}

// Visits every mapped byte once, view by view, with `count` counting the line feeds of a view.
template <typename Count>
void PassOverViews(benchmark::State& state, const std::string& path, Count count)
{
    for (auto _ : state) {
        ov::COvFileMapReadBlock map;
        map.Open(path);
        uint64_t lines = 0;
        for (uint64_t i = 0;; ++i) {
            const std::string_view view = map.MapView(i, nullptr);
            if (view.empty()) break;
            lines += count(view);
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * std::filesystem::file_size(path)));
}

// The floor: one compare per byte in a plain loop.
void PlainPass(benchmark::State& state, const std::string& path)
{
    PassOverViews(state, path, [](std::string_view view) {
        uint64_t lines = 0;
        for (const char c : view) lines += c == '\n';
        return lines;
    });
}

// The vectorised floor: the C library's memchr hops from line feed to line feed.
void MemchrPass(benchmark::State& state, const std::string& path)
{
    PassOverViews(state, path, [](std::string_view view) {
        uint64_t lines = 0;
        const char* p = view.data();
        const char* const end = p + view.size();
        while (const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p))) {
            ++lines;
            p = static_cast<const char*>(lf) + 1;
        }
        return lines;
    });
}

// A straightforward reader: byte loop, token runs handed to std::from_chars, values in a vector
// (a token cut by a view boundary is read as two; the floor does not need to be exact).
void NaiveView(std::string_view text, std::vector<double>& values)
{
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        if (*p == '\0' || std::strchr("0123456789+-.eE", *p) == nullptr) {
            ++p;
            continue;
        }
        double v = 0;
        const auto r = std::from_chars(p + (*p == '+'), end, v);
        values.push_back(v);
        p = r.ptr > p ? r.ptr : p + 1;
    }
}

void NaiveFromChars(benchmark::State& state, const std::string& path)
{
    for (auto _ : state) {
        ov::COvFileMapReadBlock map;
        map.Open(path);
        std::vector<double> values;
        for (uint64_t i = 0;; ++i) {
            const std::string_view view = map.MapView(i, nullptr);
            if (view.empty()) break;
            NaiveView(view, values);
        }
        benchmark::DoNotOptimize(values.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * std::filesystem::file_size(path)));
}

void WriteFile(const std::filesystem::path& path, std::size_t bytes, bool header, bool integers)
{
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> u(-1000.0, 1000.0);
    std::ofstream out(path, std::ios::binary);
    std::string block;
    char line[256];
    if (header) block += "time position velocity force\n";
    for (std::size_t written = 0; written < bytes;) {
        if (integers) {
            std::snprintf(
                line, sizeof line, "%lld %lld %lld %lld %lld\n", static_cast<long long>(rng() % 1000000000),
                static_cast<long long>(rng() % 100000) - 50000, static_cast<long long>(rng() % 1000),
                static_cast<long long>(rng() % 10000000000ULL), static_cast<long long>(rng() % 100));
        } else {
            std::snprintf(line, sizeof line, "%.6f %.9e %.15g %g\n", u(rng), u(rng) * 1e-6, u(rng),
                          u(rng) * 1e9);
        }
        block += line;
        if (block.size() > (1 << 20)) written += block.size(), out << block, block.clear();
    }
    out << block;
}

// 600 MB of lines of four values "d.dd" (20 bytes a line): 30 million rows, a matrix of 960 MB.
void WriteLarge(const std::filesystem::path& path)
{
    std::mt19937_64 rng(7);
    std::ofstream out(path, std::ios::binary);
    std::string block;
    char line[64];
    for (int64_t row = 0; row < 30'000'000; ++row) {
        const auto cents = [&] { return static_cast<int>(rng() % 1000); };
        const int a = cents(), b = cents(), c = cents(), d = cents();
        std::snprintf(line, sizeof line, "%d.%02d %d.%02d %d.%02d %d.%02d\n", a / 100, a % 100, b / 100,
                      b % 100, c / 100, c % 100, d / 100, d % 100);
        block += line;
        if (block.size() > (1 << 20)) out << block, block.clear();
    }
    out << block;
}

// The "VmHWM" (peak resident) or "VmPeak" (peak address space) line of the process status, in bytes.
uint64_t StatusBytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(key + ":", 0) == 0) return std::stoull(line.substr(key.size() + 1)) * 1024;
    }
    return 0;
}

int ReadOnce(const std::string& path)
{
    const auto start = std::chrono::steady_clock::now();
    const auto m = ov::ReadAsciiMatrix(path, SkipFor(path), -1);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double matrix = m ? static_cast<double>(m->cols) * m->rows * sizeof(double) : 0.0;
    std::printf("{\"ok\": %s, \"seconds\": %.4f, \"matrix\": %.0f, \"peak_rss\": %llu, \"peak_vm\": %llu}\n",
                m ? "true" : "false", seconds, matrix, static_cast<unsigned long long>(StatusBytes("VmHWM")),
                static_cast<unsigned long long>(StatusBytes("VmPeak")));
    return m ? 0 : 1;
}

void Generate(const std::filesystem::path& dir)
{
    std::filesystem::create_directories(dir);
    WriteFile(dir / "floats.txt", 120u << 20, false, false);
    WriteFile(dir / "integers.txt", 140u << 20, false, true);
    WriteFile(dir / "floats-header.txt", 60u << 20, true, false);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--generate") == 0) {
        Generate(argv[2]);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--generate-large") == 0) {
        WriteLarge(argv[2]);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--read-once") == 0) return ReadOnce(argv[2]);
    for (const std::string& f : BenchFiles()) {
        const std::string name = std::filesystem::path(f).filename().string();
        benchmark::RegisterBenchmark(("reader/" + name).c_str(), ReadWithReader, f)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("plain_pass/" + name).c_str(), PlainPass, f)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("memchr_pass/" + name).c_str(), MemchrPass, f)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("naive_from_chars/" + name).c_str(), NaiveFromChars, f)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
