// Flat drawing of a projected 3-D model.
#include "ModelRenderer.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace ovhost {
namespace {

QColor ItemColour(const ModelItem& item)
{
    return QColor::fromRgbF(item.colour[0], item.colour[1], item.colour[2]);
}

// Projected point to the page: the stored −y already runs downwards as the page's y does.
struct Mapping {
    double scale = 1, dx = 0, dy = 0;
    QPointF operator()(const OvPoint3F& v) const { return {dx + v.x * scale, dy + v.y * scale}; }
};

void DrawItem(QPainter& p, const ChartRecord& record, const ModelItem& item, const Mapping& map)
{
    const QColor line = QColor::fromRgba(record.line_colour_3d);
    if (item.kind == OV_ITEM_QUAD && item.count >= 4) {
        QPolygonF quad;
        for (int k = 0; k < 4; ++k) quad << map(item.points[k]);
        const QColor fill =
            record.colour_map_3d > 0 ? ItemColour(item) : QColor::fromRgba(record.fill_colour_3d);
        p.setBrush(fill);
        p.setPen(QPen(line, 0.5));
        p.drawPolygon(quad);
    } else if (item.kind == OV_ITEM_LINES && item.count >= 2) {
        QPolygonF path;
        for (int k = 0; k < item.count; ++k) path << map(item.points[k]);
        p.setPen(
            QPen(record.kind == 6 ? line : ItemColour(item), std::max<uint32_t>(record.line_width_3d, 1)));
        p.drawPolyline(path);
    }
    for (const OvHostListNode* n = item.children.head; n; n = n->next)
        DrawItem(p, record, *static_cast<const ModelItem*>(n->data), map);
}

// The bounds (left, top, right, bottom) of every projected point of the items and their children.
struct Bounds {
    double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
};

void Extend(const ModelItem& item, Bounds& b)
{
    for (int k = 0; k < item.count; ++k) {
        b.left = std::min<double>(b.left, item.points[k].x);
        b.right = std::max<double>(b.right, item.points[k].x);
        b.top = std::min<double>(b.top, item.points[k].y);
        b.bottom = std::max<double>(b.bottom, item.points[k].y);
    }
    for (const OvHostListNode* n = item.children.head; n; n = n->next)
        Extend(*static_cast<const ModelItem*>(n->data), b);
}

}  // namespace

void Draw3DModel(QPainter& p, const ChartRecord& record, const Host3DObject& object, const QRectF& plot)
{
    // The model's own extent fills the plot; the view's empty margins are left out.
    Bounds bounds;
    for (const OvHostListNode* n = object.items.head; n; n = n->next)
        Extend(*static_cast<const ModelItem*>(n->data), bounds);
    if (bounds.right < bounds.left) return;
    const double w = std::max(bounds.right - bounds.left, 1.0), h = std::max(bounds.bottom - bounds.top, 1.0);
    Mapping map;
    map.scale = std::min(plot.width() / w, plot.height() / h);
    map.dx = plot.center().x() - (bounds.left + w / 2) * map.scale;
    map.dy = plot.center().y() - (bounds.top + h / 2) * map.scale;
    p.save();
    p.setClipRect(plot.adjusted(-2, -2, 2, 2));
    for (const OvHostListNode* n = object.items.head; n; n = n->next)
        DrawItem(p, record, *static_cast<const ModelItem*>(n->data), map);
    p.restore();
}

}  // namespace ovhost
