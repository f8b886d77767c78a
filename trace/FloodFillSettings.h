// FloodFillSettings: the tracing settings of the Flood Fill Tool and the values under
// "Software\Ornivex\MP\FFF" that remember them between calls.
#pragma once

#include <cstdint>

namespace ov {

enum PathStyle : int32_t { kPathPolygon = 0, kPathClosedCurve = 1, kPathBlending = 2 };

struct FloodFillSettings {
    int32_t permeability = 0;     // colour tolerance per channel, 0-100
    int32_t debris = 0;           // share of the area range below which outlines are dropped, 0-100
    int32_t approximability = 0;  // approximation tolerance in tenths of a pixel, 0-100
    int32_t blending = 50;        // corner angle of the blending style, 0-100
    int32_t pathStyle = kPathBlending;
    bool showKeyPoints = false;
};

// Values taken from the store only where they exist as DWORDs; sliders kept in 0-100, the path
// style in 0-2, and the key-point switch on only when its value is greater than 0.
FloodFillSettings LoadFloodFillSettings();
// Writes all six values (the key-point switch as 0 or 1).
void StoreFloodFillSettings(const FloodFillSettings& settings);
// "Use Default Settings": 50, 30, 10, 80 and blending; the key-point switch stays as it was.
FloodFillSettings DefaultFloodFillSettings(bool showKeyPoints);

}  // namespace ov
