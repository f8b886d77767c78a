// Fuzz target of magnet position files: any bytes read as an ASCII matrix become the positions of a
// magnet, its table is exported and read back, and the mirror of the table agrees with the plain
// every-pair rule. Moderate finite positions must come back equal at two decimals.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "data/import/AsciiMatrix.h"
#include "magnets/COvMag.h"
#include "magnets/MagnetMirror.h"
#include "magnets/MagnetTable.h"

namespace {

constexpr double kModerate = 1e9;
constexpr std::size_t kMirrorCheckRows = 300;

bool Moderate(const ov::TableRow& row)
{
    return std::fabs(row.x) < kModerate && std::fabs(row.y) < kModerate;
}

void CheckMirror(const std::vector<ov::TableRow>& rows, ov::MirrorAxis axis)
{
    const std::vector<ov::TableRow> fast = ov::MirrorRows(rows, axis);
    if (fast.size() < rows.size() || fast.size() > 2 * rows.size()) __builtin_trap();
    if (rows.size() > kMirrorCheckRows) return;
    std::vector<ov::TableRow> plain = rows;
    for (const ov::TableRow& row : rows) {
        const ov::TableRow image{axis == ov::MirrorAxis::Vertical ? -row.x : row.x,
                                 axis == ov::MirrorAxis::Horizontal ? -row.y : row.y, 1, 0};
        bool near = false;
        for (const ov::TableRow& r : plain)
            near = near || (std::fabs(r.x - image.x) < 0.01 && std::fabs(r.y - image.y) < 0.01);
        if (!near) plain.push_back(image);
    }
    if (plain.size() != fast.size()) __builtin_trap();
    for (std::size_t i = 0; i < plain.size(); ++i)
        if (plain[i].x != fast[i].x || plain[i].y != fast[i].y) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<ov::AsciiMatrix> matrix = ov::ReadAsciiMatrixFromBytes(bytes, 0, -1);
    if (!matrix) return 0;
    const ov::PageMapping mapping{100, 200, 2};
    ov::MagnetContent content =
        ov::ContentFromMatrix(matrix->values.get(), matrix->cols, matrix->rows, mapping);
    if (content.positions.size() != static_cast<std::size_t>(matrix->rows)) __builtin_trap();
    ov::COvMag magnet;
    magnet.SetPositions(std::move(content.positions));
    const std::vector<ov::TableRow> rows = ov::RowsOfMagnet(magnet, nullptr, mapping);
    ov::GridCells cells;
    ov::FillTable(cells, rows, false);
    const std::vector<ov::TableRow> read = ov::ReadTableRows(cells, false);
    if (read.size() > rows.size()) __builtin_trap();
    CheckMirror(read, ov::MirrorAxis::Vertical);
    CheckMirror(read, ov::MirrorAxis::Horizontal);

    std::ostringstream out;
    if (!ov::WritePositionsText(cells, out)) __builtin_trap();
    bool moderate = true;
    for (const ov::TableRow& row : rows) moderate = moderate && Moderate(row);
    if (!moderate) return 0;
    const std::optional<ov::AsciiMatrix> again = ov::ReadAsciiMatrixFromBytes(out.str(), 0, -1);
    if (!again || again->cols != 2 || again->rows != matrix->rows) __builtin_trap();
    for (int32_t r = 0; r < again->rows; ++r) {
        const ov::TableRow& row = rows[static_cast<std::size_t>(r)];
        if (std::fabs(again->At(0, r) - row.x) > 0.0051 || std::fabs(again->At(1, r) - row.y) > 0.0051)
            __builtin_trap();
    }
    return 0;
}
