// Points along the pieces and the parsing of the typed divisions and bias.
#include "paths/PointsAlongPaths.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace ov {

namespace {

constexpr double kFrontDrop = 0.01;

double Gap(OvPointF a, OvPointF b)
{
    return std::hypot(double(b.x) - a.x, double(b.y) - a.y);
}

// The text as ASCII with the leading blanks gone; other characters end it.
std::string LeadingAscii(std::u16string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    std::string out;
    for (; i < text.size() && text[i] < 0x80; ++i) out.push_back(static_cast<char>(text[i]));
    return out;
}

}  // namespace

std::vector<OvPointF> PointsAlongPieces(const ChainList& pieces, int divisions, double bias)
{
    std::vector<OvPointF> all;
    for (const Chain& piece : pieces) {
        const auto points = piece->Divide(divisions, bias);
        size_t first = 0;
        while (!all.empty() && first < points.size() && Gap(points[first], all.back()) < kFrontDrop) ++first;
        all.insert(all.end(), points.begin() + static_cast<std::ptrdiff_t>(first), points.end());
    }
    return all;
}

OvPointF GridCell(OvPointF p, const CellGrid& grid)
{
    return {float((p.x - grid.origin_x) / grid.cell_size), float((p.y - grid.origin_y) / grid.cell_size)};
}

int ParseDivisions(std::u16string_view text)
{
    std::string s = LeadingAscii(text);
    if (!s.empty() && s.front() == '+') s.erase(0, 1);
    long long value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error == std::errc::result_out_of_range) value = s.front() == '-' ? LLONG_MIN : LLONG_MAX;
    (void)end;
    return static_cast<int>(std::clamp<long long>(value, 1, INT_MAX));
}

double ParseBias(std::u16string_view text)
{
    std::string s = LeadingAscii(text);
    if (!s.empty() && s.front() == '+') s.erase(0, 1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error == std::errc::result_out_of_range) value = s.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    (void)end;
    return ClampBias(value);
}

double ClampBias(double bias)
{
    if (std::isnan(bias)) return kMinBias;
    return std::clamp(bias, kMinBias, kMaxBias);
}

}  // namespace ov
