// The formula evaluator over a million rows: the block evaluation behind EvaluateRows (what the
// dialog uses; both cores, and one) against muParser's own array mode and one muParser Eval call
// per row, on the same formula and the same data in one run. scripts/bench-formula adds numexpr on
// the same data. `--formula TEXT` changes the formula (muParser syntax); `--best-of N` times N
// single evaluations of each variant and prints the best wall and processor times in milliseconds as
// JSON (what the script sets beside numexpr's best single evaluation), with how many ulps the block
// evaluation's values lie from muParser's.
#include <benchmark/benchmark.h>

#include <muParser.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "data/formula/BlockProgram.h"
#include "data/formula/COvMathParserX.h"
#include "data/formula/EvenlySpaced.h"
#include "data/formula/FormulaParserSetup.h"

namespace {

constexpr int32_t kRows = 1'000'000;
std::string g_formula = "sin(a)*c1 + a^2 - c2/3";

// a from 0 to 10; c1 = cos(0.001 i) and c2 = cos(0.001 (i + rows)) for row i.
struct Data {
    std::vector<double> a = ov::EvenlySpaced(0, 10, kRows);
    std::vector<double> table = std::vector<double>(2 * static_cast<size_t>(kRows));
    std::vector<double> out = std::vector<double>(kRows);
    Data()
    {
        for (size_t i = 0; i < table.size(); ++i) table[i] = std::cos(0.001 * static_cast<double>(i));
    }
};

Data& Shared()
{
    static Data data;
    return data;
}

enum class Variant { kBlocks, kBlocksOneThread, kMuParserArray, kEvalPerRow };

// One evaluation of the formula over the rows by the variant.
void EvaluateOnce(Variant variant)
{
    Data& d = Shared();
    if (variant == Variant::kMuParserArray) {  // muParser's array mode straight on the columns
        mu::Parser parser;
        ov::PrepareFormulaParser(parser);
        parser.DefineVar("a", d.a.data());
        parser.DefineVar("c1", d.table.data());
        parser.DefineVar("c2", d.table.data() + kRows);
        parser.SetExpr(g_formula);
        parser.Eval(d.out.data(), kRows);
        return;
    }
    ov::SetBlockThreadThreshold(variant == Variant::kBlocksOneThread ? INT64_MAX : 0);
    ov::COvMathParserX parser;
    parser.SetColumnFormula(std::u16string(g_formula.begin(), g_formula.end()), d.table.data(), kRows, 2);
    if (variant == Variant::kEvalPerRow) {
        parser.EvaluateRowsOneByOne(d.a.data(), d.out.data(), kRows);
    } else {
        parser.EvaluateRows(d.a.data(), d.out.data(), kRows);
    }
    ov::SetBlockThreadThreshold(0);
}

void Rows(benchmark::State& state, Variant variant)
{
    for (auto _ : state) {
        EvaluateOnce(variant);
        benchmark::DoNotOptimize(Shared().out.data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

constexpr std::pair<const char*, Variant> kVariants[] = {{"rows_blocks", Variant::kBlocks},
                                                         {"rows_blocks_1thread", Variant::kBlocksOneThread},
                                                         {"rows_muparser_array", Variant::kMuParserArray},
                                                         {"rows_eval_per_row", Variant::kEvalPerRow}};

// Processor time of the whole process (every thread) in milliseconds.
double ProcessCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Doubles between the block evaluation's value and muParser's (one Eval per row): the most in any row,
// and the number of rows where they are more than 2 apart.
std::pair<int64_t, int64_t> UlpsFromMuParser()
{
    EvaluateOnce(Variant::kEvalPerRow);
    const std::vector<double> reference = Shared().out;
    EvaluateOnce(Variant::kBlocks);
    int64_t worst = 0;
    int64_t over_two = 0;
    for (size_t i = 0; i < reference.size(); ++i) {
        const auto x = std::bit_cast<int64_t>(reference[i]);
        const auto y = std::bit_cast<int64_t>(Shared().out[i]);
        const int64_t apart = (x < 0) == (y < 0) ? std::abs(x - y) : INT64_MAX;
        worst = std::max(worst, apart);
        over_two += apart > 2 ? 1 : 0;
    }
    return {worst, over_two};
}

// Best wall time and best processor time (all threads) of `reps` single evaluations per variant, and
// how far the block evaluation's values lie from muParser's.
int BestOf(int reps)
{
    std::printf("{");
    for (std::size_t v = 0; v < std::size(kVariants); ++v) {
        double wall = 1e9;
        double cpu = 1e9;
        for (int r = 0; r < reps; ++r) {
            const auto start = std::chrono::steady_clock::now();
            const double cpu_start = ProcessCpuMs();
            EvaluateOnce(kVariants[v].second);
            benchmark::DoNotOptimize(Shared().out.data());
            cpu = std::min(cpu, ProcessCpuMs() - cpu_start);
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            wall = std::min(wall, took.count());
        }
        std::printf("%s\"%s\": [%.3f, %.3f]", v == 0 ? "" : ", ", kVariants[v].first, wall, cpu);
    }
    const auto [worst, over_two] = UlpsFromMuParser();
    std::printf(", \"ulps_from_muparser\": [%lld, %lld]}\n", static_cast<long long>(worst),
                static_cast<long long>(over_two));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--formula") == 0) {
        g_formula = argv[2];
        argv[2] = argv[0];
        argc -= 2;
        argv += 2;
    }
    if (argc == 3 && std::strcmp(argv[1], "--best-of") == 0) return BestOf(std::atoi(argv[2]));
    for (const auto& [name, variant] : kVariants) {
        benchmark::RegisterBenchmark(name, Rows, variant)->Unit(benchmark::kMillisecond)->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
