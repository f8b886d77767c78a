// MagnetTable: cell texts in and out, rows to positions and back.
#include "magnets/MagnetTable.h"

#include "data/numbers/AtofPrefix.h"
#include "grid/GridTextFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace ov {
namespace {

constexpr const char* kHeaders[] = {"X : c1", "Y : c2", "Scale : c3", "Angle/deg : c4"};
constexpr OvPointF kNoScaleAngle{1.0f, 0.0f};

}  // namespace

std::string TableCellText(double value)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (result.ec != std::errc()) return {};
    std::string text(buffer, result.ptr);
    if (text == "-0.00") text = "0.00";
    return text;
}

namespace {

// "%03d" of a positive number.
std::string RowNumber(int row)
{
    std::string digits = std::to_string(row);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return digits;
}

// nullopt for an empty cell or one that does not read as a finite number.
std::optional<double> CellNumber(const std::string& text)
{
    std::string_view rest(text);
    rest.remove_prefix(std::min(rest.find_first_not_of(" \t"), rest.size()));
    if (rest.empty()) return std::nullopt;
    const double value = AtofPrefix(rest.data(), rest.size());
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

double Finite(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace

int TableColumns(bool copyMode)
{
    return copyMode ? 4 : 2;
}

std::vector<TableRow> RowsOfMagnet(const COvMag& magnet, const COvMag* scaleAngle, const PageMapping& mapping)
{
    std::vector<TableRow> rows(static_cast<std::size_t>(magnet.Count()));
    const std::vector<OvPointF>& positions = magnet.Positions();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const UserPoint user = mapping.ToUser(positions[i]);
        const OvPointF pair =
            scaleAngle && i < scaleAngle->Positions().size() ? scaleAngle->Positions()[i] : kNoScaleAngle;
        rows[i] = {user.x, user.y, pair.x, pair.y};
    }
    return rows;
}

void FillTable(GridCells& cells, const std::vector<TableRow>& rows, bool copyMode)
{
    const int columns = TableColumns(copyMode);
    cells = GridCells();
    cells.SetColumnCount(columns + 1);
    cells.SetRowCount(static_cast<int>(rows.size()) + 2);
    for (int c = 1; c <= columns; ++c) cells.SetText(0, c, kHeaders[c - 1]);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        const double values[] = {rows[i].x, rows[i].y, rows[i].scale, rows[i].angle};
        cells.SetText(r, 0, RowNumber(r));
        for (int c = 1; c <= columns; ++c) cells.SetText(r, c, TableCellText(values[c - 1]));
    }
    cells.SetText(cells.RowCount() - 1, 0, " * ");
    cells.SetModified(false);
}

std::vector<TableRow> ReadTableRows(const GridCells& cells, bool copyMode)
{
    std::vector<TableRow> rows;
    for (int r = 1; r < cells.RowCount(); ++r) {
        const std::optional<double> x = CellNumber(cells.Text(r, kColumnX));
        const std::optional<double> y = CellNumber(cells.Text(r, kColumnY));
        if (!x && !y) continue;
        TableRow row{x.value_or(0), y.value_or(0), 0, 0};
        if (copyMode) {
            row.scale = CellNumber(cells.Text(r, kColumnScale)).value_or(0);
            row.angle = CellNumber(cells.Text(r, kColumnAngle)).value_or(0);
        }
        rows.push_back(row);
    }
    return rows;
}

MagnetContent ContentFromRows(const std::vector<TableRow>& rows, const PageMapping& mapping)
{
    MagnetContent content;
    content.positions.reserve(rows.size());
    content.scaleAngles.reserve(rows.size());
    for (const TableRow& row : rows) {
        content.positions.push_back(mapping.ToPage({row.x, row.y}));
        content.scaleAngles.push_back({static_cast<float>(row.scale), static_cast<float>(row.angle)});
    }
    return content;
}

MagnetContent ContentFromMatrix(const double* values, int32_t cols, int32_t rows, const PageMapping& mapping)
{
    MagnetContent content;
    if (!values || cols < 1 || rows < 2) return content;
    const auto at = [&](int32_t c, int32_t r) {
        return Finite(values[static_cast<std::size_t>(c) * static_cast<std::size_t>(rows) + r]);
    };
    for (int32_t r = 0; r < rows; ++r) {
        const double x = at(0, r) * mapping.s + mapping.ox;
        const double y = cols >= 2 ? mapping.oy - at(1, r) * mapping.s : 0.0;
        content.positions.push_back({static_cast<float>(x), static_cast<float>(y)});
        content.scaleAngles.push_back({cols >= 3 ? static_cast<float>(at(2, r)) : 1.0f,
                                       cols >= 4 ? static_cast<float>(at(3, r)) : 0.0f});
    }
    return content;
}

void SetMagnetContent(MagnetRecord& record, COvMag& magnet, MagnetContent content)
{
    magnet.SetPositions(std::move(content.positions));
    if (record.scale_angle_mode && record.scale_angle)
        COvMag::FromHandle(record.scale_angle)->SetPositions(std::move(content.scaleAngles));
}

std::vector<double> FormulaSource(const std::vector<TableRow>& rows, bool copyMode)
{
    const std::size_t n = rows.size();
    std::vector<double> source(n * static_cast<std::size_t>(TableColumns(copyMode)));
    for (std::size_t i = 0; i < n; ++i) {
        source[i] = rows[i].x;
        source[n + i] = rows[i].y;
        if (!copyMode) continue;
        source[2 * n + i] = rows[i].scale;
        source[3 * n + i] = rows[i].angle;
    }
    return source;
}

GridTextOptions PositionsTextOptions(const GridCells& cells)
{
    GridTextOptions options;
    options.separator = ',';
    options.nameLine = false;
    options.exactValues = false;
    options.dataRows = std::max(cells.RowCount() - 2, 0);
    return options;
}

bool WritePositionsText(const GridCells& cells, std::ostream& out)
{
    return WriteGridText(cells, out, PositionsTextOptions(cells));
}

}  // namespace ov
