// The C path handle and path record functions: round trips through the C boundary and the
// documented results for bad arguments.
#include "paths/SegPathRecord.h"

#include <ornivex/path.h>
#include <ornivex/segpath.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using Handle = std::unique_ptr<OvPath, void (*)(OvPath*)>;

Handle NewPath()
{
    return {ov_path_create(OV_FILL_ALTERNATE), ov_path_destroy};
}

std::vector<uint8_t> TypesOf(const OvPath* p)
{
    const int32_t n = ov_path_point_count(p);
    std::vector<OvPointF> pts(static_cast<size_t>(n));
    std::vector<uint8_t> types(static_cast<size_t>(n));
    EXPECT_EQ(ov_path_get_data(p, pts.data(), types.data(), n), n);
    return types;
}

TEST(PathApi, BuildsReversesAndMeasuresThroughTheHandle)
{
    Handle p = NewPath();
    const OvPointF tri[] = {{0, 0}, {10, 0}, {5, 8}};
    ASSERT_EQ(ov_path_add_polygon(p.get(), tri, 3), 1);
    ASSERT_EQ(ov_path_add_arc(p.get(), 20, 0, 10, 10, 0, 180), 1);
    EXPECT_EQ(TypesOf(p.get()), (std::vector<uint8_t>{0, 1, 0x81, 0, 3, 3, 3, 3, 3, 3}));
    ov_path_reverse(p.get());
    EXPECT_EQ(TypesOf(p.get()), (std::vector<uint8_t>{0, 3, 3, 3, 3, 3, 3, 0, 1, 0x81}));

    OvRectF box{};
    ASSERT_EQ(ov_path_get_bounds(p.get(), 0, &box), 1);
    EXPECT_NEAR(box.x, 0, 1e-4);
    EXPECT_NEAR(box.width, 30, 1e-4);
    EXPECT_NEAR(box.height, 10, 1e-4);
    EXPECT_EQ(ov_path_is_outline_visible(p.get(), 5, 0, 1), 1);
    EXPECT_EQ(ov_path_is_outline_visible(p.get(), 5, 3, 1), 0);

    const float shift[6] = {1, 0, 0, 1, 100, 0};
    ASSERT_EQ(ov_path_transform(p.get(), shift), 1);
    ASSERT_EQ(ov_path_get_bounds(p.get(), 2, &box), 1);
    EXPECT_NEAR(box.x, 99, 1e-4);
}

TEST(PathApi, BadArgumentsGiveTheDocumentedResults)
{
    Handle p = NewPath();
    const OvPointF one[] = {{0, 0}};
    EXPECT_EQ(ov_path_add_lines(nullptr, one, 1), 0);
    EXPECT_EQ(ov_path_add_lines(p.get(), nullptr, 1), 0);
    EXPECT_EQ(ov_path_add_beziers(p.get(), one, 1), 0);
    EXPECT_EQ(ov_path_add_arc(p.get(), 0, 0, -5, 5, 0, 90), 0);
    EXPECT_EQ(ov_path_add_path(p.get(), nullptr, 1), 0);
    EXPECT_EQ(ov_path_set_data(p.get(), nullptr, nullptr, 3), 0);
    EXPECT_EQ(ov_path_transform(p.get(), nullptr), 0);
    OvRectF box{1, 1, 1, 1};
    EXPECT_EQ(ov_path_get_bounds(p.get(), 1, &box), 0);
    EXPECT_EQ(box.width, 0);
    EXPECT_EQ(ov_path_is_outline_visible(nullptr, 0, 0, 1), 0);
    ov_path_reverse(nullptr);
    ov_path_record_release(nullptr);
    EXPECT_EQ(ov_path_record_set(nullptr, p.get()), 0);
}

TEST(PathRecord, CarriesThePathDataItsBoxAndClosedFlag)
{
    Handle p = NewPath();
    const OvPointF tri[] = {{-3, 2}, {10, 0}, {5, 8}};
    ov_path_add_polygon(p.get(), tri, 3);
    ov::SegPathRecord record;
    COvSegPath& r = record.Record();
    ASSERT_EQ(ov_path_record_set(&r, p.get()), 1);
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(r.closed, 1);
    EXPECT_EQ(r.min_x, -3.0f);
    EXPECT_EQ(r.max_x, 10.0f);
    EXPECT_EQ(r.min_y, 0.0f);
    EXPECT_EQ(r.max_y, 8.0f);
    const ov::PathObject back = record.ToPathObject();
    EXPECT_EQ(back.Types(), (std::vector<uint8_t>{0, 1, 0x81}));

    // An empty path empties the record but leaves its box as it was.
    Handle empty = NewPath();
    ASSERT_EQ(ov_path_record_set(&r, empty.get()), 1);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.points, nullptr);
    EXPECT_EQ(r.max_x, 10.0f);
}

TEST(PathRecord, ReleaseFreesEveryBufferAndZeroesTheCounts)
{
    COvSegPath r;
    ov_path_record_init(&r);
    Handle p = NewPath();
    const OvPointF line[] = {{0, 0}, {1, 1}};
    ov_path_add_lines(p.get(), line, 2);
    ov_path_record_set(&r, p.get());
    r.extra1 = std::malloc(16);  // host buffers are released with the record
    r.extra1_count = 4;
    ov_path_record_release(&r);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.extra1, nullptr);
    EXPECT_EQ(r.extra1_count, 0u);
    EXPECT_EQ(r.types, nullptr);
}

}  // namespace
