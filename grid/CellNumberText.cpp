// CellNumberText: fixed-point formatting with std::to_chars (exact like printf, but locale-free) and the
// runtime-compatible prefix reader of the ASCII import.
#include "grid/CellNumberText.h"

#include "data/numbers/AtofPrefix.h"

#include <array>
#include <charconv>
#include <cmath>

namespace ov {
namespace {

// Largest magnitude below which every integer-valued double prints without a fraction and reads back
// as itself, so the round trip can skip the text.
constexpr double kExactIntegerLimit = 9007199254740992.0;  // 2^53
constexpr double kScale = 1e10;                            // ten decimals; exact in a double

// The round trip without text for |value| × 10^10 below 2^53: the text is value rounded to an integer
// n of 10^-10 units, and reading it back gives the double nearest n / 10^10, which is exactly what the
// correctly rounded division of two exact doubles gives. The product's rounding error (from fma) tells
// whether n is the exact rounding; near halfway the caller takes the text path instead.
bool FastRoundTrip(double value, double& result)
{
    const double scaled = value * kScale;
    if (!(std::fabs(scaled) < kExactIntegerLimit)) return false;
    const double error = std::fma(value, kScale, -scaled);
    const double units = std::nearbyint(scaled);
    const double fraction = (scaled - units) + error;
    if (std::fabs(fraction) > 0.499) return false;
    result = units / kScale;
    return true;
}

}  // namespace

std::string FormatCellNumber(double value)
{
    // 309 integer digits, a sign, a point and ten decimals fit.
    std::array<char, 340> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 10);
    if (ec != std::errc{}) return "0";
    std::string text(buffer.data(), end);
    if (text.find('.') == std::string::npos) return text;  // inf, nan
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string FormatGeneralCellNumber(double value)
{
    // std::to_chars with the general format and a precision is specified as printf's "%.*g".
    std::array<char, 32> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 6);
    return ec == std::errc{} ? std::string(buffer.data(), end) : std::string("0");
}

double ParseCellNumber(std::string_view text)
{
    return AtofPrefixAfterSpace(text.data(), text.size());
}

double ParseGeneralCellNumber(std::string_view text)
{
    std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string_view::npos) return 0.0;
    const bool negative = text[i] == '-';
    if (negative || text[i] == '+') ++i;
    const auto startsWith = [&](std::string_view word) {
        if (text.size() - i < word.size()) return false;
        for (std::size_t k = 0; k < word.size(); ++k)
            if ((text[i + k] | 0x20) != word[k]) return false;
        return true;
    };
    if (startsWith("inf")) return negative ? -HUGE_VAL : HUGE_VAL;
    if (startsWith("nan")) return negative ? -std::nan("") : std::nan("");
    return ParseCellNumber(text);
}

double RoundTripCellNumber(double value)
{
    if (value == std::trunc(value) && std::fabs(value) < kExactIntegerLimit) return value;
    if (double result = 0; FastRoundTrip(value, result)) return result;
    const std::string text = FormatCellNumber(value);
    return ParseCellNumber(text);
}

}  // namespace ov
