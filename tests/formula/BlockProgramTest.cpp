// The block evaluation against muParser's own per-row results, bit for bit, with sine and cosine
// taken from the block versions in muParser as well: muParser-style expressions and a generated set
// of formulas over columns with special values, split among threads; and what the block form leaves
// to muParser.
#include <gtest/gtest.h>

#include <muParser.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "data/formula/BlockProgram.h"
#include "data/formula/BlockSinCos.h"
#include "data/formula/FormulaParserSetup.h"

namespace ov {
namespace {

constexpr int kRows = 3000;  // not a multiple of the block: every part ends in a short block

// A formula of the operators, functions and operands the block form takes. Sine and cosine always
// get a column in their argument: muParser works out a function of constants once while parsing,
// with the C library's function.
std::string Generated(std::mt19937& rng, int depth)
{
    static const char* const kLeaves[] = {"a",  "c1", "c2",  "2",    "0.5", "3.25e-1",
                                          "pi", "0",  "a^2", "c1^3", "a^4"};
    static const char* const kBinary[] = {
        "+", "-", "*", "/", "^", "<", "<=", ">", ">=", "==", "!=", "&&", "||"};
    static const char* const kUnary[] = {"sin", "cos",   "tan",  "exp",  "sqrt", "abs",
                                         "ln",  "log10", "sign", "rint", "tanh", "atan"};
    static const char* const kLists[] = {"min", "max", "sum", "avg"};
    const auto pick = [&](const auto& list) { return std::string(list[rng() % std::size(list)]); };
    if (depth == 0 || rng() % 5 == 0) return pick(kLeaves);
    switch (rng() % 4) {
    case 0: {
        const std::string name = pick(kUnary);
        return name + (name == "sin" || name == "cos" ? "(c1*" : "(") + Generated(rng, depth - 1) + ")";
    }
    case 1: {
        std::string text = pick(kLists) + "(" + Generated(rng, depth - 1);
        for (unsigned k = 0, n = 1 + rng() % 3; k < n; ++k) text += "," + Generated(rng, depth - 1);
        return text + ")";
    }
    case 2: return "-(" + Generated(rng, depth - 1) + ")";
    default: return "(" + Generated(rng, depth - 1) + pick(kBinary) + Generated(rng, depth - 1) + ")";
    }
}

// The first row whose values differ in any bit (-1: none). Two NaNs count as equal: which of two NaN
// operands an addition passes on is the compiler's choice of operand order, not part of the value.
int FirstDifference(const std::vector<double>& x, const std::vector<double>& y)
{
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (std::isnan(x[i]) && std::isnan(y[i])) continue;
        if (std::bit_cast<uint64_t>(x[i]) != std::bit_cast<uint64_t>(y[i])) return static_cast<int>(i);
    }
    return -1;
}

struct Columns {
    std::vector<double> a, c1, c2;
    Columns() : a(kRows), c1(kRows), c2(kRows)
    {
        constexpr double kInf = std::numeric_limits<double>::infinity();
        const double special[] = {0.0, -0.0, 1.0, -1.0, 1e308, -1e-310, kInf, std::nan("")};
        for (int i = 0; i < kRows; ++i) {
            a[i] = i % 50 == 7 ? special[(i / 50) % 8] : -20.0 + 40.0 * i / kRows;
            c1[i] = std::sin(0.37 * i) * 1e3;
            c2[i] = i % 3 == 0 ? special[i % 8] : std::cos(0.11 * i);
        }
    }
};

// muParser with the library's set-up and the three scalars bound.
struct ScalarParser {
    mu::Parser parser;
    double a = 0, c1 = 0, c2 = 0;
    // block_sine: sin and cos replaced by the block versions, one row at a time.
    explicit ScalarParser(const std::string& formula, bool block_sine = false)
    {
        PrepareFormulaParser(parser);
        if (block_sine) {
            parser.DefineFun(
                "sin", +[](double x) { return (SinBlock(&x, &x, 1), x); });
            parser.DefineFun(
                "cos", +[](double x) { return (CosBlock(&x, &x, 1), x); });
        }
        parser.DefineVar("a", &a);
        parser.DefineVar("c1", &c1);
        parser.DefineVar("c2", &c2);
        parser.SetExpr(formula);
        parser.Eval();
    }
    std::vector<double> PerRow(const Columns& c)
    {
        std::vector<double> out(kRows);
        for (int i = 0; i < kRows; ++i) a = c.a[i], c1 = c.c1[i], c2 = c.c2[i], out[i] = parser.Eval();
        return out;
    }
    std::optional<BlockProgram> Program() const { return BlockProgram::FromParser(parser, {&a, &c1, &c2}); }
};

class BlockEvaluation : public ::testing::Test {
protected:
    void SetUp() override { SetBlockThreadThreshold(1000); }
    void TearDown() override { SetBlockThreadThreshold(0); }
    Columns columns_;
};

}  // namespace

