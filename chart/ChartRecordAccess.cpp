// Chart record access: text slots, font size, axis ranges.
#include "chart/ChartRecordAccess.h"

#include <algorithm>
#include <cmath>

namespace ov {

std::u16string ReadTextSlot(const ov_char16* slot, std::size_t capacity)
{
    std::size_t n = 0;
    while (n < capacity && slot[n] != 0) ++n;
    return {reinterpret_cast<const char16_t*>(slot), n};
}

void StoreTextSlot(ov_char16* slot, std::size_t capacity, std::size_t maxChars, std::u16string_view text)
{
    if (capacity == 0) return;
    const std::size_t n = std::min({text.size(), maxChars, capacity - 1});
    std::fill(slot, slot + capacity, ov_char16{0});
    std::copy_n(text.data(), n, slot);
}

void SetCaption(ChartRecord& record, std::u16string_view text)
{
    StoreTextSlot(record.caption, std::size(record.caption), kMaxSlotText, text);
}

void SetFontFace(ChartRecord& record, std::u16string_view text)
{
    StoreTextSlot(record.font_face, std::size(record.font_face), kMaxFontFaceText, text);
}

void SetAxisTitle(AxisRecord& axis, std::u16string_view text)
{
    StoreTextSlot(axis.title, std::size(axis.title), kMaxSlotText, text);
}

std::u16string Caption(const ChartRecord& record)
{
    return ReadTextSlot(record.caption, std::size(record.caption));
}

std::u16string FontFace(const ChartRecord& record)
{
    return ReadTextSlot(record.font_face, std::size(record.font_face));
}

std::u16string AxisTitle(const AxisRecord& axis)
{
    return ReadTextSlot(axis.title, std::size(axis.title));
}

float ClampFontSize(float size)
{
    if (std::isnan(size)) return kMinFontSize;
    return std::clamp(size, kMinFontSize, kMaxFontSize);
}

void SetFontSize(ChartRecord& record, float size)
{
    record.font_size = ClampFontSize(size);
}

void StoreAxisRange(AxisRecord& axis, double a, double b)
{
    float lo = static_cast<float>(std::min(a, b));
    float hi = static_cast<float>(std::max(a, b));
    if (hi - lo < kRangeWidening) {
        lo -= kRangeWidening;
        hi += kRangeWidening;
    }
    axis.range_min = lo;
    axis.range_max = hi;
}

void StoreScaleParameter(AxisRecord& axis, float value)
{
    axis.scale_param = value < 0 || std::isnan(value) ? 0.0f : value;
}

}  // namespace ov
