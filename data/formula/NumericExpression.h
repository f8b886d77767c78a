// NumericExpression: evaluates what a user typed into a numeric field, as an arithmetic expression
// with the constants e and pi, and formats results the way numeric fields show them.
#pragma once

#include <string>
#include <string_view>

namespace ov {

struct ExpressionResult {
    bool ok = false;
    double value = 0.0;
    std::string error;  // the evaluator's own message when !ok
};

// Lower-cases the text, removes every space and evaluates it; e = 2.718281828459045, pi = 3.14159...
ExpressionResult EvaluateNumericText(std::u16string_view text);

// "%f" with a "." whatever the locale: six decimals.
std::u16string FormatFixed6(double value);

}  // namespace ov
