// The one place that configures muParser for the library: its process-wide number format, the
// argument separator, the constants every formula knows and the way typed text is prepared.
#pragma once

#include <string>
#include <string_view>

namespace mu {
class Parser;
}

namespace ov {

// Decimal point "." whatever the locale (muParser keeps it process-wide, so it is set once per
// process), argument separator ",", and the constants e, pi, PI and Pi.
void PrepareFormulaParser(mu::Parser& parser);

// Lower-case, every space removed; characters outside ASCII become '?', which the parser rejects
// with its own message.
std::string PrepareFormulaText(std::u16string_view text);

}  // namespace ov
