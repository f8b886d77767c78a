// MagnetTable: the rules of the Magnets dialog's position table, free of widgets: which rows count,
// how cells read as numbers, the table of a magnet, applying rows, import from a number matrix, the
// formula source and the export text.
#pragma once

#include "grid/GridCells.h"
#include "grid/GridTextFile.h"
#include "magnets/COvMag.h"
#include "magnets/MagnetUnits.h"

#include <ostream>
#include <string>
#include <vector>

namespace ov {

// Data columns: X and Y in user coordinates; copy mode adds scale and angle (degrees).
inline constexpr int kColumnX = 1;
inline constexpr int kColumnY = 2;
inline constexpr int kColumnScale = 3;
inline constexpr int kColumnAngle = 4;

struct TableRow {
    double x = 0;
    double y = 0;
    double scale = 1;
    double angle = 0;
};

// What a magnet holds: page positions and, in copy mode, one (scale, angle) pair per position.
struct MagnetContent {
    std::vector<OvPointF> positions;
    std::vector<OvPointF> scaleAngles;
};

// How a value shows in a cell: "%.2f" in any locale ("0.00" rather than "-0.00").
std::string TableCellText(double value);

// Data columns of the table in each mode, without the row-number column.
int TableColumns(bool copyMode);

// The rows of a magnet in user coordinates; copy mode takes scale and angle from the second list
// ((1, 0) where it is shorter or missing).
std::vector<TableRow> RowsOfMagnet(const COvMag& magnet, const COvMag* scaleAngle,
                                   const PageMapping& mapping);

// Lays out the table: the headers, one row per position ("%03d", cells "%.2f") and the empty " * " row.
void FillTable(GridCells& cells, const std::vector<TableRow>& rows, bool copyMode);

// Every row after the header whose X and Y cells are not both empty; a cell that does not read as a
// finite number counts as empty, other text that is not a number reads as 0.
std::vector<TableRow> ReadTableRows(const GridCells& cells, bool copyMode);

MagnetContent ContentFromRows(const std::vector<TableRow>& rows, const PageMapping& mapping);

// An imported matrix (column-major, cols >= 1, rows >= 2): page x from column 0, page y from column 1
// (0 with one column), scale from column 2 (else 1), angle from column 3 (else 0). Values that are
// not finite read as 0.
MagnetContent ContentFromMatrix(const double* values, int32_t cols, int32_t rows, const PageMapping& mapping);

// Replaces the magnet's positions; in copy mode also the record's second list, when there is one.
void SetMagnetContent(MagnetRecord& record, COvMag& magnet, MagnetContent content);

// The formula dialog's source: one row per table row, columns X, Y (and scale, angle), column-major.
std::vector<double> FormulaSource(const std::vector<TableRow>& rows, bool copyMode);

// The export text: the cells of the position rows (header and " * " row left out) as shown, joined by
// "," with a line end after each row. False when the stream fails.
bool WritePositionsText(const GridCells& cells, std::ostream& out);
// The text layout of an exported table, for writing it to a file with SaveGridText.
GridTextOptions PositionsTextOptions(const GridCells& cells);

}  // namespace ov
