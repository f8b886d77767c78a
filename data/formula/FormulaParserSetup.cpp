// muParser set-up shared by the numeric fields and the formula evaluator.
#include "data/formula/FormulaParserSetup.h"

#include <muParser.h>

#include <mutex>

namespace ov {

void PrepareFormulaParser(mu::Parser& parser)
{
    // ResetLocale replaces muParser's static number format; the library runs on one thread, but the
    // once-flag keeps this from racing a host that evaluates formulas elsewhere.
    static std::once_flag localeSet;
    std::call_once(localeSet, [&parser] { parser.ResetLocale(); });
    parser.SetArgSep(',');
    parser.DefineConst("e", 2.718281828459045);
    parser.DefineConst("pi", 3.141592653589793);
    parser.DefineConst("PI", 3.141592653589793);
    parser.DefineConst("Pi", 3.141592653589793);
}

std::string PrepareFormulaText(std::u16string_view text)
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

}  // namespace ov
