// The C path handle and path record functions: round trips through the C boundary and the
// documented results for bad arguments.
#include "paths/SegPathRecord.h"

#include <ornivex/path.h>
#include <ornivex/segpath.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using Handle = std::unique_ptr<OvPath, void (*)(OvPath*)>;

Handle NewPath()
{
    return {ov_path_create(OV_FILL_ALTERNATE), ov_path_destroy};
}

TEST(PathApi, BuildsReversesMeasuresAndFillsRecordsThroughTheHandle)
{
    Handle p = NewPath();
    const OvPointF tri[] = {{-3, 2}, {10, 0}, {5, 8}};
    ASSERT_EQ(ov_path_add_polygon(p.get(), tri, 3), 1);
    ASSERT_EQ(ov_path_add_arc(p.get(), 20, 0, 10, 10, 0, 180), 1);
    ov_path_reverse(p.get());
    std::vector<OvPointF> pts(10);
    std::vector<uint8_t> types(10);
    ASSERT_EQ(ov_path_point_count(p.get()), 10);
    EXPECT_EQ(ov_path_get_data(p.get(), pts.data(), types.data(), 10), 10);
    EXPECT_EQ(types, (std::vector<uint8_t>{0, 3, 3, 3, 3, 3, 3, 0, 1, 0x81}));
    const float shift[6] = {1, 0, 0, 1, 100, 0};
    ASSERT_EQ(ov_path_transform(p.get(), shift), 1);
    OvRectF box{};
    ASSERT_EQ(ov_path_get_bounds(p.get(), 2, &box), 1);
    EXPECT_NEAR(box.x, 96, 1e-4);
    EXPECT_NEAR(box.width, 35, 1e-4);
    EXPECT_NEAR(box.height, 12, 1e-4);
    EXPECT_EQ(ov_path_is_outline_visible(p.get(), 103.5f, 1, 1), 1);
    EXPECT_EQ(ov_path_is_outline_visible(p.get(), 105, 4, 1), 0);

    ov::SegPathRecord record;
    COvSegPath& r = record.Record();
    Handle triangle = NewPath();
    ov_path_add_polygon(triangle.get(), tri, 3);
    ASSERT_EQ(ov_path_record_set(&r, triangle.get()), 1);
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(r.closed, 1);
    EXPECT_EQ(r.min_x, -3.0f);
    EXPECT_EQ(r.max_y, 8.0f);
    EXPECT_EQ(record.ToPathObject().Types(), (std::vector<uint8_t>{0, 1, 0x81}));
    // An empty path empties the record but leaves its box as it was; release frees the host's buffers.
    Handle empty = NewPath();
    ASSERT_EQ(ov_path_record_set(&r, empty.get()), 1);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.points, nullptr);
    EXPECT_EQ(r.max_x, 10.0f);
    ov_path_record_set(&r, triangle.get());
    r.extra1 = std::malloc(16);  // NOLINT(cppcoreguidelines-no-malloc)
    r.extra1_count = 4;
    ov_path_record_release(&r);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.extra1, nullptr);
    EXPECT_EQ(r.extra1_count, 0u);
    EXPECT_EQ(r.types, nullptr);
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

}  // namespace
