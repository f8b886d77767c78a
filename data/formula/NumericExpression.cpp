// Numeric fields evaluated with the formula parser.
#include "data/formula/NumericExpression.h"

#include "data/formula/FormulaParserSetup.h"
#include "framework/text/Utf16Conversion.h"

#include <muParser.h>

#include <charconv>

namespace ov {

ExpressionResult EvaluateNumericText(std::u16string_view text)
{
    ExpressionResult result;
    try {
        mu::Parser parser;
        PrepareFormulaParser(parser);
        parser.SetExpr(PrepareFormulaText(text));
        result.value = parser.Eval();
        // "2,5" would evaluate as two expressions and quietly give 5; a field holds one number.
        if (parser.GetNumResults() > 1) {
            result.error =
                "Unexpected \",\": a numeric field takes one expression; write decimals with \".\".";
            return result;
        }
        result.ok = true;
    } catch (const mu::Parser::exception_type& e) {
        result.error = e.GetMsg();
    }
    return result;
}

std::u16string FormatFixed6(double value)
{
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    if (r.ec != std::errc()) return u"0.000000";
    return Utf8ToUtf16(std::string_view(buffer, static_cast<size_t>(r.ptr - buffer)));
}

}  // namespace ov
