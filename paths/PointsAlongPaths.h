// PointsAlongPaths: points spaced along the pieces of the clipping pipeline and their grid cells, and
// the two numbers the user types for them.
#pragma once

#include "paths/ChainCuts.h"

#include <ornivex/segpath.h>

#include <string_view>
#include <vector>

namespace ov {

inline constexpr double kMinBias = 0.1;
inline constexpr double kMaxBias = 10.0;

// Each piece divided in list order (divisions steps per straight link or smooth run, spacing by bias);
// the leading points of a piece closer than 0.01 to the last point so far are dropped.
std::vector<OvPointF> PointsAlongPieces(const ChainList& pieces, int divisions, double bias);

// A point as (column, row) of the grid: (p − origin) / cell size per axis.
OvPointF GridCell(OvPointF p, const CellGrid& grid);

// Divisions as typed: the leading whole number (after blanks and a sign; none reads as 0), at least 1.
int ParseDivisions(std::u16string_view text);
// Bias as typed: the leading decimal number (none reads as 0), clamped to [0.1, 10].
double ParseBias(std::u16string_view text);
// A bias from wherever it came, clamped to [0.1, 10] (not a number gives 0.1).
double ClampBias(double bias);

}  // namespace ov
