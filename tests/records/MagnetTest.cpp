// Magnets as the host sees them: names, positions and marks through the C functions, and their answers
// to null and out-of-range arguments.
#include <ornivex/ornivex.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

namespace {

// The positions as one text, "x,y x,y ...".
std::string PositionsOf(const OvMagnet* magnet)
{
    std::ostringstream text;
    const OvPointF* p = ov_mag_positions(magnet);
    for (int32_t i = 0; p && i < ov_mag_count(magnet); ++i) text << p[i].x << ',' << p[i].y << ' ';
    return text.str();
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
    EXPECT_EQ(PositionsOf(magnet.get()), "10,20 30,20 50,25 ");
    OvPointF p{};
    ASSERT_EQ(ov_mag_position(magnet.get(), 2, &p), 1);
    EXPECT_EQ(std::pair(p.x, p.y), std::pair(50.f, 25.f));
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
    EXPECT_EQ(std::tuple(ov_mag_count(nullptr), ov_mag_flags(nullptr), ov_mag_set_name(nullptr, u"x")),
              std::tuple(0, 0, 0));
    ov_mag_set_flags(nullptr, OV_MAG_CHANGED, 1);
    ov_mag_destroy(nullptr);
    for (size_t i = 0; i < std::size(calls); ++i) {
        EXPECT_EQ(calls[i](nullptr), 0) << "null, call " << i;
        MagnetPtr magnet(ov_mag_create(u"M_01"));
        const float old_xs[] = {1, 2}, old_ys[] = {3, 4};
        ASSERT_EQ(ov_mag_set_positions(magnet.get(), old_xs, old_ys, 2), 1);
        ov_mag_set_flags(magnet.get(), OV_MAG_CHANGED, 0);
        EXPECT_EQ(calls[i](magnet.get()), 0) << "call " << i;
        EXPECT_EQ(PositionsOf(magnet.get()), "1,3 2,4 ") << "call " << i;
        EXPECT_EQ(ov_mag_flags(magnet.get()), 0) << "call " << i;
    }
}

}  // namespace
