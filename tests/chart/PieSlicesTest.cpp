// Pie slice rules on a host list: new slices and their defaults, the slice count, names and values
// from the table's texts, the editor's changed fields and the selection marks.
#include "chart/LineFillEditing.h"
#include "chart/PieSlices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <set>
#include <string>
#include <tuple>

using namespace ov;

namespace {

// A host list of slices that frees them with the list.
class SliceList : public ::testing::Test {
protected:
    void TearDown() override
    {
        while (ov_list_count(&list_) > 0)
            DestroyPieSlice(static_cast<PieSlice*>(ov_list_remove_last(&list_)));
    }
    void Fill(int count)
    {
        for (int i = 0; i < count; ++i) ASSERT_NE(AppendPieSlice(list_, random_), nullptr);
    }
    PieSlice& At(int index) { return *static_cast<PieSlice*>(ov_list_at(&list_, index)); }
    static std::u16string Name(const PieSlice& slice) { return slice.name ? slice.name : u"(null)"; }

    OvHostList list_{};
    SliceRandom random_{7};
};

}  // namespace

TEST_F(SliceList, NewSlicesAreNumberedByTheCountAndCarryTheDefaults)
{
    Fill(3);
    PieSlice* fourth = AppendPieSlice(list_, random_);
    ASSERT_NE(fourth, nullptr);
    ASSERT_NE(fourth->path, nullptr);
    const PieSlice& s = *fourth;
    EXPECT_EQ(std::make_tuple(s.value, s.flags, s.style.line_style, s.style.line_width, s.style.fill_style,
                              s.style.colour[0], s.selected, ov_path_point_count(s.path), s.path_status),
              std::make_tuple(0.0f, 0u, 0, 2.0f, 1, 0xff000000u, uint8_t{0}, 0, 0));
    EXPECT_EQ(Name(s), u"PI_4");
    EXPECT_EQ(Name(At(0)), u"PI_1");
    DestroyPieSlice(nullptr);  // ignored
}

// 18000 draws from 255 values: every value from 0 to 254 shows, and none above.
TEST_F(SliceList, FillColoursAreOpaqueWithChannelsBelow255AndVary)
{
    Fill(2000);
    std::set<uint32_t> channels[3];
    for (int i = 0; i < 2000; ++i)
        for (int c = 1; c < 4; ++c) {
            const uint32_t colour = At(i).style.colour[c];
            ASSERT_EQ(colour >> 24, 0xffu);
            for (int shift = 0; shift < 3; ++shift) channels[shift].insert((colour >> (8 * shift)) & 0xffu);
        }
    for (const auto& seen : channels) EXPECT_TRUE(seen.size() == 255 && *seen.rbegin() == 254u);
}

TEST_F(SliceList, CountDestroysFromTheEndOrAppendsAndRefusesOutOfRangeCounts)
{
    Fill(5);
    PieSlice* first = &At(0);
    PieSlice* second = &At(1);
    ASSERT_TRUE(SetSliceCount(list_, 2, random_));  // the other three are freed (LeakSanitizer)
    ASSERT_EQ(ov_list_count(&list_), 2);
    EXPECT_EQ(&At(0), first);
    EXPECT_EQ(&At(1), second);
    ASSERT_TRUE(SetSliceCount(list_, 4, random_));
    EXPECT_EQ(Name(At(2)), u"PI_3");
    EXPECT_EQ(Name(At(3)), u"PI_4");
    for (int refused : {0, -3, kMaxSliceCount + 1}) {
        EXPECT_FALSE(SetSliceCount(list_, refused, random_)) << refused;
        EXPECT_EQ(ov_list_count(&list_), 4) << refused;
    }
    EXPECT_TRUE(SetSliceCount(list_, 1, random_));
    EXPECT_EQ(ov_list_count(&list_), 1);
    EXPECT_EQ(&At(0), first);
    EXPECT_TRUE(SetSliceCount(list_, kMaxSliceCount, random_));
    EXPECT_EQ(Name(At(kMaxSliceCount - 1)), u"PI_10000");
}

TEST(PieSlice, TypedCountsOutsideOneToTheCapAreNoCount)
{
    const std::pair<std::u16string, int> cases[] = {
        {u"7", 7},     {u"2*3", 6}, {u"4.9", 4}, {u"1", 1},     {u"10000", kMaxSliceCount},
        {u"0", 0},     {u"0.5", 0}, {u"-2", 0},  {u"10001", 0}, {u"1e300", 0},
        {u"seven", 0}, {u"", 0}};
    for (const auto& [text, count] : cases) EXPECT_EQ(TypedSliceCount(text), count) << text.size();
}

