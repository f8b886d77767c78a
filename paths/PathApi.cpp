// The C functions of the path handle: thin checks around PathObject; nothing throws across them.
#include <ornivex/path.h>

#include "paths/PathObject.h"

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

OV_API void ov_path_start_figure(OvPath* path)
{
    if (path) path->object.StartFigure();
}

OV_API void ov_path_close_figure(OvPath* path)
{
    if (path) path->object.CloseFigure();
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

}  // extern "C"
