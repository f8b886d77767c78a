// Frame files for the writers: decoded to blue-green-red pixels in sRGB and handed to AddBitmap
// bottom row first from either pixel layout; files that do not decode are refused without writing
// (a damaged file, a missing one, a pipe, no name).
#include <gtest/gtest.h>

#include "animation/video/FrameImage.h"
#include "video/VideoTestSupport.h"

#include <QColorSpace>
#include <QImage>

#include <sys/stat.h>

#include <fstream>

using namespace ov;

namespace {

// Records the frames it is given instead of encoding them.
class RecordingWriter : public COvVideoFile {
public:
    int32_t WriteFrame() override
    {
        frames.push_back(FrameBuffer());
        return kVideoOk;
    }
    std::vector<std::vector<uint8_t>> frames;
};

TEST(FrameImage, FilesDecodeIntoTheBottomUpBufferInSrgb)
{
    const auto folder = ovtest::FreshFolder("frame-image");
    // Five pixels a row: four go through the packed copy of 32-bit pixels, one through the plain one.
    QImage image(5, 2, QImage::Format_RGB32);
    for (int x = 0; x < 5; ++x) {
        image.setPixelColor(x, 0, QColor(200, 100 + x, 50));  // top row
        image.setPixelColor(x, 1, QColor(40 + x, 160, 90 - x));
    }
    const QString path = QString::fromStdString((folder / "f.png").string());
    ASSERT_TRUE(image.save(path));
    QImage p3 = image;
    p3.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    const QString p3Path = QString::fromStdString((folder / "p3.png").string());
    ASSERT_TRUE(p3.save(p3Path));

    RecordingWriter writer;
    writer.SetGeometry(5, 2);
    ASSERT_EQ(AddImageFile(writer, path), kVideoOk);
    std::vector<uint8_t> expected;
    for (int y : {1, 0})
        for (int x = 0; x < 5; ++x) {
            const QColor c = image.pixelColor(x, y);
            expected.insert(expected.end(), {uint8_t(c.blue()), uint8_t(c.green()), uint8_t(c.red())});
        }
    EXPECT_EQ(writer.frames.at(0), expected);
    // Another colour space is converted into sRGB.
    const QImage loaded = LoadFrameImage(p3Path);
    EXPECT_EQ(loaded.pixel(1, 1), p3.convertedToColorSpace(QColorSpace(QColorSpace::SRgb)).pixel(1, 1));
    // Three-byte pixels, top-down or bottom-up (a negative stride), give the same frame; other layouts
    // and sizes are refused, and the base writer writes nothing.
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    ASSERT_EQ(writer.AddBitmap(PixelsOf(bgr)), kVideoOk);
    const QImage stored = bgr.mirrored(false, true);  // its last row is the picture's top row
    ASSERT_EQ(writer.AddBitmap(BgrPixels{stored.constScanLine(1), 5, 2, -stored.bytesPerLine()}), kVideoOk);
    EXPECT_EQ(writer.frames.at(1), writer.frames[0]);
    EXPECT_EQ(writer.frames.at(2), expected);
    EXPECT_EQ(PixelsOf(image.convertToFormat(QImage::Format_Grayscale8)).top, nullptr);
    BgrPixels odd = PixelsOf(image);
    odd.pixelBytes = 2;
    EXPECT_EQ(writer.AddBitmap(odd), kVideoFail);
    // A file of another size, a damaged one, a missing one, a pipe (never read, so it cannot block) and
    // no name are refused without writing.
    std::ofstream(folder / "junk.png") << "\x89PNG\r\n\x1a\nnot really";
    ASSERT_EQ(mkfifo((folder / "fifo.png").c_str(), 0600), 0);
    for (const char* name : {"junk.png", "missing.png", "fifo.png", ""})
        EXPECT_EQ(AddImageFile(writer, QString::fromStdString((folder / name).string())), kVideoFail) << name;
    writer.SetGeometry(4, 2);
    EXPECT_EQ(AddImageFile(writer, path), kVideoFail);
    EXPECT_EQ(writer.frames.size(), 3u);
    COvVideoFile base;
    base.SetGeometry(5, 2);
    EXPECT_EQ(AddImageFile(base, path), kVideoFail);
    EXPECT_EQ(base.FrameBuffer(), expected);  // copied, then refused
    base.SetGeometry(-3, 5);                  // a negative size is no size
    EXPECT_EQ(base.Width() + base.FrameBytes(), 0);
}

}  // namespace
