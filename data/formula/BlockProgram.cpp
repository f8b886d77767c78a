// BlockProgram: translation of muParser's bytecode into block operations, the loops over a block,
// and the split of long columns among threads. The stack of the interpreter holds per level either
// a slice of an input column (read in place), the level's own block buffer, or a single constant.
#include "data/formula/BlockProgram.h"

#include <muParser.h>

#include <math.h>
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <functional>
#include <string>
#include <thread>
#include <utility>

#include "data/formula/BlockSinCos.h"
#include "data/formula/VectorClones.h"

// The loops over a block have run-time lengths, which the cheapest vectorisation model of -O2 leaves
// scalar; the dynamic model vectorises them (element by element, so the values do not change).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC optimize("vect-cost-model=dynamic")
#endif

namespace ov {
namespace {

constexpr int64_t kBlockRows = 1024;
constexpr int64_t kDefaultThreadThreshold = int64_t{1} << 16;
constexpr unsigned kMaxThreads = 8;
std::atomic<int64_t> g_thread_threshold{0};

// A stack level over one block: `values` (a column slice or a buffer), or `constant` when null.
struct Operand {
    const double* values = nullptr;
    double constant = 0.0;
};

// The result of the built-in binary operator `code`, written as muParser's interpreter computes it.
template <int Code>
inline double Apply(double x, double y)
{
    if constexpr (Code == mu::cmLE) return x <= y;
    if constexpr (Code == mu::cmGE) return x >= y;
    if constexpr (Code == mu::cmNEQ) return x != y;
    if constexpr (Code == mu::cmEQ) return x == y;
    if constexpr (Code == mu::cmLT) return x < y;
    if constexpr (Code == mu::cmGT) return x > y;
    if constexpr (Code == mu::cmADD) return x + y;
    if constexpr (Code == mu::cmSUB) return x - y;
    if constexpr (Code == mu::cmMUL) return x * y;
    if constexpr (Code == mu::cmDIV) return x / y;
    if constexpr (Code == mu::cmPOW) return std::pow(x, y);
    if constexpr (Code == mu::cmLAND) return x != 0 && y != 0;
    if constexpr (Code == mu::cmLOR) return x != 0 || y != 0;
    return 0.0;
}

constexpr std::array kBinaryCodes = {mu::cmLE,  mu::cmGE,   mu::cmNEQ, mu::cmEQ,  mu::cmLT,
                                     mu::cmGT,  mu::cmADD,  mu::cmSUB, mu::cmMUL, mu::cmDIV,
                                     mu::cmPOW, mu::cmLAND, mu::cmLOR};

// out[i] = x op y over n rows; either side may be a constant (both constant: one value).
template <int Code>
OV_VECTOR_CLONES Operand BinaryLoop(Operand x, Operand y, double* __restrict out, int64_t n)
{
    if (x.values == nullptr && y.values == nullptr) return {nullptr, Apply<Code>(x.constant, y.constant)};
    if (x.values == nullptr) {
        const double c = x.constant;
        const double* __restrict b = y.values;
        for (int64_t i = 0; i != n; ++i) out[i] = Apply<Code>(c, b[i]);
    } else if (y.values == nullptr) {
        const double c = y.constant;
        const double* __restrict a = x.values;
        for (int64_t i = 0; i != n; ++i) out[i] = Apply<Code>(a[i], c);
    } else {
        const double* a = x.values;
        const double* b = y.values;
        for (int64_t i = 0; i != n; ++i) out[i] = Apply<Code>(a[i], b[i]);
    }
    return {out, 0.0};
}

using BinaryFn = Operand (*)(Operand, Operand, double*, int64_t);

template <std::size_t... I>
constexpr std::array<BinaryFn, sizeof...(I)> MakeBinaryTable(std::index_sequence<I...>)
{
    return {&BinaryLoop<kBinaryCodes[I]>...};
}
constexpr std::array<BinaryFn, kBinaryCodes.size()> kBinaryLoops =
    MakeBinaryTable(std::make_index_sequence<kBinaryCodes.size()>());

int BinarySlot(int code)
{
    const auto* at = std::find(kBinaryCodes.begin(), kBinaryCodes.end(), code);
    return at == kBinaryCodes.end() ? -1 : static_cast<int>(at - kBinaryCodes.begin());
}

double ValueAt(const Operand& o, int64_t i)
{
    return o.values != nullptr ? o.values[i] : o.constant;
}

using UnaryFn = double (*)(double);
using BlockFn = void (*)(const double*, double*, int64_t);

template <UnaryFn Function>
void LibraryLoop(const double* x, double* out, int64_t n)
{
    for (int64_t i = 0; i != n; ++i) out[i] = Function(x[i]);
}

// muParser's wrappers of library functions that do nothing but call the function, each found once in
// the bytecode of a probe formula, with the loop that replaces it over a block: sine and cosine by
// the block versions (within 1 ulp, not always the library's last bit), the others by the library
// function called straight, which gives the same value and saves a call per row.
const std::vector<std::pair<mu::erased_fun_type, BlockFn>>& BlockFunctions()
{
    static const std::vector<std::pair<mu::erased_fun_type, BlockFn>> table = [] {
        const std::pair<const char*, BlockFn> replacements[] = {{"sin", SinBlock},
                                                                {"cos", CosBlock},
                                                                {"tan", LibraryLoop<::tan>},
                                                                {"exp", LibraryLoop<::exp>},
                                                                {"sqrt", LibraryLoop<::sqrt>},
                                                                {"ln", LibraryLoop<::log>}};
        std::vector<std::pair<mu::erased_fun_type, BlockFn>> found;
        mu::Parser probe;
        double x = 0.0;
        for (const auto& [name, loop] : replacements) {
            try {
                probe.DefineVar("x", &x);
                probe.SetExpr(std::string(name) + "(x)");
                probe.Eval();
                for (const mu::SToken* t = probe.GetByteCode().GetBase(); t->Cmd != mu::cmEND; ++t) {
                    if (t->Cmd == mu::cmFUNC && t->Fun.cb._pUserData == nullptr)
                        found.emplace_back(t->Fun.cb._pRawFun, loop);
                }
            } catch (
                const mu::Parser::exception_type&) {  // a muParser without the function: called through it
            }
        }
        return found;
    }();
    return table;
}

// A function of one argument without user data, over a column slice: its block loop, or muParser's
// function row by row.
Operand UnaryLoop(const mu::generic_callable_type& f, const double* x, double* out, int64_t n)
{
    for (const auto& [wrapper, loop] : BlockFunctions()) {
        if (wrapper == f._pRawFun) {
            loop(x, out, n);
            return {out, 0.0};
        }
    }
    const auto fn = reinterpret_cast<mu::fun_type1>(f._pRawFun);
    for (int64_t i = 0; i != n; ++i) out[i] = fn(x[i]);
    return {out, 0.0};
}

// The function applied row by row to the `count` operands from `args` on (count < 0: a list).
Operand FunctionLoop(const BlockOp& op, const Operand* args, double* out, int64_t n)
{
    const mu::generic_callable_type& f = op.function;
    const int argc = op.count < 0 ? -op.count : op.count;
    const bool constant =
        std::all_of(args, args + argc, [](const Operand& o) { return o.values == nullptr; });
    if (argc == 1 && !constant && f._pUserData == nullptr) return UnaryLoop(f, args[0].values, out, n);
    const int64_t rows = constant ? 1 : n;
    std::array<double, 16> list{};
    for (int64_t i = 0; i != rows; ++i) {
        double v = 0.0;
        if (op.count < 0) {
            for (int k = 0; k < argc; ++k) list[static_cast<std::size_t>(k)] = ValueAt(args[k], i);
            v = f.call_multfun(list.data(), argc);
        } else if (argc == 1) {
            v = f.call_fun<1>(ValueAt(args[0], i));
        } else if (argc == 2) {
            v = f.call_fun<2>(ValueAt(args[0], i), ValueAt(args[1], i));
        } else {
            v = f.call_fun<3>(ValueAt(args[0], i), ValueAt(args[1], i), ValueAt(args[2], i));
        }
        if (constant) return {nullptr, v};
        out[i] = v;
    }
    return {out, 0.0};
}

// column^power by repeated multiplication, left to right as muParser does.
OV_VECTOR_CLONES Operand PowerLoop(const double* __restrict x, int power, double* __restrict out, int64_t n)
{
    if (power == 2) {
        for (int64_t i = 0; i != n; ++i) out[i] = x[i] * x[i];
    } else if (power == 3) {
        for (int64_t i = 0; i != n; ++i) out[i] = x[i] * x[i] * x[i];
    } else {
        for (int64_t i = 0; i != n; ++i) out[i] = x[i] * x[i] * x[i] * x[i];
    }
    return {out, 0.0};
}

OV_VECTOR_CLONES Operand ScaledLoop(const double* __restrict x, double scale, double offset,
                                    double* __restrict out, int64_t n)
{
    for (int64_t i = 0; i != n; ++i) out[i] = x[i] * scale + offset;
    return {out, 0.0};
}

// The operation for one bytecode token, or nothing when the block form does not take it.
std::optional<BlockOp> Translate(const mu::SToken& t, const std::vector<const double*>& variables)
{
    BlockOp op;
    const auto column_of = [&](const double* p) {
        const auto at = std::find(variables.begin(), variables.end(), p);
        return at == variables.end() ? -1 : static_cast<int>(at - variables.begin());
    };
    switch (t.Cmd) {
    case mu::cmVAL:
        op.kind = BlockOp::kPushConstant;
        op.value = t.Val.data2;
        return op;
    case mu::cmVAR:
    case mu::cmVARMUL:
    case mu::cmVARPOW2:
    case mu::cmVARPOW3:
    case mu::cmVARPOW4:
        op.column = column_of(t.Val.ptr);
        if (op.column < 0) return std::nullopt;
        op.kind = t.Cmd == mu::cmVAR      ? BlockOp::kPushColumn
                  : t.Cmd == mu::cmVARMUL ? BlockOp::kPushScaled
                                          : BlockOp::kPushPower;
        op.count = 2 + static_cast<int>(t.Cmd) - static_cast<int>(mu::cmVARPOW2);
        op.value = t.Val.data;
        op.value2 = t.Val.data2;
        return op;
    case mu::cmFUNC:
        if (t.Fun.argc == 0 || t.Fun.argc > 3 || t.Fun.argc < -16) return std::nullopt;
        op.kind = BlockOp::kFunction;
        op.count = t.Fun.argc;
        op.function = t.Fun.cb;
        return op;
    default:
        if (BinarySlot(t.Cmd) < 0) return std::nullopt;
        op.kind = BlockOp::kBinary;
        op.code = BinarySlot(t.Cmd);
        return op;
    }
}

// The stack levels an operation takes off before pushing its one result.
int Consumed(const BlockOp& op)
{
    if (op.kind == BlockOp::kBinary) return 2;
    if (op.kind == BlockOp::kFunction) return op.count < 0 ? -op.count : op.count;
    return 0;
}

}  // namespace

std::optional<BlockProgram> BlockProgram::FromParser(const mu::ParserBase& parser,
                                                     const std::vector<const double*>& variables)
{
    const mu::ParserByteCode& code = parser.GetByteCode();
    if (code.GetSize() == 0) return std::nullopt;
    BlockProgram program;
    int depth = 0;
    for (const mu::SToken* t = code.GetBase(); t->Cmd != mu::cmEND; ++t) {
        const std::optional<BlockOp> op = Translate(*t, variables);
        if (!op) return std::nullopt;
        depth -= Consumed(*op);
        if (depth < 0) return std::nullopt;
        program.depth_ = std::max(program.depth_, ++depth);
        program.ops_.push_back(*op);
    }
    if (depth != 1) return std::nullopt;  // several results ("1,2") are left to muParser
    return program;
}

bool BlockProgram::RunRange(const std::vector<const double*>& columns, double* output, int64_t begin,
                            int64_t end) const
{
    // The bottom level of the stack works in the output itself unless the output shares memory with
    // an input column, which the later operations of a block may still read.
    const std::less<const double*> before;
    const bool in_place = std::none_of(columns.begin(), columns.end(), [&](const double* c) {
        return before(c + begin, output + end) && before(output + begin, c + end);
    });
    try {
        std::vector<double> buffers(static_cast<std::size_t>(depth_ * kBlockRows));
        std::vector<Operand> stack(static_cast<std::size_t>(depth_));
        for (int64_t row = begin; row < end; row += kBlockRows) {
            const int64_t n = std::min(kBlockRows, end - row);
            std::size_t top = 0;
            for (const BlockOp& op : ops_) {
                const std::size_t level = top - static_cast<std::size_t>(Consumed(op));
                double* const out =
                    level == 0 && in_place ? output + row : buffers.data() + level * kBlockRows;
                const bool reads_column = op.kind != BlockOp::kPushConstant && op.kind <= BlockOp::kPushPower;
                const double* const x =
                    reads_column ? columns[static_cast<std::size_t>(op.column)] + row : nullptr;
                switch (op.kind) {
                case BlockOp::kPushColumn: stack[level] = {x, 0.0}; break;
                case BlockOp::kPushConstant: stack[level] = {nullptr, op.value}; break;
                case BlockOp::kPushScaled: stack[level] = ScaledLoop(x, op.value, op.value2, out, n); break;
                case BlockOp::kPushPower: stack[level] = PowerLoop(x, op.count, out, n); break;
                case BlockOp::kBinary:
                    stack[level] = kBinaryLoops[static_cast<std::size_t>(op.code)](stack[level],
                                                                                   stack[level + 1], out, n);
                    break;
                case BlockOp::kFunction: stack[level] = FunctionLoop(op, &stack[level], out, n); break;
                }
                top = level + 1;
            }
            const Operand& result = stack[0];
            if (result.values == nullptr) {
                std::fill(output + row, output + row + n, result.constant);
            } else if (result.values != output + row) {
                std::copy(result.values, result.values + n, output + row);
            }
        }
    } catch (...) {  // a function of the formula threw, or no memory: the caller falls back to muParser
        return false;
    }
    return true;
}

bool BlockProgram::Run(const std::vector<const double*>& columns, double* output, int64_t count) const
{
    const int64_t threshold =
        g_thread_threshold.load() != 0 ? g_thread_threshold.load() : kDefaultThreadThreshold;
    const unsigned hardware = std::clamp(std::thread::hardware_concurrency(), 1U, kMaxThreads);
    const auto parts =
        static_cast<int64_t>(std::min<int64_t>(hardware, std::max<int64_t>(1, count / threshold)));
    // Parts start on block boundaries, so every row is computed in the same block position.
    const int64_t per_part = (count / parts + kBlockRows - 1) / kBlockRows * kBlockRows;
    std::array<char, kMaxThreads> ok{};
    const auto run_part = [&](int64_t p) {
        const bool done =
            RunRange(columns, output, std::min(count, p * per_part), std::min(count, (p + 1) * per_part));
        ok[static_cast<std::size_t>(p)] = done ? 1 : 0;
    };
    {
        std::vector<std::jthread> workers;
        for (int64_t p = 1; p < parts; ++p) {
            // No thread to be had (std::system_error) or no memory for it: this thread takes the part.
            try {
                workers.emplace_back(run_part, p);
            } catch (...) {
                run_part(p);
            }
        }
        run_part(0);
    }
    return std::all_of(ok.begin(), ok.begin() + parts, [](char v) { return v != 0; });
}

void SetBlockThreadThreshold(int64_t rows)
{
    g_thread_threshold = rows;
}

}  // namespace ov
