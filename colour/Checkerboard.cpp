// Checkerboards under transparent colours.
#include "colour/Checkerboard.h"

#include "colour/PaletteImage.h"
#include "framework/text/HostFolder.h"

#include <QPainter>

namespace ov {

QImage MakeCheckerboard(QSize size, int cell)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull() || cell <= 0) return image;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = ((x / cell + y / cell) % 2) ? kCheckerDark : kCheckerLight;
    }
    return image;
}

QImage CheckerboardTile(const char* relativePath)
{
    QImage tile = LoadPaletteFile(HostFolder() / relativePath);
    return tile.isNull() ? MakeCheckerboard({16, 16}, 8) : tile;
}

void PaintColourOverCheckerboard(QPainter& painter, const QRect& rect, uint32_t argb, const QImage& tile)
{
    painter.save();
    painter.setBrushOrigin(rect.topLeft());
    painter.fillRect(rect, QBrush(tile));
    painter.fillRect(rect, QColor::fromRgba(argb));
    painter.restore();
}

}  // namespace ov
