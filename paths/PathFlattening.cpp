// Piecewise walks over the path data, shared by bounds, hit testing and drawing.
#include "paths/PathFlattening.h"

#include "paths/BezierCubic.h"

namespace ov {

namespace {

constexpr int kChordsPerBezier = 32;

Vec2 At(const PathObject& path, size_t i)
{
    const OvPointF p = path.Points()[i];
    return {p.x, p.y};
}

Cubic Straight(Vec2 a, Vec2 b)
{
    return {a, Lerp(a, b, 1.0 / 3), Lerp(a, b, 2.0 / 3), b};
}

void WalkFigure(const PathObject& path, FigureRange f, const std::function<void(const Cubic&)>& fn)
{
    const auto& types = path.Types();
    if (f.end - f.begin == 1) fn(Straight(At(path, f.begin), At(path, f.begin)));
    size_t i = f.begin + 1;
    while (i < f.end) {
        const bool bezier = (types[i] & OV_PATH_TYPE_MASK) == OV_PATH_BEZIER && i + 2 < f.end;
        if (bezier) {
            fn({At(path, i - 1), At(path, i), At(path, i + 1), At(path, i + 2)});
            i += 3;
        } else {
            fn(Straight(At(path, i - 1), At(path, i)));
            i += 1;
        }
    }
    if (types[f.end - 1] & OV_PATH_CLOSE) fn(Straight(At(path, f.end - 1), At(path, f.begin)));
}

}  // namespace

void ForEachPiece(const PathObject& path, const std::function<void(const Cubic&)>& fn)
{
    for (const FigureRange f : path.Figures()) WalkFigure(path, f, fn);
}

std::vector<std::vector<Vec2>> Flatten(const PathObject& path)
{
    std::vector<std::vector<Vec2>> lines;
    for (const FigureRange f : path.Figures()) {
        std::vector<Vec2> line{At(path, f.begin)};
        WalkFigure(path, f, [&](const Cubic& c) {
            const bool straight = c[1] == Lerp(c[0], c[3], 1.0 / 3) && c[2] == Lerp(c[0], c[3], 2.0 / 3);
            const int chords = straight ? 1 : kChordsPerBezier;
            for (int k = 1; k <= chords; ++k) line.push_back(BezierPoint(c, double(k) / chords));
        });
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace ov
