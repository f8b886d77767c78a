// Column reference scan of typed formulas.
#include "data/formula/ColumnReferences.h"

#include <algorithm>

namespace ov {

std::vector<ColumnReference> ScanColumnReferences(std::u16string_view formula)
{
    constexpr int64_t kSaturated = int64_t{1} << 40;
    std::vector<ColumnReference> refs;
    size_t i = 0;
    while (i < formula.size()) {
        if (formula[i] != u'c') {
            ++i;
            continue;
        }
        size_t j = i + 1;
        int64_t k = 0;
        std::string name = "c";
        while (j < formula.size() && formula[j] >= u'0' && formula[j] <= u'9') {
            k = std::min(kSaturated, k * 10 + (formula[j] - u'0'));
            name.push_back(static_cast<char>(formula[j]));
            ++j;
        }
        const bool known =
            std::any_of(refs.begin(), refs.end(), [k](const ColumnReference& r) { return r.index == k - 1; });
        if (k > 0 && !known) refs.push_back({std::move(name), k - 1});
        i = j;
    }
    return refs;
}

}  // namespace ov
