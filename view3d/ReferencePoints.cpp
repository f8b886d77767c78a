// The reference points of the 3-D box and its walls.
#include "view3d/ReferencePoints.h"

namespace ov {
namespace {

constexpr std::array<std::array<signed char, 3>, OV_REFERENCE_POINTS> kUnitPoints = {{
    {-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1},  // bottom corners
    {-1, -1, 1},  {1, -1, 1},  {1, 1, 1},  {-1, 1, 1},   // top corners
    {0, -1, -1},  {1, 0, -1},  {0, 1, -1}, {-1, 0, -1},  // bottom edge centres
    {-1, -1, 0},  {1, -1, 0},  {1, 1, 0},  {-1, 1, 0},   // upright edge centres
    {0, -1, 1},   {1, 0, 1},   {0, 1, 1},  {-1, 0, 1},   // top edge centres
    {0, -1, 0},   {1, 0, 0},   {0, 1, 0},  {-1, 0, 0},   // side face centres
    {0, 0, -1},   {0, 0, 1},   {0, 0, 0},                // bottom, top and box centre
}};

constexpr std::array<std::array<Wall, 3>, 4> kWalls = {{
    {{{0, 3, 2, 1}, {0, 4, 5, 1}, {0, 4, 7, 3}}},
    {{{0, 3, 2, 1}, {0, 4, 5, 1}, {1, 2, 6, 5}}},
    {{{0, 3, 2, 1}, {1, 2, 6, 5}, {6, 7, 3, 2}}},
    {{{0, 3, 2, 1}, {6, 7, 3, 2}, {7, 4, 0, 3}}},
}};

}  // namespace

Vec3 ReferencePoint(int k, const std::array<double, 3>& ratios)
{
    const auto& p = kUnitPoints[static_cast<std::size_t>(k)];
    return {p[0] * ratios[0], p[1] * ratios[1], p[2] * ratios[2]};
}

std::array<double, 3> AxisRatios(const ChartRecord& record)
{
    return {record.axes[0].ratio_3d, record.axes[1].ratio_3d, record.axes[2].ratio_3d};
}

void ProjectReferencePoints(Host3DObject& object, const ViewFrame& frame, const std::array<double, 3>& ratios)
{
    const Projector project(frame);
    for (int k = 0; k < OV_REFERENCE_POINTS; ++k) {
        Vec3 w{};
        project(ReferencePoint(k, ratios), w);
        object.reference_points[k] = {static_cast<float>(w.x), static_cast<float>(-w.y),
                                      static_cast<float>(w.z)};
    }
}

int FarthestBottomCorner(const Host3DObject& object)
{
    int farthest = 0;
    for (int k = 1; k < 4; ++k)
        if (object.reference_points[k].z > object.reference_points[farthest].z) farthest = k;
    return farthest;
}

const std::array<Wall, 3>& WallsAtCorner(int corner)
{
    return kWalls[static_cast<std::size_t>(corner & 3)];
}

}  // namespace ov
