// The formula evaluator: column references, the values of the dialog's edge cases, the grid order,
// errors reported once with zeros, and the bulk path agreeing bit for bit with one-by-one evaluation.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "data/formula/COvMathParserX.h"
#include "data/formula/ColumnReferences.h"
#include "data/formula/EvenlySpaced.h"
#include "data/formula/NumericExpression.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/Utf16Conversion.h"

namespace ov {
namespace {

struct ColumnRun {
    bool setUp = false;
    std::vector<double> out;
    std::vector<std::string> errors;
    std::string errorText;
};

ColumnRun Column(const std::u16string& formula, const std::vector<double>& a,
                 const std::vector<double>& source, int32_t columns)
{
    ColumnRun r;
    COvMathParserX p([&r](const std::string& m) { r.errors.push_back(m); });
    const auto rows = static_cast<int32_t>(a.size());
    r.setUp = p.SetColumnFormula(formula, source.empty() ? nullptr : source.data(), rows, columns);
    r.errorText = p.ErrorText();
    if (!r.setUp) return r;
    r.out.assign(a.size(), -1.0);
    EXPECT_TRUE(p.EvaluateRows(a.data(), r.out.data(), rows));
    return r;
}

TEST(ColumnReferences, ScanFollowsTypedDigits)
{
    const struct {
        std::u16string formula;
        std::vector<std::string> names;
        std::vector<int64_t> indices;
    } rows[] = {
        {u"c1+c2*cos(a)", {"c1", "c2"}, {0, 1}},
        {u"c01+c1+c10", {"c01", "c10"}, {0, 9}},  // c1 names column 0 again: not a second variable
        {u"C1+c0+c", {}, {}},
        {u"ac3c4", {"c3", "c4"}, {2, 3}},
    };
    for (const auto& row : rows) {
        const auto refs = ScanColumnReferences(row.formula);
        ASSERT_EQ(refs.size(), row.names.size());
        for (size_t i = 0; i < refs.size(); ++i) {
            EXPECT_EQ(refs[i].name, row.names[i]);
            EXPECT_EQ(refs[i].index, row.indices[i]);
        }
    }
    EXPECT_GT(ScanColumnReferences(u"c99999999999999999999")[0].index, int64_t{1} << 31);
}

TEST(EvenlySpaced, RepeatedAdditionAndOneValue)
{
    EXPECT_EQ(EvenlySpaced(0, 1, 5), (std::vector<double>{0, 0.25, 0.5, 0.75, 1}));
    EXPECT_EQ(EvenlySpaced(1, 3, 3), (std::vector<double>{1, 2, 3}));  // a range not starting at 0
    EXPECT_EQ(EvenlySpaced(3, 9, 1), std::vector<double>{3});
    EXPECT_TRUE(EvenlySpaced(0, 1, 0).empty());
    // 0.1 added nine times is not 0.9 exactly; the last value shows the additions were used.
    double sum = 0.0;
    for (int i = 0; i < 9; ++i) sum += 0.1;
    EXPECT_EQ(EvenlySpaced(0, 0.9, 10).back(), sum);
}

TEST(FormulaEvaluator, ColumnKindEdgeCases)
{
    EXPECT_EQ(Column(u"a^2", EvenlySpaced(0, 1, 5), {}, 0).out,
              (std::vector<double>{0, 0.0625, 0.25, 0.5625, 1}));
    EXPECT_EQ(Column(u"a+1", EvenlySpaced(7, 100, 1), {}, 0).out, std::vector<double>{8});
    EXPECT_EQ(EvaluateNumber(u" 2 * P i "), 6.283185307179586);

    const std::vector<double> twoColumns = {1, 2, 3, 10, 20, 30};
    EXPECT_EQ(Column(u"c2+a", {0, 1, 2}, twoColumns, 2).out, (std::vector<double>{10, 21, 32}));
    const ColumnRun missing = Column(u"c2+a", {0, 1, 2}, {1, 2, 3}, 1);
    EXPECT_FALSE(missing.setUp);
    EXPECT_EQ(missing.errorText, kMissingColumnsText);
    EXPECT_FALSE(Column(u"c1", {0}, {}, 1).setUp);  // referenced but no table

    EXPECT_EQ(Column(u"SIN( A ) + P I", {0.5}, {}, 0).out, Column(u"sin(a)+pi", {0.5}, {}, 0).out);
}

TEST(FormulaEvaluator, ParserErrorsAreShownOnceAndGiveZeros)
{
    // "c1=a+" fails on every row of the per-point path (an assignment), still with one message.
    for (const std::u16string formula : {u"C1", u"a+", u"foo(a)", u"sin(a,a)", u"c1=a+"}) {
        const ColumnRun r = Column(formula, {1, 2, 3, 4}, {5, 6, 7, 8}, 1);
        EXPECT_TRUE(r.setUp);
        EXPECT_EQ(r.out, (std::vector<double>{0, 0, 0, 0}));
        ASSERT_EQ(r.errors.size(), 1u);
        EXPECT_FALSE(r.errors[0].empty());
    }
    std::vector<std::string> errors;
    EXPECT_EQ(EvaluateNumber(u"2*", [&](const std::string& m) { errors.push_back(m); }), 0.0);
    EXPECT_EQ(errors.size(), 1u);
}

TEST(FormulaEvaluator, RejectsMismatchedCalls)
{
    COvMathParserX p;
    ASSERT_TRUE(p.SetColumnFormula(u"a", nullptr, 3, 0));
    double in[3] = {1, 2, 3};
    double out[3] = {};
    EXPECT_FALSE(p.EvaluateRows(in, out, 2));
    EXPECT_FALSE(p.EvaluateRows(nullptr, out, 3));
    EXPECT_FALSE(p.EvaluateGrid(3, in, in, out));  // not set up for a grid
    EXPECT_TRUE(p.SetColumnFormula(u"a", nullptr, 0, 0));
    EXPECT_TRUE(p.EvaluateRows(in, out, 0)) << "an empty column is no error";
    ASSERT_TRUE(p.SetSurfaceFormula(u"x", 3));
    EXPECT_FALSE(p.EvaluateGrid(2, in, in, out));
    EXPECT_FALSE(p.EvaluateGrid(3, in, nullptr, out));
    EXPECT_FALSE(p.EvaluateGrid(3, nullptr, in, out));
}

TEST(FormulaEvaluator, SurfaceFillsXFastest)
{
    // The bulk path and the per-point path an assignment takes fill the same grid.
    const double xs[] = {1, 2, 3};
    const double ys[] = {5, 7};
    std::vector<double> out(6, -1.0);
    for (const std::u16string formula : {u"10*y + x", u"x = x + 10*y"}) {
        COvMathParserX p;
        ASSERT_TRUE(p.SetSurfaceFormula(formula, 3));
        ASSERT_TRUE(p.EvaluateGrid(6, xs, ys, out.data()));
        EXPECT_EQ(out, (std::vector<double>{51, 52, 53, 71, 72, 73})) << Utf16ToUtf8(formula);
    }

    int shown = 0;
    COvMathParserX q([&shown](const std::string&) { ++shown; });
    ASSERT_TRUE(q.SetSurfaceFormula(u"a^2", 3));  // "a" is not a surface variable
    ASSERT_TRUE(q.EvaluateGrid(7, xs, ys, out.data()));
    EXPECT_EQ(out, std::vector<double>(6, 0.0));
    EXPECT_EQ(shown, 1);
}

// Bit for bit without a transcendental function; with the block sine and cosine, within 2^-51 relative.
TEST(FormulaEvaluator, BulkMatchesOneByOne)
{
    const std::vector<double> a = EvenlySpaced(-3.7, 12.9, 1000);
    std::vector<double> table(2000);
    for (size_t i = 0; i < table.size(); ++i) table[i] = std::sin(0.37 * static_cast<double>(i)) * 1e3;
    for (const auto& [formula, ulps] :
         {std::pair{u"sin(a)*c1/c2", 2}, std::pair{u"cos(a)*c2", 2}, std::pair{u"a^3-2*a^2+e", 0},
          std::pair{u"a>1?sqrt(a):c2", 0}, std::pair{u"min(a,c1,3)+rint(c2)", 0}, std::pair{u"c1=c1+a", 0}}) {
        COvMathParserX p;
        ASSERT_TRUE(p.SetColumnFormula(formula, table.data(), 1000, 2));
        std::vector<double> bulk(1000), single(1000);
        ASSERT_TRUE(p.EvaluateRows(a.data(), bulk.data(), 1000));
        ASSERT_TRUE(p.EvaluateRowsOneByOne(a.data(), single.data(), 1000));
        for (size_t i = 0; i < bulk.size(); ++i) {
            ASSERT_LE(std::fabs(bulk[i] - single[i]), ulps * 0x1p-52 * std::fabs(single[i])) << i;
        }
    }
    EXPECT_EQ(table[0], 0.0);  // an assignment in the formula never writes into the caller's table
}

// The range fields of the formula dialog and every numeric field read typed text by the same rules, and
// a comma-decimal locale changes nothing.
TEST(FormulaEvaluator, RangeFieldsFollowTheRulesOfEveryNumericFieldInAnyLocale)
{
    for (const char16_t* text : {u"2*pi", u" 2 * P i ", u"E", u"1e3", u"-0.5", u"max(1.5,2.5)", u"2,5",
                                 u"1,2,3", u"(2", u"", u"x", u"2\u00b2"}) {
        const ExpressionResult field = EvaluateNumericText(text);
        std::vector<std::string> errors;
        const double range = EvaluateNumber(text, [&](const std::string& m) { errors.push_back(m); });
        EXPECT_EQ(range, field.ok ? field.value : 0.0) << Utf16ToUtf8(text);
        EXPECT_EQ(errors, field.ok ? std::vector<std::string>{} : std::vector<std::string>{field.error});
    }
    std::vector<std::string> errors;
    EXPECT_EQ(EvaluateNumber(u"2,5", [&](const std::string& m) { errors.push_back(m); }), 0.0);
    ASSERT_EQ(errors.size(), 1u) << "a comma-decimal habit must not quietly give 5";
    EXPECT_NE(errors[0].find(','), std::string::npos);

    // The decimal point is a point whatever the process's locale.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // a comma-decimal locale when installed
    EXPECT_EQ(Column(u"a*1.5", {2}, {}, 0).out, std::vector<double>{3});
    EXPECT_EQ(EvaluateNumber(u"max(1.5,2.5)"), 2.5);
    std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace ov
