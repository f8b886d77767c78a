// SeriesPrompts: the Set Strings prompts of the data pages (series name, table size, new series) and
// the size offered for a new series, remembered as "c1"/"r1" under "Software\Ornivex\DS".
#pragma once

#include <string>
#include <string_view>

class QWidget;

namespace ov {

inline constexpr std::string_view kSeriesSizeKey = "Software\\Ornivex\\DS";

struct TableSize {
    int columns = 2;
    int rows = 12;
};

TableSize ReadOfferedSize();
void WriteOfferedSize(const TableSize& size);

// Each returns false when the prompt was cancelled; sizes come back clamped to [minimum, maximum].
bool PromptSeriesName(QWidget* parent, std::u16string& name);
bool PromptTableSize(QWidget* parent, TableSize& size, int minimum, int maximum);
bool PromptNewSeries(QWidget* parent, std::u16string& name, TableSize& size, int minimum, int maximum);

}  // namespace ov
