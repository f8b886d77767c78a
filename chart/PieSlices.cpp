// Pie slice creation, freeing, counting and editing.
#include "chart/PieSlices.h"

#include "chart/LineFillEditing.h"
#include "chart/PageNumbers.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ov {
namespace {

ov_argb RandomOpaqueColour(SliceRandom& random)
{
    std::uniform_int_distribution<uint32_t> channel(0, 254);
    const uint32_t red = channel(random);
    const uint32_t green = channel(random);
    const uint32_t blue = channel(random);
    return 0xff000000u | red << 16 | green << 8 | blue;
}

bool Changed(uint32_t mask, int field)
{
    return (mask & (1u << static_cast<unsigned>(field))) != 0;
}

}  // namespace

PieSlice* CreatePieSlice(int number, SliceRandom& random)
{
    auto* slice = static_cast<PieSlice*>(std::malloc(sizeof(PieSlice)));
    if (!slice) return nullptr;
    std::memset(slice, 0, sizeof *slice);
    std::array<char, 32> name{};
    std::snprintf(name.data(), name.size(), "PI_%d", number);
    slice->name = ov_str_from_ascii(name.data());
    slice->style.line_width = 2.0f;
    slice->style.fill_style = 1;
    slice->style.colour[0] = 0xff000000u;
    for (int i = 1; i < 4; ++i) slice->style.colour[i] = RandomOpaqueColour(random);
    slice->path = ov_path_create(OV_FILL_ALTERNATE);
    slice->path_status = slice->path ? 0 : 1;
    if (!slice->name || !slice->path) {
        DestroyPieSlice(slice);
        return nullptr;
    }
    return slice;
}

void DestroyPieSlice(PieSlice* slice)
{
    if (!slice) return;
    ov_str_free(slice->name);
    ov_path_destroy(slice->path);
    std::free(slice);
}

std::vector<PieSlice*> SliceList(const OvHostList* list)
{
    std::vector<PieSlice*> slices;
    for (const OvHostListNode* node = list ? list->head : nullptr; node; node = node->next)
        slices.push_back(static_cast<PieSlice*>(node->data));
    return slices;
}

PieSlice* AppendPieSlice(OvHostList& list, SliceRandom& random)
{
    PieSlice* slice = CreatePieSlice(ov_list_count(&list) + 1, random);
    if (slice && !ov_list_append(&list, slice)) {
        DestroyPieSlice(slice);
        return nullptr;
    }
    return slice;
}

bool SetSliceCount(OvHostList& list, int count, SliceRandom& random)
{
    if (count < 1 || count > kMaxSliceCount) return false;
    while (ov_list_count(&list) > count) DestroyPieSlice(static_cast<PieSlice*>(ov_list_remove_last(&list)));
    while (ov_list_count(&list) < count)
        if (!AppendPieSlice(list, random)) return false;
    return true;
}

int TypedSliceCount(std::u16string_view text)
{
    const double count = std::floor(ParseTypedNumber(text));
    if (!(count >= 1 && count <= kMaxSliceCount)) return 0;
    return static_cast<int>(count);
}

std::vector<SliceRowText> SliceRowTexts(const OvHostList* list)
{
    std::vector<SliceRowText> rows;
    for (const PieSlice* slice : SliceList(list)) {
        if (!slice) {
            rows.push_back({});
            continue;
        }
        rows.push_back({std::u16string(slice->name ? slice->name : u""), FormatG(slice->value)});
    }
    return rows;
}

void StoreSliceRows(const OvHostList* list, const std::vector<SliceRowText>& rows)
{
    const std::vector<PieSlice*> slices = SliceList(list);
    for (std::size_t i = 0; i < slices.size() && i < rows.size(); ++i) {
        PieSlice* slice = slices[i];
        if (!slice) continue;
        if (ov_char16* name = ov_str_dup_n(rows[i].name.data(), rows[i].name.size())) {
            ov_str_free(slice->name);
            slice->name = name;
        }
        slice->value = static_cast<float>(ParseTypedNumber(rows[i].value));
    }
}

void ApplySliceStyle(PieSlice& slice, const LineFillStyle& edited, uint32_t changedMask, bool eject,
                     bool excluded)
{
    LineFillStyle& style = slice.style;
    if (Changed(changedMask, kLfLineStyle)) style.line_style = edited.line_style;
    if (Changed(changedMask, kLfWidth)) style.line_width = edited.line_width;
    if (Changed(changedMask, kLfFillStyle)) style.fill_style = edited.fill_style;
    for (int i = 0; i < 4; ++i)
        if (Changed(changedMask, kLfColour0 + i)) style.colour[i] = edited.colour[i];
    slice.flags = (eject ? uint32_t{OV_SLICE_EJECT} : 0u) | (excluded ? uint32_t{OV_SLICE_EXCLUDED} : 0u);
}

void MarkSelectedSlices(const OvHostList* list, const std::function<bool(int row)>& rowSelected)
{
    int row = 1;
    for (PieSlice* slice : SliceList(list)) {
        if (slice) slice->selected = rowSelected(row) ? 1 : 0;
        ++row;
    }
}

}  // namespace ov
