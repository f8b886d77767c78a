// ColourMap: a colour scale of sixteen control colours at t = i / 15, chosen by a colour-map index
// 0 ... 10, mapped over a value range with optional out-of-range colours and a contour level test.
// Used by the colour-map list, bubble series and the 3-D views.
#pragma once

#include <array>
#include <cstdint>

namespace ov {

constexpr int kColourMapControls = 16;
constexpr int kColourMapCount = 11;  // indexes 0 ... 10 of the lists

struct Rgb {
    float r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

class ColourMap {
public:
    ColourMap() { SetDefaults(); }

    // Control colours of index 0, range 0 ... 1, 16 levels, no out-of-range colours.
    void SetDefaults();
    // Indexes 1 ... 9 have their own scales; 0, 10 and any other index give the default scale.
    void ChooseControlColours(int index);
    // Minimum = smaller, maximum = larger. Equal limits keep a scale of 0 so every value maps to the
    // first control colour instead of dividing by zero.
    void SetRange(double a, double b);
    void SetLevels(int32_t levels) { levels_ = levels; }
    void SetOutOfRangeColours(bool on, Rgb above = {}, Rgb below = {1, 1, 1});

    Rgb ColourOf(double value) const;
    // Whether the value lies on a contour line: (v - min) × levels × scale within 1e-12 of an integer.
    bool OnLevel(double value) const;

    const Rgb& Control(int i) const { return controls_[static_cast<std::size_t>(i)]; }
    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }
    double Scale() const { return scale_; }

    static constexpr float Position(int i) { return static_cast<float>(i) / (kColourMapControls - 1); }

private:
    bool outOfRange_ = false;
    Rgb above_{};
    Rgb below_{1, 1, 1};
    double minimum_ = 0;
    double maximum_ = 1;
    double scale_ = 1;
    int32_t levels_ = 16;
    std::array<Rgb, kColourMapControls> controls_{};
};

// The control colours of a colour-map index as 0xRRGGBB (for pictures and tables).
const std::array<uint32_t, kColourMapControls>& ColourMapTable(int index);
// A 0 ... 1 colour as opaque ARGB.
uint32_t ToArgb(const Rgb& c);

}  // namespace ov
