// Building and collecting the rows of the Set Strings prompt.
#include "framework/prompt/SetStringsRows.h"

#include "data/formula/NumericExpression.h"

#include <algorithm>

namespace ov {
namespace {

// Removes every "##" and says whether there was one.
bool StripNumericMarker(std::u16string& label)
{
    bool found = false;
    for (size_t at = label.find(u"##"); at != std::u16string::npos; at = label.find(u"##", at)) {
        label.erase(at, 2);
        found = true;
    }
    return found;
}

int FirstMatch(const std::vector<std::u16string>& choices, const std::u16string& value)
{
    const auto it = std::find(choices.begin(), choices.end(), value);
    return it == choices.end() ? 0 : static_cast<int>(it - choices.begin());
}

}  // namespace

int ShownRowCount(const std::vector<std::u16string>& labels, const std::vector<std::u16string>& values)
{
    return static_cast<int>(std::min(labels.size(), values.size()));
}

SetStringsRowArray BuildSetStringsRows(const std::vector<std::u16string>& labels,
                                       const std::vector<std::u16string>& values,
                                       const std::vector<ChoiceList>& choiceLists)
{
    SetStringsRowArray rows;
    const size_t n = std::min<size_t>(static_cast<size_t>(ShownRowCount(labels, values)), kSetStringsRows);
    for (size_t i = 0; i < n; ++i) {
        SetStringsRow& row = rows[i];
        row.shown = true;
        row.label = labels[i];
        if (StripNumericMarker(row.label)) row.kind = RowKind::Numeric;
        if (i < choiceLists.size() && choiceLists[i]) {
            row.kind = RowKind::DropDown;  // a choice list wins over the numeric marker
            row.choices = *choiceLists[i];
            row.selected = row.choices.empty() ? -1 : FirstMatch(row.choices, values[i]);
        } else {
            row.text = values[i];
        }
    }
    return rows;
}

std::vector<std::u16string> CollectSetStringsValues(const SetStringsRowArray& rows, size_t labelCount,
                                                    const NumericEvaluator& evaluate)
{
    std::vector<std::u16string> values;
    const size_t n = std::min<size_t>(labelCount, kSetStringsRows);
    for (size_t i = 0; i < n; ++i) {
        const SetStringsRow& row = rows[i];
        switch (row.kind) {
        case RowKind::DropDown:
            values.push_back(row.selected >= 0 && static_cast<size_t>(row.selected) < row.choices.size()
                                 ? row.choices[static_cast<size_t>(row.selected)]
                                 : std::u16string());
            break;
        case RowKind::Numeric: values.push_back(FormatFixed6(evaluate(row.text).value_or(0.0))); break;
        case RowKind::Text: values.push_back(row.text); break;
        }
    }
    return values;
}

}  // namespace ov
