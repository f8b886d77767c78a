// The formula evaluator over a million rows: muParser's array mode (what the dialog uses) against
// its peer, one Eval call per row, on the same formula and the same data in one run. Compare the
// items-per-second of the two rows.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "data/formula/COvMathParserX.h"
#include "data/formula/EvenlySpaced.h"

namespace {

constexpr int32_t kRows = 1'000'000;

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

template <bool Bulk>
void Rows(benchmark::State& state)
{
    Data& d = Shared();
    for (auto _ : state) {
        ov::COvMathParserX parser;
        parser.SetColumnFormula(u"sin(a)*c1 + a^2 - c2/3", d.table.data(), kRows, 2);
        if (Bulk) {
            parser.EvaluateRows(d.a.data(), d.out.data(), kRows);
        } else {
            parser.EvaluateRowsOneByOne(d.a.data(), d.out.data(), kRows);
        }
        benchmark::DoNotOptimize(d.out.data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

BENCHMARK(Rows<true>)->Name("rows_array_mode")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Rows<false>)->Name("rows_eval_per_row")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
