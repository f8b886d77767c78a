// The demo host's crossing paths for the path operations.
#include "PathScene.h"

#include <cmath>
#include <cstdlib>

namespace ovhost {

namespace {

constexpr double kPi = 3.14159265358979323846;

OvPath* Rectangle(float left, float top, float width, float height)
{
    OvPath* path = ov_path_create(OV_FILL_ALTERNATE);
    const OvPointF corners[] = {
        {left, top}, {left + width, top}, {left + width, top + height}, {left, top + height}};
    if (path) ov_path_add_polygon(path, corners, 4);
    return path;
}

OvPath* Beziers(std::vector<OvPointF> points, bool closed)
{
    OvPath* path = ov_path_create(OV_FILL_ALTERNATE);
    if (!path) return nullptr;
    ov_path_add_beziers(path, points.data(), static_cast<int32_t>(points.size()));
    if (closed) ov_path_close_figure(path);
    return path;
}

OvPath* Spiral(OvPointF centre, float turns, float outer)
{
    std::vector<OvPointF> points;
    const int steps = static_cast<int>(turns * 24);
    for (int i = 0; i <= steps; ++i) {
        const double a = i * 2 * kPi / 24, r = outer * i / steps;
        points.push_back(
            {static_cast<float>(centre.x + r * std::cos(a)), static_cast<float>(centre.y + r * std::sin(a))});
    }
    OvPath* path = ov_path_create(OV_FILL_ALTERNATE);
    if (path) ov_path_add_lines(path, points.data(), static_cast<int32_t>(points.size()));
    return path;
}

OvPath* Circle(OvPointF centre, float radius)
{
    OvPath* path = ov_path_create(OV_FILL_ALTERNATE);
    if (path) ov_path_add_arc(path, centre.x - radius, centre.y - radius, 2 * radius, 2 * radius, 0, 360);
    return path;
}

QPainterPath Drawn(const OvPointF* points, const uint8_t* types, int32_t count)
{
    QPainterPath drawn;
    for (int32_t i = 0; i < count; ++i) {
        const QPointF p(points[i].x, points[i].y);
        const int type = types[i] & OV_PATH_TYPE_MASK;
        if (type == OV_PATH_BEZIER && i + 2 < count) {
            drawn.cubicTo(p, QPointF(points[i + 1].x, points[i + 1].y),
                          QPointF(points[i + 2].x, points[i + 2].y));
            i += 2;
        } else if (type == OV_PATH_START || drawn.elementCount() == 0) {
            drawn.moveTo(p);
        } else {
            drawn.lineTo(p);
        }
        if (types[i] & OV_PATH_CLOSE) drawn.closeSubpath();
    }
    return drawn;
}

}  // namespace

PathScene::PathScene(const MagnetRecord& magnets)
{
    figures_ = {
        Rectangle(440, 190, 70, 45), Rectangle(475, 212, 70, 45),
        // Two S-curves between the same ends: they cross in the middle.
        Beziers({{450, 320}, {480, 270}, {540, 370}, {570, 320}, {540, 270}, {480, 370}, {450, 320}}, true),
        Spiral({510, 430}, 2.5f, 45), Circle({510, 430}, 30),
        Beziers({{450, 580}, {610, 510}, {410, 510}, {570, 580}}, false)};
    const OvPointF line[] = {{440, 555}, {590, 555}};
    OvPath* across = ov_path_create(OV_FILL_ALTERNATE);
    if (across) ov_path_add_lines(across, line, 2);
    figures_.push_back(across);
    ov_list_init(&inputs_);
    for (OvPath* figure : figures_)
        if (figure) ov_list_append(&inputs_, figure);
    ov_path_record_init(&view_);
    ov_list_init(&viewList_);
    ov_list_append(&viewList_, &view_);
    // Magnet positions are cell × scale + origin: points become cells of the magnet's own scale.
    grid_ = {magnets.origin_x, magnets.origin_y, magnets.scale};
}

PathScene::~PathScene()
{
    TakeResults();
    ov_list_remove_all(&viewList_);
    ov_list_remove_all(&inputs_);
    for (OvPath* figure : figures_) ov_path_destroy(figure);
}

int PathScene::TakeResults()
{
    int taken = 0;
    while (ov_list_count(&viewList_) > 1) {
        auto* record = static_cast<COvSegPath*>(ov_list_remove_last(&viewList_));
        pieces_.push_back(Drawn(record->points, record->types, record->count));
        ov_path_record_release(record);
        std::free(record);  // NOLINT(cppcoreguidelines-no-malloc): the library malloc'ed it
        ++taken;
    }
    return taken;
}

std::vector<QPainterPath> PathScene::Figures() const
{
    std::vector<QPainterPath> drawn;
    for (const OvPath* figure : figures_) {
        const int32_t n = ov_path_point_count(figure);
        if (n <= 0) continue;
        std::vector<OvPointF> points(static_cast<size_t>(n));
        std::vector<uint8_t> types(static_cast<size_t>(n));
        const int32_t got = ov_path_get_data(figure, points.data(), types.data(), n);
        drawn.push_back(Drawn(points.data(), types.data(), got));
    }
    return drawn;
}

}  // namespace ovhost
