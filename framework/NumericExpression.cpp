// Numeric fields evaluated with the formula parser.
#include "framework/NumericExpression.h"

#include "framework/RegKeyHandle.h"

#include <muParser.h>

#include <algorithm>
#include <charconv>

namespace ov {
namespace {

// muParser reads 8-bit text; anything outside ASCII cannot be part of a valid expression anyway and
// becomes a character the parser rejects with its own message.
std::string Prepare(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c == u' ') continue;
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return out;
}

}  // namespace

ExpressionResult EvaluateNumericText(std::u16string_view text)
{
    ExpressionResult result;
    try {
        mu::Parser parser;
        parser.DefineConst("e", 2.718281828459045);
        parser.DefineConst("pi", 3.141592653589793);
        parser.DefineConst("PI", 3.141592653589793);
        parser.DefineConst("Pi", 3.141592653589793);
        parser.SetExpr(Prepare(text));
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
