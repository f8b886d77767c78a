// FrameImage: frame image files decoded for the video writers: any format Qt reads, colour-managed
// into sRGB, handed to the writers as blue-green-red pixels without a further conversion.
#pragma once

#include "animation/video/COvVideoFile.h"

#include <QImage>
#include <QString>

#include <cstdint>

namespace ov {

// The file's picture in sRGB, as QImage::Format_RGB32 (on little-endian machines its bytes are blue,
// green, red, unused) or else Format_BGR888; a null image when the file is not a readable regular file
// or does not decode (within Qt's allocation limit). Transparency is dropped.
QImage LoadFrameImage(const QString& path);

// A view of an image of either format for COvVideoFile::AddBitmap; empty for any other format.
BgrPixels PixelsOf(const QImage& image);

// Decodes `path` and hands it to the writer's AddBitmap; kVideoFail when it does not decode.
int32_t AddImageFile(COvVideoFile& writer, const QString& path);

}  // namespace ov
