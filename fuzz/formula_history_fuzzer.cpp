// Fuzz target of the history file reader: any bytes parse or fail cleanly for both kinds, and what
// parses survives a write and a second read unchanged (apart from the page, always written as 4).
#include <cstdint>
#include <cstdlib>
#include <span>

#include "data/formula/FormulaHistory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (ov::FormulaKind kind : {ov::FormulaKind::Column, ov::FormulaKind::Surface}) {
        const auto parsed = ov::ParseFormulaHistory(std::span(data, size), kind);
        if (!parsed) continue;
        if (parsed->page < 0 || parsed->page > 4) std::abort();
        const auto again = ov::ParseFormulaHistory(ov::SerializeFormulaHistory(*parsed, kind), kind);
        if (!again || again->formula != parsed->formula || again->startText != parsed->startText ||
            again->entries.size() > ov::kFormulaHistoryLimit ||
            again->entries.size() > parsed->entries.size()) {
            std::abort();
        }
    }
    return 0;
}
