// The colour-map model and its eleven control-colour tables.
#include "chart/ColourMap.h"

#include <algorithm>
#include <cmath>

namespace ov {
namespace {

using Table = std::array<uint32_t, kColourMapControls>;

constexpr std::array<Table, 10> kTables = {{
    // 0 (also 10 and any unknown index)
    {0xf2f2f2, 0x00ffff, 0x0099ff, 0x0000ff, 0x0000ab, 0x00ff00, 0x00bf00, 0x008000, 0xffbfff, 0xff66ff,
     0xff00ff, 0xffff00, 0xffcc00, 0xff7800, 0xff0000, 0x000000},
    {0x000099, 0x0000ff, 0x0040ff, 0x0080ff, 0x00bfff, 0x00ffff, 0x40ffbf, 0x80ff80, 0xbfff40, 0xffff00,
     0xffd600, 0xffab00, 0xff8200, 0xff5700, 0xb22b00, 0x660000},
    {0xe5e5e5, 0xd9d9d9, 0xcccccc, 0xbfbfbf, 0xb2b2b2, 0xa6a6a6, 0x999999, 0x8c8c8c, 0x808080, 0x737373,
     0x666666, 0x595959, 0x4d4d4d, 0x404040, 0x333333, 0x262626},
    {0x210000, 0x400000, 0x610000, 0x8a0000, 0xb50000, 0xde0000, 0xff0a00, 0xff3600, 0xff6100, 0xff8a00,
     0xffb500, 0xffde00, 0xffff0f, 0xffff4f, 0xffff8f, 0xffffcf},
    {0xff00ff, 0xff12ed, 0xff21de, 0xff33cc, 0xff45ba, 0xff54ab, 0xff6699, 0xff7887, 0xff8778, 0xff9966,
     0xffab54, 0xffba45, 0xffcc33, 0xffde21, 0xffed12, 0xffff00},
    {0x00ffff, 0x0ff0ff, 0x21deff, 0x30cfff, 0x40bfff, 0x52adff, 0x619eff, 0x708fff, 0x827dff, 0x916eff,
     0xa35cff, 0xb24dff, 0xc23dff, 0xd12bff, 0xe31cff, 0xff00ff},
    {0x0000ff, 0x0045ff, 0x0087ff, 0x00ccff, 0x00ffed, 0x00ffab, 0x00ff66, 0x00ff21, 0x21ff00, 0x66ff00,
     0xabff00, 0xedff00, 0xffcc00, 0xff8700, 0xff4500, 0xff0000},
    {0x262626, 0x333333, 0x404040, 0x4d4d4d, 0x595959, 0x666666, 0x737373, 0x808080, 0x8c8c8c, 0x999999,
     0xa6a6a6, 0xb2b2b2, 0xbfbfbf, 0xcccccc, 0xd9d9d9, 0xe5e5e5},
    {0xff0000, 0xff6100, 0xffbf00, 0xe8ff00, 0x80ff00, 0x21ff00, 0x00ff40, 0x00ff9e, 0x00ffff, 0x009eff,
     0x0040ff, 0x2100ff, 0x8000ff, 0xde00ff, 0xff00bf, 0xff0061},
    {0xffffff, 0x7ae5ff, 0x1fd9f0, 0x00deb2, 0x00f042, 0x00ff00, 0x6bff00, 0xe8ff00, 0xfff200, 0xffcc00,
     0xff9900, 0xff5e00, 0xff0000, 0xff0000, 0xff006e, 0xff1aff},
}};

Rgb FromRgb(uint32_t rgb)
{
    return {static_cast<float>((rgb >> 16) & 0xff) / 255.0f, static_cast<float>((rgb >> 8) & 0xff) / 255.0f,
            static_cast<float>(rgb & 0xff) / 255.0f};
}

// Position(i) of every control, worked out once: a 3-D model looks up a colour for every cell.
constexpr std::array<float, kColourMapControls> kPositions = [] {
    std::array<float, kColourMapControls> p{};
    for (int i = 0; i < kColourMapControls; ++i) p[static_cast<std::size_t>(i)] = ColourMap::Position(i);
    return p;
}();

float Blend(float a, float b, double f)
{
    return static_cast<float>(a + (b - a) * f);
}

}  // namespace

const std::array<uint32_t, kColourMapControls>& ColourMapTable(int index)
{
    return kTables[index >= 1 && index <= 9 ? static_cast<std::size_t>(index) : 0];
}

uint32_t ToArgb(const Rgb& c)
{
    auto channel = [](float v) {
        return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255));
    };
    return 0xff000000u | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

void ColourMap::SetDefaults()
{
    outOfRange_ = false;
    above_ = {};
    below_ = {1, 1, 1};
    minimum_ = 0;
    maximum_ = 1;
    scale_ = 1;
    levels_ = 16;
    ChooseControlColours(0);
}

void ColourMap::ChooseControlColours(int index)
{
    const Table& table = ColourMapTable(index);
    for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i] = FromRgb(table[i]);
}

void ColourMap::SetRange(double a, double b)
{
    minimum_ = std::min(a, b);
    maximum_ = std::max(a, b);
    scale_ = maximum_ > minimum_ ? 1.0 / (maximum_ - minimum_) : 0.0;
}

void ColourMap::SetOutOfRangeColours(bool on, Rgb above, Rgb below)
{
    outOfRange_ = on;
    above_ = above;
    below_ = below;
}

Rgb ColourMap::ColourOf(double value) const
{
    if (value > maximum_) return outOfRange_ ? above_ : controls_.back();
    if (value < minimum_) return outOfRange_ ? below_ : controls_.front();
    const double t = (value - minimum_) * scale_;
    int i = 1;
    while (i < kColourMapControls - 1 && kPositions[static_cast<std::size_t>(i)] <= t) ++i;
    const double p0 = Position(i - 1), p1 = Position(i);
    const Rgb& c0 = controls_[static_cast<std::size_t>(i - 1)];
    const Rgb& c1 = controls_[static_cast<std::size_t>(i)];
    if (p0 == p1) return c1;
    const double f = std::clamp((t - p0) / (p1 - p0), 0.0, 1.0);
    return {Blend(c0.r, c1.r, f), Blend(c0.g, c1.g, f), Blend(c0.b, c1.b, f)};
}

bool ColourMap::OnLevel(double value) const
{
    const double x = (value - minimum_) * levels_ * scale_;
    return std::abs(x - std::floor(x)) <= 1e-12 || std::abs(std::ceil(x) - x) <= 1e-12;
}

}  // namespace ov
