// TimeSeriesText: grid loading and storing by the grid's number-backed cells, and the export through
// the grid's text writer and the atomic file writer.
#include "animation/TimeSeriesText.h"

#include "framework/text/Utf16Conversion.h"

#include <algorithm>
#include <sstream>

namespace ov {

std::u16string ColumnHeading(const TimeSeries& series, int column)
{
    const void* title = ov_list_at(&series.column_titles, column - 1);
    if (title && *static_cast<const ov_char16*>(title)) return static_cast<const ov_char16*>(title);
    const std::string digits = std::to_string(column);
    return {digits.begin(), digits.end()};
}

void LoadSeriesCells(GridCells& cells, const TimeSeries* series)
{
    cells.SetNumberStyle(CellNumberStyle::General);
    const bool hasValues = series && series->values && series->columns > 0 && series->rows > 0;
    cells.LoadNumbers(hasValues ? series->values : nullptr, hasValues ? series->rows : 0,
                      hasValues ? series->columns : 0);
    for (int c = 1; hasValues && c <= series->columns; ++c)
        cells.SetText(0, c, Utf16ToUtf8(ColumnHeading(*series, c)));
    cells.SetModified(false);
}

bool StoreSeriesCells(TimeSeries& series, const GridCells& cells)
{
    const int columns = cells.ColumnCount() - 1;
    const int rows = cells.RowCount() - 1;
    const std::vector<double> values = cells.Values();
    if ((columns != series.columns || rows != series.rows) && !SetTimeSeriesSize(series, columns, rows))
        return false;
    std::copy(values.begin(), values.end(), series.values);
    return true;
}

GridTextOptions TimeSeriesTextOptions()
{
    GridTextOptions options;
    options.separator = ',';
    options.nameLine = false;
    options.exactValues = false;
    return options;
}

bool WriteTimeSeriesText(const GridCells& cells, std::ostream& out)
{
    return WriteGridText(cells, out, TimeSeriesTextOptions());
}

FileWriteResult SaveTimeSeriesText(const GridCells& cells, const std::string& path)
{
    std::ostringstream text;
    WriteTimeSeriesText(cells, text);  // a string stream only fails without memory, which throws
    return WriteFileAtomically(path, text.view());
}

}  // namespace ov
