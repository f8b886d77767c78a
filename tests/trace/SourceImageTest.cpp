// Decoding bitmap files for tracing: rows top-down in BGR, alpha over white, palettes expanded, and
// the files that must be refused with a reason instead of an image.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "testhost/ModalDriver.h"
#include "trace/SourceImage.h"

using namespace ov;

namespace {

QString Scratch(const QString& name)
{
    const QString dir = qEnvironmentVariable("OV_TEST_SCRATCH", QDir::tempPath());
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name;
}

QString WriteBytes(const QString& name, const QByteArray& bytes)
{
    QFile file(Scratch(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

// The header of a PNG promising 100000 × 100000 pixels, an empty data chunk and the end chunk.
const QByteArray kHugePng = QByteArray::fromHex(
    "89504e470d0a1a0a 0000000d 49484452 000186a0 000186a0 0802000000 27309c9f"
    "00000000 49444154 35af061e 00000000 49454e44 ae426082");

TEST(SourceImage, RowsTopDownInBgrWithAlphaOverWhiteAndPalettesExpanded)
{
    ovtest::EnsureTestApplication();
    QImage argb(3, 2, QImage::Format_ARGB32);
    argb.fill(QColor(0, 0, 255));
    argb.setPixelColor(0, 0, QColor(255, 0, 0));
    argb.setPixelColor(2, 0, QColor(0, 0, 0, 0));
    const QString argbPath = Scratch(QStringLiteral("alpha.png"));
    ASSERT_TRUE(argb.save(argbPath));
    QImage indexed(2, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 50)});
    indexed.fill(0);
    indexed.setPixel(1, 1, 1);
    const QString indexedPath = Scratch(QStringLiteral("palette.bmp"));
    ASSERT_TRUE(indexed.save(indexedPath));

    const SourceImage a = LoadSourceImage(argbPath);
    ASSERT_EQ(a.failure, SourceImageFailure::None);
    ASSERT_EQ(a.bgr.type(), CV_8UC3);
    EXPECT_EQ(a.bgr.at<cv::Vec3b>(0, 0), cv::Vec3b(0, 0, 255));  // red, top-left
    EXPECT_EQ(a.bgr.at<cv::Vec3b>(0, 2), cv::Vec3b(255, 255, 255));
    EXPECT_EQ(a.bgr.at<cv::Vec3b>(1, 0), cv::Vec3b(255, 0, 0));
    EXPECT_EQ(a.display.pixel(0, 0), qRgb(255, 0, 0));
    const SourceImage p = LoadSourceImage(indexedPath);
    ASSERT_EQ(p.failure, SourceImageFailure::None);
    EXPECT_EQ(p.bgr.at<cv::Vec3b>(1, 1), cv::Vec3b(50, 100, 200));
    EXPECT_EQ(p.bgr.at<cv::Vec3b>(0, 1), cv::Vec3b(30, 20, 10));
}

TEST(SourceImage, UnusableFilesGiveAnEmptyImageAndTheReason)
{
    ovtest::EnsureTestApplication();
    QImage ok(200, 100, QImage::Format_RGB32);
    ok.fill(Qt::gray);
    const QString okPath = Scratch(QStringLiteral("ok.png"));
    ASSERT_TRUE(ok.save(okPath));
    QFile png(okPath);
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    const QByteArray full = png.readAll();
    struct Row {
        QString path;
        uint64_t budget;
        SourceImageFailure failure;
    } rows[] = {
        {Scratch(QStringLiteral("missing.png")), 0, SourceImageFailure::Unreadable},
        {WriteBytes(QStringLiteral("notes.png"), "x y\n1 2\n"), 0, SourceImageFailure::NotAnImage},
        {WriteBytes(QStringLiteral("cut.png"), full.left(full.size() / 2)), 0, SourceImageFailure::Damaged},
        // The header alone promises 10^10 pixels: refused before any pixel is allocated.
        {WriteBytes(QStringLiteral("huge.png"), kHugePng), 0, SourceImageFailure::TooLarge},
        {okPath, 200 * 100 * 14 - 1, SourceImageFailure::TooLarge},
        {okPath, 200 * 100 * 14, SourceImageFailure::None},
    };
    for (const Row& r : rows) {
        const SourceImage image = LoadSourceImage(r.path, r.budget);
        EXPECT_EQ(image.failure, r.failure) << r.path.toStdString();
        EXPECT_EQ(image.bgr.empty(), r.failure != SourceImageFailure::None) << r.path.toStdString();
    }
    EXPECT_GT(AvailableMemoryBytes(), 0u);
}

}  // namespace
