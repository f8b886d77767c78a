// The formula evaluator over a million rows: the block evaluation behind EvaluateRows (what the
// dialog uses) against muParser's own array mode and one muParser Eval call per row, on the same
// formula and the same data in one run. scripts/bench-formula adds numexpr on the same data.
// `--formula TEXT` changes the formula (muParser syntax).
#include <benchmark/benchmark.h>

#include <muParser.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

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

std::u16string Formula16()
{
    return {g_formula.begin(), g_formula.end()};
}

template <bool Blocks>
void Rows(benchmark::State& state)
{
    Data& d = Shared();
    for (auto _ : state) {
        ov::COvMathParserX parser;
        parser.SetColumnFormula(Formula16(), d.table.data(), kRows, 2);
        if (Blocks) {
            parser.EvaluateRows(d.a.data(), d.out.data(), kRows);
        } else {
            parser.EvaluateRowsOneByOne(d.a.data(), d.out.data(), kRows);
        }
        benchmark::DoNotOptimize(d.out.data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

// muParser's array mode straight on the columns (OpenMP threads inside the library).
void MuParserArrayMode(benchmark::State& state)
{
    Data& d = Shared();
    for (auto _ : state) {
        mu::Parser parser;
        ov::PrepareFormulaParser(parser);
        parser.DefineVar("a", d.a.data());
        parser.DefineVar("c1", d.table.data());
        parser.DefineVar("c2", d.table.data() + kRows);
        parser.SetExpr(g_formula);
        parser.Eval(d.out.data(), kRows);
        benchmark::DoNotOptimize(d.out.data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

BENCHMARK(Rows<true>)->Name("rows_blocks")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MuParserArrayMode)->Name("rows_muparser_array")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Rows<false>)->Name("rows_eval_per_row")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--formula") == 0) {
        g_formula = argv[2];
        argv[2] = argv[0];
        argc -= 2;
        argv += 2;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
