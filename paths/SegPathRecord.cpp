// The host's path record. Its arrays cross the boundary, so they come from malloc and go to free.
#include "paths/SegPathRecord.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace ov {

namespace {

void ReleaseArrays(COvSegPath& record)
{
    std::free(record.points);
    std::free(record.types);
    record.points = nullptr;
    record.types = nullptr;
    record.count = 0;
}

}  // namespace

void InitSegPath(COvSegPath& record)
{
    std::memset(&record, 0, sizeof record);
    record.max_x = 1.0f;
    record.min_x = -1.0f;
    record.max_y = 1.0f;
    record.min_y = -1.0f;
    record.zoom_step = 10;
    record.scale = 1.0;
}

bool SetFromPath(COvSegPath& record, const PathObject& path)
{
    ReleaseArrays(record);
    const int32_t n = path.PointCount();
    if (n <= 0) return true;
    auto* points = static_cast<OvPointF*>(std::calloc(static_cast<size_t>(n), sizeof(OvPointF)));
    auto* types = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(n), 1));
    if (!points || !types) {
        std::free(points);
        std::free(types);
        return false;
    }
    std::copy_n(path.Points().begin(), n, points);
    std::copy_n(path.Types().begin(), n, types);
    record.points = points;
    record.types = types;
    record.count = n;
    record.closed = (types[n - 1] & OV_PATH_CLOSE) ? 1 : 0;
    ComputeBounds(record);
    return true;
}

void ComputeBounds(COvSegPath& record)
{
    if (record.count <= 0 || !record.points) return;
    const OvPointF first = record.points[0];
    record.min_x = record.max_x = first.x;
    record.min_y = record.max_y = first.y;
    for (int32_t i = 1; i < record.count; ++i) {
        const OvPointF p = record.points[i];
        record.min_x = std::min(record.min_x, p.x);
        record.max_x = std::max(record.max_x, p.x);
        record.min_y = std::min(record.min_y, p.y);
        record.max_y = std::max(record.max_y, p.y);
    }
}

void ReleaseSegPath(COvSegPath& record)
{
    ReleaseArrays(record);
    std::free(record.extra1);
    std::free(record.extra2);
    record.extra1 = nullptr;
    record.extra2 = nullptr;
    record.extra1_count = 0;
    record.extra2_count = 0;
}

PathObject SegPathRecord::ToPathObject() const
{
    PathObject path;
    if (record_.count > 0 && record_.points && record_.types) {
        const auto n = static_cast<size_t>(record_.count);
        path.SetData({record_.points, n}, {record_.types, n});
    }
    return path;
}

}  // namespace ov
