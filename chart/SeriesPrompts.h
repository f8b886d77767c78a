// SeriesPrompts: the Set Strings prompts of the tables of series (series name, table size, new series)
// and the size offered for a new series, remembered under "Software\Ornivex\DS" in one pair of values
// per kind of series: "c1"/"r1" chart data series, "c2"/"r2" time series, "c3"/"r3" 3-D series.
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

// The value names of one kind of series' offered size.
struct OfferedSizeNames {
    std::string_view columns;
    std::string_view rows;
};

inline constexpr OfferedSizeNames kChartSeriesSize{"c1", "r1"};
inline constexpr OfferedSizeNames kTimeSeriesSize{"c2", "r2"};
inline constexpr OfferedSizeNames kSurfaceSeriesSize{"c3", "r3"};

TableSize ReadOfferedSize(const OfferedSizeNames& names);
void WriteOfferedSize(const OfferedSizeNames& names, const TableSize& size);

// Each returns false when the prompt was cancelled; sizes come back clamped to [minimum, maximum].
bool PromptSeriesName(QWidget* parent, std::u16string& name);
bool PromptTableSize(QWidget* parent, TableSize& size, int minimum, int maximum);
bool PromptNewSeries(QWidget* parent, std::u16string& name, TableSize& size, int minimum, int maximum);

}  // namespace ov