TEST_F(SliceList, RowsGiveNamesAndValuesAsFarAsBothReach)
{
    Fill(3);
    At(2).value = 7.0f;
    StoreSliceRows(&list_, {{u"North", u"1.5"}, {u"South", u"abc"}});
    EXPECT_EQ(Name(At(0)), u"North");
    EXPECT_EQ(At(0).value, 1.5f);
    EXPECT_EQ(Name(At(1)), u"South");
    EXPECT_EQ(At(1).value, 0.0f);  // text that is no number
    EXPECT_EQ(Name(At(2)), u"PI_3");
    EXPECT_EQ(At(2).value, 7.0f);
    // More rows than slices: the rest is ignored.
    StoreSliceRows(&list_, {{u"a", u"1"}, {u"b", u"2"}, {u"c", u"2*4"}, {u"d", u"4"}});
    EXPECT_EQ(Name(At(2)), u"c");
    EXPECT_EQ(At(2).value, 8.0f);
    EXPECT_EQ(ov_list_count(&list_), 3);
}

TEST_F(SliceList, ValuesPassThroughTheirTableTextOnce)
{
    Fill(2);
    At(0).value = 1.23456789f;
    ov_str_free(At(1).name);
    At(1).name = nullptr;  // the host may hand a slice without a name
    const std::vector<SliceRowText> rows = SliceRowTexts(&list_);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].value, u"1.23457");
    EXPECT_EQ(rows[1].name, u"");
    StoreSliceRows(&list_, rows);
    EXPECT_EQ(At(0).value, 1.23457f);
    EXPECT_EQ(Name(At(1)), u"");
}

TEST_F(SliceList, StyleTakesOnlyTheMarkedFieldsAndTheFlagsAlways)
{
    Fill(1);
    LineFillStyle edited{};
    edited.line_style = 5;
    edited.line_width = 9.5f;
    edited.fill_style = 42;
    for (int i = 0; i < 4; ++i) edited.colour[i] = 0x11223300u + static_cast<uint32_t>(i);
    for (int field = 0; field <= 6; ++field) {
        PieSlice& slice = At(0);
        const LineFillStyle before = slice.style;
        ApplySliceStyle(slice, edited, 1u << field, field % 2 == 0, field % 3 == 0);
        EXPECT_EQ(slice.style.line_style, field == kLfLineStyle ? edited.line_style : before.line_style);
        EXPECT_EQ(slice.style.line_width, field == kLfWidth ? edited.line_width : before.line_width);
        EXPECT_EQ(slice.style.fill_style, field == kLfFillStyle ? edited.fill_style : before.fill_style);
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(slice.style.colour[c], field == kLfColour0 + c ? edited.colour[c] : before.colour[c])
                << field << " " << c;
        EXPECT_EQ(slice.flags, (field % 2 == 0 ? uint32_t{OV_SLICE_EJECT} : 0u) |
                                   (field % 3 == 0 ? uint32_t{OV_SLICE_EXCLUDED} : 0u));
        slice.style = before;
    }
    LineFillStyle& style = At(0).style;
    std::fill(std::begin(style.reserved_1c), std::end(style.reserved_1c), uint8_t{0x5a});
    ApplySliceStyle(At(0), edited, 0xffffffffu, false, false);  // bits past the seven fields mean nothing
    EXPECT_EQ(std::memcmp(&style, &edited, offsetof(LineFillStyle, reserved_1c)), 0);
    EXPECT_EQ(style.reserved_1c[0], 0x5a);
    EXPECT_EQ(At(0).flags, 0u);
}

TEST_F(SliceList, MarksFollowTheSelectedRows)
{
    Fill(4);
    const auto marks = [this] {
        std::string text;
        for (int i = 0; i < 4; ++i) text += std::to_string(At(i).selected);
        return text;
    };
    MarkSelectedSlices(&list_, [](int row) { return row == 2 || row == 3; });
    EXPECT_EQ(marks(), "0110");
    MarkSelectedSlices(&list_, [](int row) { return row == 1; });
    EXPECT_EQ(marks(), "1000");
    EXPECT_TRUE(SliceRowTexts(nullptr).empty());
}
