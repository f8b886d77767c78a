// Banding of cell triangles between contour levels.
#include "view3d/ContourBands.h"

#include "view3d/SurfaceBuilders.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ov {
namespace {

struct V {
    double x = 0, y = 0, z = 0;
};

// A triangle with a level edge, seen as a quadrilateral: a lower edge (l1, l2) and an upper edge
// (u1, u2), one of them a repeated vertex; its rising sides run l1 → u1 and l2 → u2.
struct LevelTriangle {
    V l1, l2, u1, u2;
};

// Entry k + 1 of the colours made by BandColours: the colour of level k (−1 ... levels).
const Rgb& LevelColour(const std::vector<Rgb>& colours, int k)
{
    const int entry = k + 1;
    return colours[static_cast<std::size_t>(entry)];
}

// The settings with the colours of their levels, as the banding of one cell reads them.
struct Banding {
    const BandSettings& settings;
    const std::vector<Rgb>& colours;
    ModelItemStock& stock;

    const Rgb& ColourOfLevel(int k) const { return LevelColour(colours, k); }
};

V From(const OvPoint3F& p)
{
    return {p.x, p.y, p.z};
}

OvPoint3F To(const V& v)
{
    return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
}

// The point at height h on the side from a to b (an end when h lies outside it).
V AtHeight(const V& a, const V& b, double h)
{
    const double d = b.z - a.z;
    const double t = d != 0 ? std::clamp((h - a.z) / d, 0.0, 1.0) : 0.0;
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), h};
}

bool Same(const V& a, const V& b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

bool AddQuad(ModelItemStock& stock, OvHostList& out, const V& a, const V& b, const V& c, const V& d,
             const Rgb& colour)
{
    ModelItem* quad = stock.Append(out, OV_ITEM_QUAD, 4);
    if (!quad) return false;
    quad->points[0] = To(a);
    quad->points[1] = To(b);
    quad->points[2] = To(c);
    quad->points[3] = To(d);
    SetItemColour(*quad, colour);
    return true;
}

// A level line along the edge when one of its ends lies on a level; a point is no line.
bool AddLevelLine(OvHostList& out, const V& a, const V& b, const Banding& bands, int k)
{
    const ColourMap& map = *bands.settings.colours;
    if (Same(a, b) || !(map.OnLevel(a.z) || map.OnLevel(b.z))) return true;
    ModelItem* line = bands.stock.Append(out, OV_ITEM_LINES, 2);
    if (!line) return false;
    line->points[0] = To(a);
    line->points[1] = To(b);
    SetItemColour(*line, bands.ColourOfLevel(k));
    return true;
}

// Bands the triangle from its lower edge up. Level lines: every lower edge on a level, and the last cut
// unless `lastCutShared` says the triangle above starts from it (the upper half of a split triangle).
bool Band(OvHostList& out, const LevelTriangle& t, const Banding& bands, bool lastCutShared = false)
{
    const BandSettings& settings = bands.settings;
    const int top = LevelIndex(settings, std::max(t.u1.z, t.u2.z));
    V a = t.l1, b = t.l2;
    for (int k = LevelIndex(settings, std::min(t.l1.z, t.l2.z)); k < top; ++k) {
        const double h = LevelHeight(settings, k);
        const V ca = AtHeight(t.l1, t.u1, h), cb = AtHeight(t.l2, t.u2, h);
        const bool ok = settings.filled ? AddQuad(bands.stock, out, a, b, cb, ca, bands.ColourOfLevel(k))
                                        : AddLevelLine(out, a, b, bands, k);
        if (!ok) return false;
        a = ca;
        b = cb;
    }
    if (settings.filled) return AddQuad(bands.stock, out, a, b, t.u2, t.u1, bands.ColourOfLevel(top));
    return lastCutShared || AddLevelLine(out, a, b, bands, top);
}

bool Triangle(OvHostList& out, V p, V q, V r, const Banding& bands)
{
    if (p.z < q.z) std::swap(p, q);
    if (q.z < r.z) std::swap(q, r);
    if (p.z < q.z) std::swap(p, q);
    // p highest, q middle, r lowest
    const double tolerance = bands.settings.tolerance;
    if (p.z - q.z <= tolerance) return Band(out, {r, r, p, q}, bands);
    if (q.z - r.z <= tolerance) return Band(out, {q, r, p, p}, bands);
    const V split = AtHeight(r, p, q.z);
    return Band(out, {q, split, p, p}, bands) && Band(out, {r, r, q, split}, bands, true);
}

}  // namespace

int LevelIndex(const BandSettings& bands, double z)
{
    const ColourMap& c = *bands.colours;
    if (!(z >= c.Minimum())) return -1;
    if (z > c.Maximum()) return bands.levels;
    const double x = std::floor((z - c.Minimum()) * bands.levels * c.Scale());
    if (!(x >= 0)) return 0;  // an infinite range gives NaN here
    return static_cast<int>(std::min(x, static_cast<double>(bands.levels)));
}

double LevelHeight(const BandSettings& bands, int k)
{
    const ColourMap& c = *bands.colours;
    return c.Minimum() + (k + 1) * (c.Maximum() - c.Minimum()) / bands.levels;
}

std::vector<Rgb> BandColours(const BandSettings& bands)
{
    std::vector<Rgb> colours;
    for (int k = -1; k <= bands.levels; ++k)
        colours.push_back(bands.colours->ColourOf(LevelHeight(bands, k)));
    return colours;
}

bool SubdivideCell(ModelItemStock& stock, OvHostList& children, const std::array<OvPoint3F, 4>& corners,
                   const BandSettings& bands, const std::vector<Rgb>& colours)
{
    // A cell inside one band is that band's only piece, and has no level line unless a corner or the
    // centre lies on a level: most cells of a fine grid are such cells.
    const auto [low, high] = std::minmax_element(
        corners.begin(), corners.end(), [](const OvPoint3F& a, const OvPoint3F& b) { return a.z < b.z; });
    const int band = LevelIndex(bands, low->z);
    const bool oneBand = band == LevelIndex(bands, high->z);
    if (oneBand && bands.filled)
        return AddQuad(stock, children, From(corners[0]), From(corners[1]), From(corners[2]),
                       From(corners[3]), LevelColour(colours, band));
    V centre;
    for (const OvPoint3F& c : corners) {
        centre.x += c.x / 4.0;
        centre.y += c.y / 4.0;
        centre.z += c.z / 4.0;
    }
    if (oneBand) {
        const bool touchesLevel = bands.colours->OnLevel(centre.z) ||
                                  std::any_of(corners.begin(), corners.end(), [&](const OvPoint3F& c) {
                                      return bands.colours->OnLevel(c.z);
                                  });
        if (!touchesLevel) return true;
    }
    const Banding banding{bands, colours, stock};
    for (std::size_t k = 0; k < 4; ++k)
        if (!Triangle(children, From(corners[k]), From(corners[(k + 1) % 4]), centre, banding)) return false;
    return true;
}

}  // namespace ov