TEST_F(BlockEvaluation, GeneratedAndMuParserStyleFormulasEqualMuParserBitForBit)
{
    // muParser-style formulas, separated by ";".
    std::istringstream styled(
        "sin(a)*c1 + a^2 - "
        "c2/3;a*(c1+c2);-a^2;(a+1)^2;2*a^3+1;a<1&&c1>0;a>=c1||c2<0;sum(a,c1,c2,1,2);avg(a,2);"
        "max(-a,c1*2);1/a;a/0;sqrt(-1)+a;10^a;a^0.5;a==c1;a!=a;3.5e2*a+1e-3;sign(a)*rint(c1*10);"
        "ln(abs(a)+1);e^a;pi*a^4;a;c2;7");
    std::vector<std::string> formulas;
    for (std::string formula; std::getline(styled, formula, ';');) formulas.push_back(formula);
    std::mt19937 rng(2026);
    for (int n = 0; n < 400; ++n) formulas.push_back(Generated(rng, 1 + n % 5));
    for (const std::string& formula : formulas) {
        ScalarParser reference(formula, true);
        const std::optional<BlockProgram> program = ScalarParser(formula).Program();
        ASSERT_TRUE(program.has_value()) << formula;
        std::vector<double> blocks(kRows, -7.0);
        ASSERT_TRUE(
            program->Run({columns_.a.data(), columns_.c1.data(), columns_.c2.data()}, blocks.data(), kRows));
        EXPECT_EQ(FirstDifference(blocks, reference.PerRow(columns_)), -1) << formula;
    }
    // The output may be an input column: no operation may write into it before the block is done.
    ScalarParser reference("sin(a)*2+a", true);
    std::vector<double> a = columns_.a;
    ASSERT_TRUE(ScalarParser("sin(a)*2+a")
                    .Program()
                    ->Run({a.data(), columns_.c1.data(), columns_.c2.data()}, a.data(), kRows));
    EXPECT_EQ(FirstDifference(a, reference.PerRow(columns_)), -1);
}

TEST_F(BlockEvaluation, WhatTheBlockFormDoesNotTakeIsLeftToMuParser)
{
    ScalarParser unlisted("c2+1");  // a variable the caller gave no column for
    EXPECT_FALSE(BlockProgram::FromParser(unlisted.parser, {&unlisted.a, &unlisted.c1}).has_value());
    for (const char* formula : {"a>0?a:-a", "c1=a", "1,a", "rnd()"}) {
        try {
            EXPECT_FALSE(ScalarParser(formula).Program().has_value()) << formula;
        } catch (const mu::Parser::exception_type&) {  // a function this muParser does not know
            continue;
        }
    }
    // A function of three arguments, and one that throws on a single row: on the calling thread's
    // part (a = -19) or on the worker's (a = 19).
    ScalarParser custom("a");
    custom.parser.DefineFun(
        "mix", +[](double x, double y, double z) { return x * y - z; });
    custom.parser.DefineFun(
        "fails_at", +[](double v, double at) -> double {
            if (v == at) throw mu::Parser::exception_type("no value here");
            return v;
        });
    const std::vector<const double*> sources{columns_.a.data(), columns_.c1.data(), columns_.c2.data()};
    std::vector<double> out(kRows);
    for (const auto& [formula, runs] :
         {std::pair{"fails_at(a,-19)+1", false}, std::pair{"fails_at(a,19)+1", false},
          std::pair{"fails_at(a,0.5)+1", true}}) {
        custom.parser.SetExpr(formula);
        custom.parser.Eval();
        const std::optional<BlockProgram> program = custom.Program();
        ASSERT_TRUE(program.has_value());
        EXPECT_EQ(program->Run(sources, out.data(), kRows), runs) << formula;
    }
    custom.parser.SetExpr("mix(a,c1,c2)");
    custom.parser.Eval();
    ASSERT_TRUE(custom.Program()->Run(sources, out.data(), kRows));
    EXPECT_EQ(FirstDifference(out, custom.PerRow(columns_)), -1);
}

}  // namespace ov
