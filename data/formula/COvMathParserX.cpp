// COvMathParserX: set-up, bulk evaluation of columns in blocks over muParser's bytecode (muParser's
// array mode for what the block form does not take), and the per-point path that gives failed
// points the value 0.
#include "data/formula/COvMathParserX.h"

#include <muParser.h>

#include <algorithm>

#include "data/formula/BlockProgram.h"
#include "data/formula/ColumnReferences.h"
#include "data/formula/FormulaParserSetup.h"
#include "data/formula/NumericExpression.h"

namespace ov {
namespace {

// muParser's assignment operator would write through a bound variable; in array mode that is the
// caller's table. Such formulas take the per-point path, which only ever writes to our scalars.
bool HasAssignment(const std::string& expr)
{
    for (size_t i = 0; i < expr.size(); ++i) {
        if (expr[i] != '=') continue;
        const char before = i > 0 ? expr[i - 1] : '\0';
        const char after = i + 1 < expr.size() ? expr[i + 1] : '\0';
        if (after == '=') {
            ++i;
            continue;
        }
        if (before != '<' && before != '>' && before != '!') return true;
    }
    return false;
}

}  // namespace

COvMathParserX::COvMathParserX(FormulaErrorSink sink)
    : parser_(std::make_unique<mu::Parser>()), sink_(std::move(sink))
{
    PrepareFormulaParser(*parser_);
}

COvMathParserX::~COvMathParserX() = default;

void COvMathParserX::Report(const std::string& message)
{
    error_ = message;
    if (errorShown_) return;
    errorShown_ = true;
    if (sink_) sink_(message);
}

bool COvMathParserX::SetColumnFormula(std::u16string_view formula, const double* source, int32_t rows,
                                      int32_t columns)
{
    errorShown_ = false;
    error_.clear();
    surface_ = false;
    formula_ = formula;
    rows_ = rows;
    columns_.clear();
    const std::vector<ColumnReference> refs = ScanColumnReferences(formula);
    for (const ColumnReference& ref : refs) {
        if (ref.index >= columns || source == nullptr || rows < 0) {
            error_ = kMissingColumnsText;
            return false;
        }
        columns_.push_back({ref.name, source + ref.index * rows, 0.0});
    }
    BindScalars();
    return SetExpression();
}

bool COvMathParserX::SetSurfaceFormula(std::u16string_view formula, int32_t nx)
{
    errorShown_ = false;
    error_.clear();
    surface_ = true;
    formula_ = formula;
    rows_ = nx;
    columns_.clear();
    BindScalars();
    SetExpression();
    return true;
}

void COvMathParserX::BindScalars()
{
    try {
        parser_->ClearVar();
        parser_->DefineVar(surface_ ? "x" : "a", &a_);
        if (surface_) parser_->DefineVar("y", &y_);
        for (Column& c : columns_) parser_->DefineVar(c.name, &c.value);
    } catch (const mu::Parser::exception_type& e) {
        Report(e.GetMsg());
    }
}

bool COvMathParserX::SetExpression()
{
    parsed_ = PrepareFormulaText(formula_);
    try {
        parser_->SetExpr(parsed_);
    } catch (const mu::Parser::exception_type& e) {
        Report(e.GetMsg());
    }
    return true;
}

// One evaluation with the current bindings parses the formula, so syntax errors and unknown names
// surface here and never inside muParser's parallel array loop.
bool COvMathParserX::ValidateOnce()
{
    try {
        parser_->Eval();
        return true;
    } catch (const mu::Parser::exception_type& e) {
        Report(e.GetMsg());
        return false;
    }
}

void COvMathParserX::EvaluatePerPoint(double* output, int32_t count, const std::function<void(int32_t)>& load)
{
    BindScalars();
    for (int32_t i = 0; i < count; ++i) {
        load(i);
        try {
            output[i] = parser_->Eval();
        } catch (const mu::Parser::exception_type& e) {
            Report(e.GetMsg());
            output[i] = 0.0;
        }
    }
}

bool COvMathParserX::EvaluateRowsOneByOne(const double* input, double* output, int32_t count)
{
    if (surface_ || input == nullptr || output == nullptr || count != rows_) return false;
    EvaluatePerPoint(output, count, [&](int32_t i) {
        a_ = input[i];
        for (Column& c : columns_) c.value = c.data[i];
    });
    return true;
}

// With the scalars bound and the formula parsed: the block form of the bytecode, the scalars standing
// for the caller's columns; false when the formula needs muParser's own evaluation.
bool COvMathParserX::EvaluateInBlocks(const double* input, double* output, int32_t count)
{
    std::vector<const double*> scalars{&a_};
    std::vector<const double*> sources{input};
    for (const Column& c : columns_) {
        scalars.push_back(&c.value);
        sources.push_back(c.data);
    }
    const std::optional<BlockProgram> program = BlockProgram::FromParser(*parser_, scalars);
    return program && program->Run(sources, output, count);
}

bool COvMathParserX::EvaluateRows(const double* input, double* output, int32_t count)
{
    if (surface_ || input == nullptr || output == nullptr || count != rows_ || count < 0) return false;
    if (count == 0) return true;
    if (HasAssignment(parsed_)) return EvaluateRowsOneByOne(input, output, count);
    BindScalars();
    if (!ValidateOnce()) {
        std::fill(output, output + count, 0.0);  // a formula that does not parse fails on every row
        return true;
    }
    if (EvaluateInBlocks(input, output, count)) return true;
    // What the block form does not take goes to muParser's array mode. It reads variable k of point i at
    // address + i, so "a" and the columns bind straight to the caller's arrays; muParser only reads them.
    try {
        parser_->ClearVar();
        parser_->DefineVar("a", const_cast<double*>(input));
        for (Column& c : columns_) parser_->DefineVar(c.name, const_cast<double*>(c.data));
    } catch (const mu::Parser::exception_type& e) {
        Report(e.GetMsg());
    }
    if (ValidateOnce()) {
        parser_->Eval(output, count);
    } else {
        std::fill(output, output + count, 0.0);  // a formula that does not parse fails on every row
    }
    BindScalars();
    return true;
}

bool COvMathParserX::EvaluateGrid(int32_t total, const double* xs, const double* ys, double* output)
{
    if (!surface_ || xs == nullptr || ys == nullptr || output == nullptr || rows_ < 1 || total < rows_) {
        return false;
    }
    const int32_t nx = rows_;
    const int32_t count = (total / nx) * nx;
    if (HasAssignment(parsed_)) {
        EvaluatePerPoint(output, count, [&](int32_t k) {
            a_ = xs[k % nx];
            y_ = ys[k / nx];
        });
        return true;
    }
    std::vector<double> x(static_cast<size_t>(count));
    std::vector<double> y(static_cast<size_t>(count));
    for (int32_t k = 0; k < count; ++k) {
        x[static_cast<size_t>(k)] = xs[k % nx];
        y[static_cast<size_t>(k)] = ys[k / nx];
    }
    try {
        parser_->ClearVar();
        parser_->DefineVar("x", x.data());
        parser_->DefineVar("y", y.data());
    } catch (const mu::Parser::exception_type& e) {
        Report(e.GetMsg());
    }
    if (ValidateOnce()) {
        parser_->Eval(output, count);
    } else {
        std::fill(output, output + count, 0.0);
    }
    BindScalars();
    return true;
}

double EvaluateNumber(std::u16string_view text, const FormulaErrorSink& sink)
{
    // The library's one evaluator of typed numbers, so a range field takes what a numeric field takes.
    const ExpressionResult r = EvaluateNumericText(text);
    if (r.ok) return r.value;
    if (sink) sink(r.error);
    return 0.0;
}

}  // namespace ov
