// Magnets as the host sees them: names, positions and marks through the C functions, their answers
// to null and out-of-range arguments, and handles kept in a magnet record's list.
#include <ornivex/ornivex.h>

#include "magnets/COvMag.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using ov::COvMag;

std::vector<OvPointF> PositionsOf(const OvMagnet* magnet)
{
    const OvPointF* p = ov_mag_positions(magnet);
    return p ? std::vector<OvPointF>(p, p + ov_mag_count(magnet)) : std::vector<OvPointF>{};
}

MATCHER_P2(At, x, y, "")
{
    return arg.x == x && arg.y == y;
}

struct MagnetDeleter {
    void operator()(OvMagnet* m) const { ov_mag_destroy(m); }
};
using MagnetPtr = std::unique_ptr<OvMagnet, MagnetDeleter>;

TEST(MagnetApi, CreateRenamePositionsAndMarksRoundTrip)
{
    ov_char16* name = ov_str_from_ascii("__TEMP_MAG");
    MagnetPtr magnet(ov_mag_create(name));
    ov_str_free(name);  // the host may release its string at once
    EXPECT_EQ(std::u16string(ov_mag_name(magnet.get())), u"__TEMP_MAG");
    EXPECT_EQ(ov_mag_positions(magnet.get()), nullptr);
    ASSERT_EQ(ov_mag_set_name(magnet.get(), u"Row"), 1);
    EXPECT_EQ(std::u16string(ov_mag_name(magnet.get())), u"Row");
    EXPECT_EQ(std::u16string(ov_mag_name(MagnetPtr(ov_mag_create(nullptr)).get())), u"");

    const float xs[] = {10, 30}, ys[] = {20, 20};
    ASSERT_EQ(ov_mag_set_positions(magnet.get(), xs, ys, 2), 1);
    ASSERT_EQ(ov_mag_add_position(magnet.get(), 50, 25), 1);
    EXPECT_THAT(PositionsOf(magnet.get()),
                testing::ElementsAre(At(10.f, 20.f), At(30.f, 20.f), At(50.f, 25.f)));
    OvPointF p{};
    ASSERT_EQ(ov_mag_position(magnet.get(), 2, &p), 1);
    EXPECT_THAT(p, At(50.f, 25.f));
    // An empty set is a valid replacement; the arrays may then be missing.
    ASSERT_EQ(ov_mag_set_positions(magnet.get(), nullptr, nullptr, 0), 1);
    EXPECT_EQ(ov_mag_positions(magnet.get()), nullptr);
    ov_mag_set_flags(magnet.get(), OV_MAG_TEMPORARY | OV_MAG_CHECKED | OV_MAG_DROPPED, 1);
    ov_mag_set_flags(magnet.get(), OV_MAG_CHECKED | OV_MAG_CHANGED, 0);
    EXPECT_EQ(ov_mag_flags(magnet.get()), OV_MAG_TEMPORARY | OV_MAG_DROPPED);
}

// Each call is refused and leaves positions and marks as they were; a null handle is refused too and
// reads as an empty magnet.
TEST(MagnetApi, BrokenArgumentsAreRefusedWithoutChange)
{
    static const float xs[] = {9, 9, 9}, ys[] = {8, 8, 8};
    OvPointF p;
    const std::function<int32_t(OvMagnet*)> calls[] = {
        [](OvMagnet* m) { return ov_mag_set_positions(m, xs, ys, -1); },
        [](OvMagnet* m) { return ov_mag_set_positions(m, nullptr, ys, 3); },
        [](OvMagnet* m) { return ov_mag_set_positions(m, xs, nullptr, 3); },
        [](OvMagnet* m) { return ov_mag_resize(m, -2, 0, 0); },
        [&p](OvMagnet* m) { return ov_mag_position(m, -1, &p); },
        [&p](OvMagnet* m) { return ov_mag_position(m, 2, &p); },
        [](OvMagnet* m) { return ov_mag_position(m, 0, nullptr); },
    };
    EXPECT_EQ(std::u16string(ov_mag_name(nullptr)), u"");
    EXPECT_EQ(ov_mag_count(nullptr), 0);
    EXPECT_EQ(ov_mag_flags(nullptr), 0);
    EXPECT_EQ(ov_mag_set_name(nullptr, u"x"), 0);
    ov_mag_set_flags(nullptr, OV_MAG_CHANGED, 1);
    ov_mag_destroy(nullptr);
    for (size_t i = 0; i < std::size(calls); ++i) {
        EXPECT_EQ(calls[i](nullptr), 0) << "null, call " << i;
        MagnetPtr magnet(ov_mag_create(u"M_01"));
        const float old_xs[] = {1, 2}, old_ys[] = {3, 4};
        ASSERT_EQ(ov_mag_set_positions(magnet.get(), old_xs, old_ys, 2), 1);
        ov_mag_set_flags(magnet.get(), OV_MAG_CHANGED, 0);
        EXPECT_EQ(calls[i](magnet.get()), 0) << "call " << i;
        EXPECT_THAT(PositionsOf(magnet.get()), testing::ElementsAre(At(1.f, 3.f), At(2.f, 4.f)))
            << "call " << i;
        EXPECT_EQ(ov_mag_flags(magnet.get()), 0) << "call " << i;
    }
}

// The host keeps handles in its record; the library reads the same objects back from the list. In
// copy mode the second magnet carries (scale, angle) pairs, and growing it adds neutral pairs.
TEST(MagnetRecord, HandlesInTheRecordAreTheLibrarysMagnets)
{
    MagnetRecord record{};
    ov_list_init(&record.magnets);
    MagnetPtr first(ov_mag_create(u"M_01")), second(ov_mag_create(u"M_02")), pairs(ov_mag_create(nullptr));
    ASSERT_TRUE(ov_list_append(&record.magnets, first.get()) &&
                ov_list_append(&record.magnets, second.get()));
    record.current_magnet = second.get();
    COvMag* seen = COvMag::FromHandle(static_cast<OvMagnet*>(ov_list_last(&record.magnets)));
    EXPECT_EQ(seen->Name(), u"M_02");
    seen->Append({100, 200});
    EXPECT_EQ(ov_mag_count(record.current_magnet), 1);
    EXPECT_TRUE(ov_mag_flags(record.current_magnet) & OV_MAG_CHANGED);
    EXPECT_EQ(ov_mag_count(static_cast<OvMagnet*>(ov_list_at(&record.magnets, 0))), 0);
    ov_list_remove_all(&record.magnets);

    record.scale_angle_mode = 1;
    record.scale_angle = pairs.get();
    const float scales[] = {2.5f}, angles[] = {45};
    ASSERT_EQ(ov_mag_set_positions(record.scale_angle, scales, angles, 1), 1);
    ASSERT_EQ(ov_mag_resize(record.scale_angle, 3, 1, 0), 1);
    EXPECT_THAT(PositionsOf(record.scale_angle),
                testing::ElementsAre(At(2.5f, 45.f), At(1.f, 0.f), At(1.f, 0.f)));
}

}  // namespace
