// AtofPrefix: the inline fast path first, then std::from_chars (exact, locale-free) for the rest,
// with the two differences from strtod made up for: a leading '+' and results out of the range.
#include "data/numbers/AtofPrefix.h"

#include "data/numbers/AtofFastPath.h"

#include <locale.h>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace ov {
namespace {

// strtod under a "C" locale object, for the rare values from_chars reports as out of range
// (strtod gives infinity, a denormal or zero there).
double StrtodInCLocale(const char* first, const char* last)
{
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string copy(first, last);
    if (c_locale == locale_t{}) return std::strtod(copy.c_str(), nullptr);
    return strtod_l(copy.c_str(), nullptr, c_locale);
}

}  // namespace

const char* ParseAtofPrefix(const char* first, const char* last, double& value)
{
    const char* end = first;
    if (atof_fast::FastPath(first, last, value, end)) return end;
    value = 0.0;
    // from_chars takes no '+'; after one, only an unsigned number may follow.
    const char* start = first;
    if (start < last && *start == '+') {
        ++start;
        if (start < last && *start == '-') return first;
    }
    const auto result = std::from_chars(start, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = StrtodInCLocale(first, result.ptr);
        return result.ptr;
    }
    if (result.ec != std::errc()) {
        value = 0.0;
        return first;
    }
    return result.ptr;
}

const char* ParseAtofPrefixAfterSpace(const char* first, const char* last, double& value)
{
    const char* start = first;
    while (start < last && (*start == ' ' || (*start >= '\t' && *start <= '\r'))) ++start;
    const char* end = ParseAtofPrefix(start, last, value);
    return end == start ? first : end;
}

}  // namespace ov
