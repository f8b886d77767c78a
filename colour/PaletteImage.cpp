// Palette pictures: decoding and picking.
#include "colour/PaletteImage.h"

#include <algorithm>

#include "framework/files/BoundedFileRead.h"

namespace ov {

QImage LoadPaletteImage(const QByteArray& bytes)
{
    // The decoder already turns the bitmap's BGR bytes into QRgb, so no swap is needed here.
    QImage image = QImage::fromData(bytes, "BMP");
    if (image.isNull()) return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage LoadPaletteFile(const std::filesystem::path& path)
{
    const FileReadResult read = ReadFileBounded(path, kMaxPaletteFileBytes);
    if (!read) return {};
    return LoadPaletteImage(
        QByteArray::fromRawData(read.bytes.data(), static_cast<qsizetype>(read.bytes.size())));
}

uint32_t PaletteRgbAt(const QImage& image, QSize area, QPoint point)
{
    if (image.isNull() || area.isEmpty()) return 0;
    const int x = std::clamp(point.x() * image.width() / area.width(), 0, image.width() - 1);
    const int y = std::clamp(point.y() * image.height() / area.height(), 0, image.height() - 1);
    return image.pixel(x, y) & 0x00FFFFFFu;
}

}  // namespace ov
