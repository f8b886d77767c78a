// SeriesValues: value blocks are malloc'ed (calloc) because the host frees the series it gets.
#include "chart/SeriesValues.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace ov {
namespace {

void FreeValues(DataSeries& series)
{
    std::free(series.values);
    series.values = nullptr;
    series.columns = 0;
    series.rows = 0;
}

}  // namespace

bool ResizeSeries(DataSeries& series, int columns, int rows)
{
    FreeValues(series);
    if (columns < 0 || rows < 0) return false;
    if (columns == 0 || rows == 0) return true;
    const auto count = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    if (count > std::numeric_limits<std::size_t>::max() / sizeof(double) / 2) return false;
    auto* block = static_cast<double*>(std::calloc(count, sizeof(double)));
    if (!block) return false;
    series.values = block;
    series.columns = columns;
    series.rows = rows;
    return true;
}

double* SeriesValue(DataSeries& series, int column, int row)
{
    if (!series.values || column < 0 || row < 0 || column >= series.columns || row >= series.rows)
        return nullptr;
    return series.values + static_cast<std::size_t>(column) * static_cast<std::size_t>(series.rows) +
           static_cast<std::size_t>(row);
}

bool ReplaceSeriesValues(DataSeries& series, int columns, int rows, const double* values)
{
    if (!ResizeSeries(series, columns, rows)) return false;
    if (series.values != nullptr)
        std::copy_n(values, static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows),
                    series.values);
    return true;
}

bool ResizeSeriesKeepingValues(DataSeries& series, int columns, int rows)
{
    if (columns < 0 || rows < 0) return false;
    const std::size_t count = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    double* block = count == 0 ? nullptr : static_cast<double*>(std::calloc(count, sizeof(double)));
    if (count != 0 && block == nullptr) return false;
    const int keepColumns = std::min(columns, series.values ? series.columns : 0);
    const int keepRows = std::min(rows, series.values ? series.rows : 0);
    for (int c = 0; c < keepColumns; ++c) {
        std::memcpy(block + static_cast<std::size_t>(c) * rows,
                    series.values + static_cast<std::size_t>(c) * series.rows,
                    static_cast<std::size_t>(keepRows) * sizeof(double));
    }
    std::free(series.values);
    series.values = block;
    series.columns = count == 0 ? 0 : columns;
    series.rows = count == 0 ? 0 : rows;
    return true;
}

bool StoreGridValues(DataSeries& series, int gridRows, int gridCols, const std::vector<double>& values)
{
    const int rows = std::max(gridRows - 1, 0);
    const int cols = std::max(gridCols - 1, 0);
    if (values.size() != static_cast<std::size_t>(rows) * cols) return false;
    if ((series.rows != rows || series.columns != cols) && !ResizeSeries(series, cols, rows)) return false;
    if (series.values != nullptr) std::copy(values.begin(), values.end(), series.values);
    return true;
}

void ClearSeriesValues(DataSeries& series)
{
    if (series.values == nullptr) return;
    std::fill_n(series.values, static_cast<std::size_t>(series.columns) * series.rows, 0.0);
}

}  // namespace ov
