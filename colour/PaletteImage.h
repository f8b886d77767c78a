// PaletteImage: a palette picture decoded from bitmap bytes, and the colour under a point of the area
// it is drawn into (stretched to fill it).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>

#include <cstdint>
#include <filesystem>

namespace ov {

// Decodes a Windows bitmap (whatever its file name says); a null image when the bytes are not one.
QImage LoadPaletteImage(const QByteArray& bytes);
QImage LoadPaletteFile(const std::filesystem::path& path);

// 0x00RRGGBB of the pixel under `point` when the image is stretched over an area of `area`; points
// outside are clamped to the nearest edge pixel. 0 for a null image or an empty area.
uint32_t PaletteRgbAt(const QImage& image, QSize area, QPoint point);

}  // namespace ov
