// TimeSeriesObject: malloc'ed blocks swapped in only once they exist, so a failed allocation leaves
// the host's series as it was.
#include "animation/TimeSeriesObject.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace ov {
namespace {

// Largest block a series may hold: the resize maximum both ways, which also keeps the byte count of
// any size that passes this check inside size_t.
constexpr std::size_t kMaxValues = static_cast<std::size_t>(kResizeMaximum) * kResizeMaximum;

double* AllocateValues(int columns, int rows)
{
    if (columns < 0 || rows < 0) return nullptr;
    const std::size_t count = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    if (count > kMaxValues) return nullptr;
    // malloc(0) may give null; one element keeps "no memory" and "empty" apart.
    return static_cast<double*>(std::malloc(std::max<std::size_t>(count, 1) * sizeof(double)));
}

ov_char16* HostString(std::u16string_view text)
{
    return ov_str_dup_n(text.data(), text.size());
}

}  // namespace

int ClampNewSeriesCount(int count)
{
    return std::clamp(count, kNewSeriesMinimum, kNewSeriesMaximum);
}

int ClampResizeCount(int count)
{
    return std::clamp(count, kResizeMinimum, kResizeMaximum);
}

void TimeSeriesDeleter::operator()(TimeSeries* series) const noexcept
{
    DestroyTimeSeries(series);
}

OwnedTimeSeries CreateTimeSeries()
{
    auto* raw = static_cast<TimeSeries*>(std::calloc(1, sizeof(TimeSeries)));
    if (!raw) return nullptr;
    OwnedTimeSeries series(raw);
    ov_list_init(&series->column_titles);
    series->name = HostString(u"TS_1");
    if (!series->name) return nullptr;
    return series;
}

void DestroyTimeSeries(TimeSeries* series) noexcept
{
    if (!series) return;
    ov_list_free_strings(&series->column_titles);
    std::free(series->name);
    std::free(series->values);
    std::free(series);
}

bool SetTimeSeriesSize(TimeSeries& series, int columns, int rows)
{
    double* values = AllocateValues(columns, rows);
    if (!values) return false;
    std::free(series.values);
    series.values = values;
    series.columns = columns;
    series.rows = rows;
    return true;
}

bool ResizeTimeSeries(TimeSeries& series, int columns, int rows)
{
    double* values = AllocateValues(columns, rows);
    if (!values) return false;
    std::fill_n(values, static_cast<std::size_t>(columns) * rows, 0.0);
    const int keptColumns = std::min(columns, series.columns);
    const int keptRows = std::min(rows, series.rows);
    if (series.values) {
        for (int c = 0; c < keptColumns; ++c)
            std::copy_n(series.values + static_cast<std::size_t>(c) * series.rows, keptRows,
                        values + static_cast<std::size_t>(c) * rows);
    }
    std::free(series.values);
    series.values = values;
    series.columns = columns;
    series.rows = rows;
    return true;
}

bool AddTimeSeriesColumn(TimeSeries& series)
{
    return ResizeTimeSeries(series, series.columns + 1, series.rows);
}

void FillNewSeriesValues(TimeSeries& series)
{
    if (!series.values || series.columns < 1) return;
    const std::size_t rows = static_cast<std::size_t>(series.rows);
    for (std::size_t r = 0; r < rows; ++r) series.values[r] = static_cast<double>(r);
    std::fill(series.values + rows, series.values + static_cast<std::size_t>(series.columns) * rows, 0.0);
}

bool SetTimeSeriesName(TimeSeries& series, std::u16string_view name)
{
    ov_char16* copy = HostString(name);
    if (!copy) return false;
    std::free(series.name);
    series.name = copy;
    return true;
}

std::u16string TimeSeriesName(const TimeSeries& series)
{
    return series.name ? std::u16string(series.name) : std::u16string();
}

bool SetColumnTitles(TimeSeries& series, const std::vector<std::u16string>& titles)
{
    OvHostList fresh;
    ov_list_init(&fresh);
    for (int c = 0; c < series.columns; ++c) {
        const std::size_t i = static_cast<std::size_t>(c);
        ov_char16* title = HostString(i < titles.size() ? std::u16string_view(titles[i]) : u"");
        if (!title || !ov_list_append(&fresh, title)) {
            std::free(title);
            ov_list_free_strings(&fresh);
            return false;
        }
    }
    ov_list_free_strings(&series.column_titles);
    series.column_titles = fresh;
    return true;
}

std::vector<std::u16string> ColumnTitles(const TimeSeries& series)
{
    std::vector<std::u16string> titles;
    for (const OvHostListNode* node = series.column_titles.head; node; node = node->next)
        titles.emplace_back(node->data ? static_cast<const ov_char16*>(node->data) : u"");
    return titles;
}

std::u16string NumberedSeriesName(int number)
{
    const std::string digits = std::to_string(number);
    return u"TimeSer_" + std::u16string(digits.begin(), digits.end());
}

OwnedTimeSeries MakeNewSeries(std::u16string_view name, int32_t id, int columns, int rows)
{
    OwnedTimeSeries series = CreateTimeSeries();
    if (!series || !SetTimeSeriesName(*series, name) ||
        !SetTimeSeriesSize(*series, ClampNewSeriesCount(columns), ClampNewSeriesCount(rows)))
        return nullptr;
    series->id = id;
    FillNewSeriesValues(*series);
    return series;
}

}  // namespace ov
