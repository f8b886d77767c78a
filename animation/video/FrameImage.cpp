// FrameImage: reading a regular file without blocking, decoding and the sRGB conversion.
#include "animation/video/FrameImage.h"

#include "framework/files/BoundedFileRead.h"

#include <QColorSpace>
#include <QFile>
#include <QImageReader>

#include <unistd.h>

namespace ov {

QImage LoadFrameImage(const QString& path)
{
    // Only a regular file reaches the decoder: a FIFO would block it, a folder confuse it.
    FileReadFailure failure = FileReadFailure::kNone;
    int error = 0;
    const int fd = OpenRegularFile(QFile::encodeName(path).toStdString(), failure, error);
    if (fd < 0) return {};
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close(fd);
        return {};
    }
    QImageReader reader(&file);
    QImage decoded;
    if (!reader.read(&decoded)) return {};
    const QColorSpace space = decoded.colorSpace();
    if (space.isValid() && space != QColorSpace(QColorSpace::SRgb))
        decoded.convertToColorSpace(QColorSpace(QColorSpace::SRgb));
    // 32-bit pixels are what the decoders give most pictures: the writers read them as they are.
    return decoded.convertToFormat(QSysInfo::ByteOrder == QSysInfo::LittleEndian ? QImage::Format_RGB32
                                                                                 : QImage::Format_BGR888);
}

BgrPixels PixelsOf(const QImage& image)
{
    if (image.isNull()) return {};
    const bool rgb32 =
        image.format() == QImage::Format_RGB32 && QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    if (!rgb32 && image.format() != QImage::Format_BGR888) return {};
    return BgrPixels{image.constBits(), image.width(), image.height(), image.bytesPerLine(), rgb32 ? 4 : 3};
}

int32_t AddImageFile(COvVideoFile& writer, const QString& path)
{
    const QImage image = LoadFrameImage(path);
    if (image.isNull()) return kVideoFail;
    return writer.AddBitmap(PixelsOf(image));
}

}  // namespace ov
