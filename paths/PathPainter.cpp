// Path data to QPainterPath: start points move, lines and Bézier triples draw, close flags close.
#include "paths/PathPainter.h"

namespace ov {

namespace {

QPointF Q(const PathObject& path, size_t i)
{
    const OvPointF p = path.Points()[i];
    return {p.x, p.y};
}

void AddFigure(QPainterPath& out, const PathObject& path, FigureRange f)
{
    const auto& types = path.Types();
    out.moveTo(Q(path, f.begin));
    size_t i = f.begin + 1;
    while (i < f.end) {
        if ((types[i] & OV_PATH_TYPE_MASK) == OV_PATH_BEZIER && i + 2 < f.end) {
            out.cubicTo(Q(path, i), Q(path, i + 1), Q(path, i + 2));
            i += 3;
        } else {
            out.lineTo(Q(path, i++));
        }
    }
    if (types[f.end - 1] & OV_PATH_CLOSE) out.closeSubpath();
}

}  // namespace

QPainterPath ToPainterPath(const PathObject& path)
{
    QPainterPath out;
    out.setFillRule(path.FillMode() == OV_FILL_WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    for (const FigureRange f : path.Figures()) AddFigure(out, path, f);
    return out;
}

}  // namespace ov
