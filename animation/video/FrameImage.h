// FrameImage: frame image files decoded for the video writers: any format Qt reads, colour-managed
// into sRGB, as 24-bit blue-green-red pixels.
#pragma once

#include "animation/video/COvVideoFile.h"

#include <QImage>
#include <QString>

#include <cstdint>

namespace ov {

// The file's picture in QImage::Format_BGR888, sRGB; a null image when the file is not a readable
// regular file or does not decode (within Qt's allocation limit). Transparency is dropped.
QImage LoadFrameImage(const QString& path);

// A view of a Format_BGR888 image for COvVideoFile::AddBitmap.
BgrPixels PixelsOf(const QImage& bgr);

// Decodes `path` and hands it to the writer's AddBitmap; kVideoFail when it does not decode.
int32_t AddImageFile(COvVideoFile& writer, const QString& path);

}  // namespace ov
