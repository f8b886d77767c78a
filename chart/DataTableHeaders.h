// DataTableHeaders: the header texts of the data table's grid: rows numbered from 1, columns named
// after what they hold in a chart of the given kind and coordinate system, followed by " : c<n>".
#pragma once

#include <string>

namespace ov {

// Header of data column `column` (from 1) of a series with `columns` columns lying in coordinate
// system `system` (0 "X-Y", 1 "X-Y#2", 2 "X-Y#3") of a chart of kind `kind`.
std::u16string DataColumnHeader(int kind, int system, int columns, int column);

}  // namespace ov
