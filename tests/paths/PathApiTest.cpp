// The C path handle and path record functions: round trips through the C boundary and the
// documented results for bad arguments.
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
    EXPECT_EQ(std::vector<float>({box.x, box.y, box.width, box.height}),
              std::vector<float>({96, -1, 35, 12}));
    EXPECT_EQ(ov_path_is_outline_visible(p.get(), 103.5f, 1, 1), 1);
    EXPECT_EQ(ov_path_is_outline_visible(p.get(), 105, 4, 1), 0);
    // The record takes the data and its box; release frees the host's buffers with it.
    COvSegPath r;
    ov_path_record_init(&r);
    ASSERT_EQ(ov_path_record_set(&r, p.get()), 1);
    EXPECT_EQ(std::vector<float>({r.min_x, r.min_y, r.max_x, r.max_y}), std::vector<float>({97, 0, 130, 10}));
    EXPECT_EQ(r.count, 10);
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
