// Setting, resizing and rearranging the z values of a surface grid.
#include "view3d/SurfaceData.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace ov {
namespace {

// The most values one block holds (also keeps nx × ny inside a 32-bit count).
constexpr long long kMaxValues = std::numeric_limits<int32_t>::max() / static_cast<long long>(sizeof(double));

bool ValidSize(int nx, int ny)
{
    return nx > 0 && ny > 0 && static_cast<long long>(nx) * ny <= kMaxValues;
}

void MakeEmpty(SurfaceGrid& grid)
{
    std::free(grid.values);
    grid.values = nullptr;
    grid.nx = 0;
    grid.ny = 0;
    grid.z_min = 0;
    grid.z_max = 0;
    grid.z_max_index = -1;
}

void ComputeZRange(SurfaceGrid& grid)
{
    grid.z_min = 0;
    grid.z_max = 0;
    grid.z_max_index = -1;
    const long long n = static_cast<long long>(grid.nx) * grid.ny;
    for (long long k = 0; k < n; ++k) {
        const double v = grid.values[k];
        if (!std::isfinite(v)) continue;
        if (grid.z_max_index < 0) {
            grid.z_min = grid.z_max = v;
            grid.z_max_index = static_cast<int32_t>(k);
        } else if (v > grid.z_max) {
            grid.z_max = v;
            grid.z_max_index = static_cast<int32_t>(k);
        } else if (v < grid.z_min) {
            grid.z_min = v;
        }
    }
}

std::vector<double> CopyValues(const SurfaceGrid& grid)
{
    if (!grid.values || grid.nx <= 0 || grid.ny <= 0) return {};
    return {grid.values, grid.values + static_cast<std::size_t>(grid.nx) * grid.ny};
}

bool Reset(SurfaceGrid& grid, const std::vector<double>& values, int nx, int ny)
{
    return SetSurfaceData(grid, values.data(), nx, ny, grid.x_min, grid.x_max, grid.y_min, grid.y_max);
}

std::vector<std::string> Headers(double lo, double hi, int n)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int k = 0; k < n; ++k) texts.push_back(FormatHeaderValue(GridPosition(lo, hi, k, n)));
    return texts;
}

// Keeps the positions of `count` that are not listed, deleting the listed ones from the highest while
// more than one remains. Returns the kept positions in order; empty when nothing may be deleted.
std::vector<int> KeptPositions(int count, std::vector<int> deleted)
{
    std::sort(deleted.begin(), deleted.end(), std::greater<>());
    deleted.erase(std::unique(deleted.begin(), deleted.end()), deleted.end());
    std::vector<bool> keep(static_cast<std::size_t>(std::max(count, 0)), true);
    int left = count;
    for (int k : deleted) {
        if (k < 0 || k >= count || left <= 1) continue;
        keep[static_cast<std::size_t>(k)] = false;
        --left;
    }
    std::vector<int> kept;
    for (int k = 0; k < count; ++k)
        if (keep[static_cast<std::size_t>(k)]) kept.push_back(k);
    return kept;
}

}  // namespace

bool SetSurfaceData(SurfaceGrid& grid, const double* values, int nx, int ny, double xMin, double xMax,
                    double yMin, double yMax)
{
    grid.x_min = xMin;
    grid.x_max = xMax;
    grid.y_min = yMin;
    grid.y_max = yMax;
    MakeEmpty(grid);
    if (!values || !ValidSize(nx, ny)) return false;
    const std::size_t bytes = static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny) * sizeof(double);
    auto* block = static_cast<double*>(std::malloc(bytes));
    if (!block) return false;
    std::memcpy(block, values, bytes);
    grid.values = block;
    grid.nx = nx;
    grid.ny = ny;
    ComputeZRange(grid);
    return true;
}

void FreeSurfaceData(SurfaceGrid* grid)
{
    if (grid) MakeEmpty(*grid);
}

