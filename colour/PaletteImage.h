// PaletteImage: a palette picture decoded from bitmap bytes, and the colour under a point of the area
// it is drawn into (stretched to fill it).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace ov {

// Palette pictures are a few hundred KB; a longer file is not read.
inline constexpr std::size_t kMaxPaletteFileBytes = 64 << 20;

// Decodes a Windows bitmap (whatever its file name says); a null image when the bytes are not one.
QImage LoadPaletteImage(const QByteArray& bytes);
// A null image also for what is not a readable file of at most kMaxPaletteFileBytes.
QImage LoadPaletteFile(const std::filesystem::path& path);

// 0x00RRGGBB of the pixel under `point` when the image is stretched over an area of `area`; points
// outside are clamped to the nearest edge pixel. 0 for a null image or an empty area.
uint32_t PaletteRgbAt(const QImage& image, QSize area, QPoint point);

}  // namespace ov
