// SetStringsRows: the rows of the Set Strings prompt worked out from the caller's labels, values and
// choice lists, and the values collected back from what the rows show. No widgets here.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ov {

constexpr int kSetStringsRows = 6;

enum class RowKind : unsigned char { Text = 0, DropDown = 1, Numeric = 2 };

using ChoiceList = std::optional<std::vector<std::u16string>>;

struct SetStringsRow {
    bool shown = false;
    RowKind kind = RowKind::Text;
    std::u16string label;  // without the "##" markers
    std::u16string text;   // the text box's text (text and numeric rows)
    std::vector<std::u16string> choices;
    int selected = -1;  // drop-down rows: the selected choice
};

using SetStringsRowArray = std::array<SetStringsRow, kSetStringsRows>;

// Rows 1..6 from the lists, walking labels and values together and the choice lists alongside.
SetStringsRowArray BuildSetStringsRows(const std::vector<std::u16string>& labels,
                                       const std::vector<std::u16string>& values,
                                       const std::vector<ChoiceList>& choiceLists);

// The number of rows the dialog shows: the smaller of the two list sizes (before the cut to six).
int ShownRowCount(const std::vector<std::u16string>& labels, const std::vector<std::u16string>& values);

// Evaluates one numeric row's text; reports an error to the user and returns nullopt on failure.
using NumericEvaluator = std::function<std::optional<double>(const std::u16string&)>;

// One value per label (at most six), in row order. Numeric rows give "%f" of their result or, when the
// evaluation fails, 0.000000.
std::vector<std::u16string> CollectSetStringsValues(const SetStringsRowArray& rows, size_t labelCount,
                                                    const NumericEvaluator& evaluate);

}  // namespace ov
