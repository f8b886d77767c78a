// The language choice: parsing "LanSel", reading it from the settings store and keeping the code
// chosen for the life of the process.
#include "framework/text/LanguageChoice.h"

#include <algorithm>
#include <limits>

#include "framework/settings/RegKeyHandle.h"

namespace ov {
namespace {

bool IsSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}
bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The kept language code; empty until the first use.
std::u16string& KeptCode()
{
    static std::u16string code;
    return code;
}

}  // namespace

int32_t ParseLanguageNumber(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    // Accumulate with the sign applied so that the most negative value is reachable.
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
    int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        int64_t digit = text[i] - u'0';
        value = negative ? std::max(kMin, value * 10 - digit) : std::min(kMax, value * 10 + digit);
    }
    return static_cast<int32_t>(value);
}

std::u16string LanguageCodeForNumber(int32_t number)
{
    return number == 2 ? u"cn" : u"en";
}

int32_t ReadLanguageNumber(std::string_view keyPath)
{
    RegKeyHandle key(keyPath);
    return ParseLanguageNumber(key.ReadString(kLanguageValue, u"2"));
}

std::u16string CurrentLanguageCode()
{
    std::u16string& code = KeptCode();
    if (code.empty()) code = LanguageCodeForNumber(ReadLanguageNumber());
    return code;
}

void SetCurrentLanguageCodeForTesting(std::u16string_view code)
{
    KeptCode().assign(code);
}

}  // namespace ov
