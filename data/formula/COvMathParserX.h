// COvMathParserX: evaluates one formula over many points. Column kind binds "a" and the column
// variables c1, c2, ... to the caller's table; surface kind binds "x" and "y". Built for one run.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mu {
class Parser;
}

namespace ov {

// Receives muParser's message of a failed formula; called at most once per set-up.
using FormulaErrorSink = std::function<void(const std::string& message)>;

inline constexpr char kMissingColumnsText[] = "One or more required input arguments do not exist.";

class COvMathParserX {
public:
    explicit COvMathParserX(FormulaErrorSink sink = {});
    ~COvMathParserX();
    COvMathParserX(const COvMathParserX&) = delete;
    COvMathParserX& operator=(const COvMathParserX&) = delete;

    // Column kind. `source` is column-major (column k at source + k * rows) and may be null when the
    // formula names no column. False, with kMissingColumnsText as error text, when a referenced
    // column does not exist.
    bool SetColumnFormula(std::u16string_view formula, const double* source, int32_t rows, int32_t columns);
    // output[i] = f(a = input[i], ck = column k - 1 at row i); false when a pointer is missing or
    // count differs from the rows of the set-up. A formula that fails gives 0 on every row.
    bool EvaluateRows(const double* input, double* output, int32_t count);
    // The same values, one muParser evaluation per row (the reference the bulk path must match).
    bool EvaluateRowsOneByOne(const double* input, double* output, int32_t count);

    // Surface kind over a grid nx points wide.
    bool SetSurfaceFormula(std::u16string_view formula, int32_t nx);
    // output[j * nx + i] = f(x = xs[i], y = ys[j]) for the total / nx rows j; false when a pointer
    // is missing, nx < 1 or total < nx.
    bool EvaluateGrid(int32_t total, const double* xs, const double* ys, double* output);

    const std::string& ErrorText() const { return error_; }
    const std::string& ParsedFormula() const { return parsed_; }

private:
    struct Column {
        std::string name;
        const double* data = nullptr;
        double value = 0.0;
    };

    void BindScalars();
    bool SetExpression();
    bool ValidateOnce();
    bool EvaluateInBlocks(const double* input, double* output, int32_t count);
    void Report(const std::string& message);
    void EvaluatePerPoint(double* output, int32_t count, const std::function<void(int32_t)>& load);

    std::unique_ptr<mu::Parser> parser_;
    FormulaErrorSink sink_;
    bool errorShown_ = false;
    std::string error_;
    std::u16string formula_;
    std::string parsed_;
    bool surface_ = false;
    int32_t rows_ = 0;  // rows of the table, or nx of the grid
    double a_ = 0.0;    // "a" in column kind, "x" in surface kind
    double y_ = 0.0;
    std::vector<Column> columns_;  // stable addresses: sized once per set-up
};

// Evaluates a range field ("2*pi") with the rules of every numeric field (EvaluateNumericText): constants
// only, "2,5" refused. An error is passed to the sink and gives 0.
double EvaluateNumber(std::u16string_view text, const FormulaErrorSink& sink = {});

}  // namespace ov
