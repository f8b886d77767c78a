// Locale-free number texts of the property pages.
#include "chart/PageNumbers.h"

#include "data/formula/NumericExpression.h"

#include <array>
#include <charconv>
#include <cmath>

namespace ov {
namespace {

std::u16string Widen(const char* first, const char* last)
{
    return {first, last};
}

}  // namespace

std::u16string FormatG(double value)
{
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 6);
    return Widen(buffer.data(), result.ptr);
}

std::u16string FormatFloat(float value)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return Widen(buffer.data(), result.ptr);
}

double ParseTypedNumber(std::u16string_view text)
{
    const ExpressionResult r = EvaluateNumericText(text);
    return r.ok && std::isfinite(r.value) ? r.value : 0.0;
}

}  // namespace ov
