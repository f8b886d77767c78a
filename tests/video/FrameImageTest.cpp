// Frame files for the writers: decoded to blue-green-red pixels in sRGB, handed to AddBitmap, and
// files that do not decode refused without writing.
#include <gtest/gtest.h>

#include "animation/video/FrameImage.h"
#include "video/VideoTestSupport.h"

#include <QColorSpace>
#include <QFile>
#include <QImage>

#include <sys/stat.h>

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

TEST(FrameImage, DecodesIntoTheBottomUpBuffer)
{
    const auto folder = ovtest::FreshFolder("frame-image");
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    image.setPixelColor(0, 0, QColor(200, 100, 50));  // top left
    image.setPixelColor(2, 1, QColor(1, 2, 3));       // bottom right
    const QString path = QString::fromStdString((folder / "f.png").string());
    ASSERT_TRUE(image.save(path));

    RecordingWriter writer;
    writer.SetGeometry(3, 2);
    ASSERT_EQ(AddImageFile(writer, path), kVideoOk);
    ASSERT_EQ(writer.frames.size(), 1u);
    const std::vector<uint8_t>& buffer = writer.frames[0];
    // Buffer row 0 is the picture's bottom row: its last pixel is (1, 2, 3) as blue, green, red.
    EXPECT_EQ(std::vector<uint8_t>(buffer.begin() + 6, buffer.begin() + 9), (std::vector<uint8_t>{3, 2, 1}));
    EXPECT_EQ(std::vector<uint8_t>(buffer.begin() + 9, buffer.begin() + 12),
              (std::vector<uint8_t>{50, 100, 200}));

    writer.SetGeometry(4, 2);
    EXPECT_EQ(AddImageFile(writer, path), kVideoFail);
    EXPECT_EQ(writer.frames.size(), 1u);
}

TEST(FrameImage, ConvertsOtherColourSpacesToSrgb)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(QColor(40, 160, 90));
    image.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    const auto folder = ovtest::FreshFolder("frame-colour");
    const QString path = QString::fromStdString((folder / "p3.png").string());
    ASSERT_TRUE(image.save(path));
    const QImage loaded = LoadFrameImage(path);
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.format(), QImage::Format_RGB32);
    QImage expected = image;
    expected.convertToColorSpace(QColorSpace(QColorSpace::SRgb));
    EXPECT_EQ(loaded.pixel(0, 0), expected.pixel(0, 0));
    EXPECT_NE(loaded.pixel(0, 0), image.pixel(0, 0));  // the conversion changed something
}

// The two pixel layouts a view can have give the same frame buffer; any other is refused.
TEST(FrameImage, BothPixelLayoutsGiveTheSameFrame)
{
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) image.setPixelColor(x, y, QColor(x * 40, y * 70, 200 - x * 10 - y));
    RecordingWriter writer;
    writer.SetGeometry(5, 3);
    ASSERT_EQ(PixelsOf(image).pixelBytes, 4);
    ASSERT_EQ(writer.AddBitmap(PixelsOf(image)), kVideoOk);
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    ASSERT_EQ(PixelsOf(bgr).pixelBytes, 3);
    ASSERT_EQ(writer.AddBitmap(PixelsOf(bgr)), kVideoOk);
    ASSERT_EQ(writer.frames.size(), 2u);
    EXPECT_EQ(writer.frames[0], writer.frames[1]);
    EXPECT_EQ(writer.frames[0][0], 200 - 2);  // bottom-left pixel's blue
    EXPECT_EQ(writer.frames[0][1], 2 * 70);   // green
    EXPECT_EQ(PixelsOf(image.convertToFormat(QImage::Format_Grayscale8)).top, nullptr);
    BgrPixels odd = PixelsOf(image);
    odd.pixelBytes = 2;
    EXPECT_EQ(writer.AddBitmap(odd), kVideoFail);
}

TEST(FrameImage, FilesThatDoNotDecodeAreRefused)
{
    const auto folder = ovtest::FreshFolder("frame-bad");
    QFile junk(QString::fromStdString((folder / "junk.png").string()));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("\x89PNG\r\n\x1a\nnot really");
    junk.close();
    const std::string fifo = (folder / "fifo.png").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    RecordingWriter writer;
    writer.SetGeometry(1, 1);
    for (const std::string& name :
         {std::string("junk.png"), std::string("missing.png"), std::string("fifo.png"), std::string("")}) {
        const QString path = QString::fromStdString((folder / name).string());
        EXPECT_TRUE(LoadFrameImage(path).isNull()) << name;
        EXPECT_EQ(AddImageFile(writer, path), kVideoFail) << name;
    }
    EXPECT_TRUE(writer.frames.empty());
}

}  // namespace
