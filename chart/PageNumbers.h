// Numbers as the property pages show and read them: "%g" and shortest float texts that do not depend
// on the locale, and typed texts that become 0 when they do not parse.
#pragma once

#include <string>
#include <string_view>

namespace ov {

// Like "%g": six significant digits, trailing zeros dropped, a "." whatever the locale.
std::u16string FormatG(double value);
// The shortest text that reads back as the same float.
std::u16string FormatFloat(float value);
// The typed value (an expression is allowed); 0 when the text does not parse.
double ParseTypedNumber(std::u16string_view text);

// The value a list selection stores: the selection, or the field's old value when nothing is
// selected (a stored index the list does not hold stays as it was).
template <typename Field>
Field ListIndexOr(int selection, Field old)
{
    return selection >= 0 ? static_cast<Field>(selection) : old;
}

}  // namespace ov
