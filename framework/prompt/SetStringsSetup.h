// SetStringsSetup: what the Set Strings prompt is given and hands back: the title, the row labels and
// values, the choice lists and the placement. Plain data, so callers need no widgets to fill it.
#pragma once

#include <ornivex/ornivex.h>
#include "framework/prompt/SetStringsRows.h"

#include <optional>
#include <string>
#include <vector>

namespace ov {

struct SetStringsSetup {
    std::u16string title;
    std::vector<std::u16string> labels;
    std::vector<std::u16string> values;
    std::vector<ChoiceList> choiceLists;  // per row; a missing or empty entry is a text row
    std::optional<DialogPlacement> placement;
};

}  // namespace ov
