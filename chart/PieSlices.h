// PieSlices: pie slices as the library creates, frees and edits them in the host's list: the defaults
// of a new slice, the slice count, the names and values taken from the table's texts, the style
// fields the line/fill editor marks changed, and the selection marks. Slice memory is malloc'ed
// because the host frees what the library appends.
#pragma once

#include <ornivex/chart.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// The most slices the count command takes.
constexpr int kMaxSliceCount = 10000;

// The random source of new slices' fill colours.
using SliceRandom = std::minstd_rand;

// Every field of a new slice: name "PI_<number>", value 0, flags 0, line style 0, width 2, fill style
// 1, colour 0 opaque black, colours 1 ... 3 opaque with red, green and blue drawn from 0 ... 254,
// mark 0, an empty path. Null when out of memory.
PieSlice* CreatePieSlice(int number, SliceRandom& random);
// Frees the name, the path and the slice; null is ignored.
void DestroyPieSlice(PieSlice* slice);

std::vector<PieSlice*> SliceList(const OvHostList* list);
// Appends a new slice numbered by the count after appending; null (list unchanged) when out of memory.
PieSlice* AppendPieSlice(OvHostList& list, SliceRandom& random);
// Destroys slices from the end, or appends new ones, until the list holds `count`. A count below 1
// or above kMaxSliceCount is not taken: false and the list unchanged.
bool SetSliceCount(OvHostList& list, int count, SliceRandom& random);
// The count typed into the count prompt (an expression is allowed, a fraction is cut off); 0 when the
// text is no number or the count lies outside 1 ... kMaxSliceCount.
int TypedSliceCount(std::u16string_view text);

// One table row: the name and the value as the table shows them.
struct SliceRowText {
    std::u16string name;
    std::u16string value;
};

// The table's texts of every slice: the name, the value as "%g".
std::vector<SliceRowText> SliceRowTexts(const OvHostList* list);
// Row i of `rows` (table row i + 1) goes to slice i, for as many rows as both have: the name is the
// text (kept when out of memory), the value the number typed (0 when it does not parse).
void StoreSliceRows(const OvHostList* list, const std::vector<SliceRowText>& rows);

// Copies from `edited` the fields whose bits are set in `changedMask` (the line/fill editor's mask:
// bit 0 line style, 1 width, 2 fill style, 3 ... 6 colours 0 ... 3) and rebuilds the flags.
void ApplySliceStyle(PieSlice& slice, const LineFillStyle& edited, uint32_t changedMask, bool eject,
                     bool excluded);

// Each slice's mark: 1 when its table row (slice i is row i + 1) is selected, else 0.
void MarkSelectedSlices(const OvHostList* list, const std::function<bool(int row)>& rowSelected);

}  // namespace ov
