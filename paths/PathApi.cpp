// The C functions of the path handle and the path record: thin checks around PathObject and
// SegPathRecord; nothing throws across them.
#include <ornivex/path.h>
#include <ornivex/segpath.h>

#include "paths/PathObject.h"
#include "paths/SegPathRecord.h"

#include <algorithm>
#include <new>

struct OvPath {
    ov::PathObject object;
};

namespace {

std::span<const OvPointF> Points(const OvPointF* points, int32_t count)
{
    if (!points || count <= 0) return {};
    return {points, static_cast<size_t>(count)};
}

template <typename Fn>
int32_t Guarded(OvPath* path, Fn&& fn)
{
    if (!path) return 0;
    try {
        return fn(path->object) ? 1 : 0;
    } catch (...) {  // out of memory: the path keeps what it had
        return 0;
    }
}

}  // namespace

extern "C" {

OV_API OvPath* ov_path_create(int32_t fill_mode)
{
    if (fill_mode != OV_FILL_ALTERNATE && fill_mode != OV_FILL_WINDING) fill_mode = OV_FILL_ALTERNATE;
    return new (std::nothrow) OvPath{ov::PathObject(fill_mode)};
}

OV_API void ov_path_destroy(OvPath* path)
{
    delete path;
}

OV_API void ov_path_reset(OvPath* path)
{
    if (path) path->object.Reset();
}

OV_API int32_t ov_path_add_lines(OvPath* path, const OvPointF* points, int32_t count)
{
    return Guarded(path, [&](ov::PathObject& p) { return p.AddLines(Points(points, count)); });
}

OV_API int32_t ov_path_add_polygon(OvPath* path, const OvPointF* points, int32_t count)
{
    return Guarded(path, [&](ov::PathObject& p) { return p.AddPolygon(Points(points, count)); });
}

OV_API int32_t ov_path_add_beziers(OvPath* path, const OvPointF* points, int32_t count)
{
    return Guarded(path, [&](ov::PathObject& p) { return p.AddBeziers(Points(points, count)); });
}

OV_API int32_t ov_path_add_curve(OvPath* path, const OvPointF* points, int32_t count, float tension)
{
    return Guarded(path, [&](ov::PathObject& p) { return p.AddCurve(Points(points, count), tension); });
}

OV_API int32_t ov_path_add_closed_curve(OvPath* path, const OvPointF* points, int32_t count, float tension)
{
    return Guarded(path, [&](ov::PathObject& p) { return p.AddClosedCurve(Points(points, count), tension); });
}

OV_API int32_t ov_path_add_arc(OvPath* path, float x, float y, float width, float height, float start_angle,
                               float sweep_angle)
{
    return Guarded(
        path, [&](ov::PathObject& p) { return p.AddArc(x, y, width, height, start_angle, sweep_angle); });
}

OV_API int32_t ov_path_add_path(OvPath* path, const OvPath* other, int32_t connect)
{
    if (!other) return 0;
    return Guarded(path, [&](ov::PathObject& p) {
        p.Append(other->object, connect != 0);
        return true;
    });
}

OV_API int32_t ov_path_set_data(OvPath* path, const OvPointF* points, const uint8_t* types, int32_t count)
{
    if (count < 0 || (count > 0 && (!points || !types))) return 0;
    const auto n = static_cast<size_t>(count);
    return Guarded(path, [&](ov::PathObject& p) {
        p.SetData({points, n}, {types, n});
        return true;
    });
}

OV_API void ov_path_start_figure(OvPath* path)
{
    if (path) path->object.StartFigure();
}

OV_API void ov_path_close_figure(OvPath* path)
{
    if (path) path->object.CloseFigure();
}

OV_API void ov_path_reverse(OvPath* path)
{
    if (path) path->object.Reverse();
}

OV_API int32_t ov_path_transform(OvPath* path, const float matrix[6])
{
    if (!path || !matrix) return 0;
    path->object.Transform({matrix[0], matrix[1], matrix[2], matrix[3], matrix[4], matrix[5]});
    return 1;
}

OV_API int32_t ov_path_get_bounds(const OvPath* path, float pen_width, OvRectF* bounds)
{
    if (!path || !bounds) return 0;
    *bounds = OvRectF{0, 0, 0, 0};
    const ov::Box box = path->object.WorldBounds(pen_width);
    if (box.IsEmpty()) return 0;
    *bounds = OvRectF{float(box.minX), float(box.minY), float(box.Width()), float(box.Height())};
    return 1;
}

OV_API int32_t ov_path_is_outline_visible(const OvPath* path, float x, float y, float pen_width)
{
    return path && path->object.IsOutlineVisible(x, y, pen_width) ? 1 : 0;
}

OV_API void ov_path_set_fill_mode(OvPath* path, int32_t fill_mode)
{
    if (path) path->object.SetFillMode(fill_mode);
}

OV_API int32_t ov_path_fill_mode(const OvPath* path)
{
    return path ? path->object.FillMode() : OV_FILL_ALTERNATE;
}

OV_API int32_t ov_path_point_count(const OvPath* path)
{
    return path ? path->object.PointCount() : 0;
}

OV_API int32_t ov_path_get_data(const OvPath* path, OvPointF* points, uint8_t* types, int32_t capacity)
{
    if (!path || !points || !types || capacity <= 0) return 0;
    const int32_t n = std::min(capacity, path->object.PointCount());
    std::copy_n(path->object.Points().begin(), n, points);
    std::copy_n(path->object.Types().begin(), n, types);
    return n;
}

OV_API void ov_path_record_init(COvSegPath* record)
{
    if (record) ov::InitSegPath(*record);
}

OV_API int32_t ov_path_record_set(COvSegPath* record, const OvPath* path)
{
    if (!record || !path) return 0;
    return ov::SetFromPath(*record, path->object) ? 1 : 0;
}

OV_API void ov_path_record_release(COvSegPath* record)
{
    if (record) ov::ReleaseSegPath(*record);
}

}  // extern "C"
