// Typed access to the chart record: text slots cut to their size, the font size clamp, axis ranges
// with their single-precision widening and the scale parameter.
#pragma once

#include <ornivex/chart.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ov {

constexpr std::size_t kMaxSlotText = 127;      // caption, axis titles
constexpr std::size_t kMaxFontFaceText = 126;  // the font face slot is one character shorter
constexpr float kMinFontSize = 2.0f;
constexpr float kMaxFontSize = 240.0f;
constexpr float kRangeWidening = 1e-16f;

inline uint8_t ChartKindOf(const ChartRecord& record)
{
    return record.kind;
}

// Reads a NUL-terminated slot of `capacity` characters (stops at the end of the slot).
std::u16string ReadTextSlot(const ov_char16* slot, std::size_t capacity);
// Stores text cut to `maxChars` characters with its terminator; the rest of the slot is zeroed.
void StoreTextSlot(ov_char16* slot, std::size_t capacity, std::size_t maxChars, std::u16string_view text);

void SetCaption(ChartRecord& record, std::u16string_view text);
void SetFontFace(ChartRecord& record, std::u16string_view text);
void SetAxisTitle(AxisRecord& axis, std::u16string_view text);
std::u16string Caption(const ChartRecord& record);
std::u16string FontFace(const ChartRecord& record);
std::u16string AxisTitle(const AxisRecord& axis);

// Clamps to 2 ... 240 (a NaN counts as the smallest size).
float ClampFontSize(float size);
void SetFontSize(ChartRecord& record, float size);

// Minimum = smaller, maximum = larger; a span below 1e-16 is widened by 1e-16 each side, computed in
// single precision (so 5 to 5 stays 5 to 5).
void StoreAxisRange(AxisRecord& axis, double a, double b);

// The scale parameter is never stored below 0.
void StoreScaleParameter(AxisRecord& axis, float value);

}  // namespace ov