double SurfaceValue(const SurfaceGrid& grid, int i, int j)
{
    if (!grid.values || i < 0 || j < 0 || i >= grid.nx || j >= grid.ny) return 0;
    return grid.values[static_cast<std::size_t>(j) * static_cast<std::size_t>(grid.nx) + i];
}

double GridPosition(double lo, double hi, int k, int n)
{
    if (n <= 1) return lo;
    return lo + k * (hi - lo) / (n - 1);
}

std::string FormatHeaderValue(double v)
{
    // "%g" without the process locale: a host running in German still sees a decimal point.
    std::array<char, 32> text{};
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), v, std::chars_format::general, 6).ptr;
    return {text.data(), end};
}

double ShownValue(double v)
{
    const std::string text = FormatHeaderValue(v);
    double shown = v;
    std::from_chars(text.data(), text.data() + text.size(), shown);
    return shown;
}

std::vector<std::string> XHeaders(const SurfaceGrid& grid)
{
    return Headers(grid.x_min, grid.x_max, grid.nx);
}

std::vector<std::string> YHeaders(const SurfaceGrid& grid)
{
    return Headers(grid.y_min, grid.y_max, grid.ny);
}

bool ResizeSurface(SurfaceGrid& grid, int nx, int ny)
{
    if (!ValidSize(nx, ny)) return false;
    std::vector<double> values(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny), 0.0);
    for (int j = 0; j < std::min(ny, grid.ny); ++j)
        for (int i = 0; i < std::min(nx, grid.nx); ++i)
            values[static_cast<std::size_t>(j) * nx + i] = SurfaceValue(grid, i, j);
    return Reset(grid, values, nx, ny);
}

void ClearSurface(SurfaceGrid& grid)
{
    std::vector<double> values = CopyValues(grid);
    std::fill(values.begin(), values.end(), 0.0);
    Reset(grid, values, grid.nx, grid.ny);
}

void DeleteXPositions(SurfaceGrid& grid, std::vector<int> indexes)
{
    if (grid.nx == 1) return ClearSurface(grid);
    const std::vector<int> kept = KeptPositions(grid.nx, std::move(indexes));
    if (kept.empty()) return;
    std::vector<double> values;
    for (int j = 0; j < grid.ny; ++j)
        for (int i : kept) values.push_back(SurfaceValue(grid, i, j));
    Reset(grid, values, static_cast<int>(kept.size()), grid.ny);
}

void DeleteYPositions(SurfaceGrid& grid, std::vector<int> indexes)
{
    if (grid.ny == 1) return ClearSurface(grid);
    const std::vector<int> kept = KeptPositions(grid.ny, std::move(indexes));
    if (kept.empty()) return;
    std::vector<double> values;
    for (int j : kept)
        for (int i = 0; i < grid.nx; ++i) values.push_back(SurfaceValue(grid, i, j));
    Reset(grid, values, grid.nx, static_cast<int>(kept.size()));
}

void ReverseY(SurfaceGrid& grid)
{
    std::vector<double> values;
    for (int j = grid.ny - 1; j >= 0; --j)
        for (int i = 0; i < grid.nx; ++i) values.push_back(SurfaceValue(grid, i, j));
    Reset(grid, values, grid.nx, grid.ny);
}

void ReverseX(SurfaceGrid& grid)
{
    std::vector<double> values;
    for (int j = 0; j < grid.ny; ++j)
        for (int i = grid.nx - 1; i >= 0; --i) values.push_back(SurfaceValue(grid, i, j));
    Reset(grid, values, grid.nx, grid.ny);
}

void TransposeSurface(SurfaceGrid& grid)
{
    std::vector<double> values;
    for (int i = 0; i < grid.nx; ++i)
        for (int j = 0; j < grid.ny; ++j) values.push_back(SurfaceValue(grid, i, j));
    Reset(grid, values, grid.ny, grid.nx);
}

}  // namespace ov
