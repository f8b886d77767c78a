// Palettes: which files are offered, picking a pixel and pop-up placement. The stored palette index is
// clamped and stored back in the picker's test.
#include "colour/PaletteFiles.h"
#include "colour/PaletteImage.h"
#include "colour/PopupPlacement.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

using namespace ov;
namespace fs = std::filesystem;

namespace {

void Touch(const fs::path& path)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

}  // namespace

// Built-in palettes are numbered from 1 and end at the first number without a file (a folder under a
// palette's name ends them too); the user palette comes last.
TEST(PaletteFiles, NumberingStopsAtTheFirstMissingFileAndTheUserPaletteComesLast)
{
    QTemporaryDir dir;
    const fs::path host = dir.path().toStdString();
    EXPECT_EQ(FindPaletteFiles(host, host / "appdata").Count(), 0);
    for (int n : {1, 2, 4}) Touch(BuiltInPalettePath(host, n));
    const auto list = FindPaletteFiles(host, host / "appdata");
    ASSERT_EQ(list.builtInCount, 2);
    EXPECT_FALSE(list.HasUserPalette());
    EXPECT_EQ(list.files[1].filename(), "CP_02.gxx");
    fs::remove(BuiltInPalettePath(host, 2));
    fs::create_directories(BuiltInPalettePath(host, 2));
    Touch(UserPalettePath(host / "appdata"));
    const auto withUser = FindPaletteFiles(host, host / "appdata");
    EXPECT_EQ(withUser.builtInCount, 1);
    ASSERT_EQ(withUser.Count(), 2);
    EXPECT_TRUE(withUser.HasUserPalette());
    EXPECT_EQ(withUser.files.back().filename(), "User_CCard.bmp");
}

TEST(PaletteImage, PickMapsTheDrawnAreaOntoTheImageAndClampsAtItsEdges)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 0, 0));
    image.setPixel(1, 0, qRgb(2, 0, 0));
    image.setPixel(0, 1, qRgb(3, 0, 0));
    image.setPixel(1, 1, qRgb(4, 0, 0));
    const QSize area(100, 50);
    struct Case {
        QPoint at;
        uint32_t expected;
    };
    const std::vector<Case> cases = {{{0, 0}, 0x010000},   {{49, 24}, 0x010000}, {{50, 0}, 0x020000},
                                     {{99, 49}, 0x040000}, {{0, 25}, 0x030000},  {{150, 80}, 0x040000},
                                     {{-5, -5}, 0x010000}};
    for (const auto& c : cases)
        EXPECT_EQ(PaletteRgbAt(image, area, c.at), c.expected) << c.at.x() << "," << c.at.y();
    EXPECT_EQ(PaletteRgbAt(QImage(), area, {1, 1}), 0u);
    EXPECT_EQ(PaletteRgbAt(image, QSize(0, 10), {1, 1}), 0u);
}

// The pop-up opens with its top-left corner at the pointer, moved back inside the work area where it
// would stick out; one larger than the area sits at its top-left corner.
TEST(PopupPlacement, OpensAtThePointerAndStaysInsideTheWorkArea)
{
    const QRect work(0, 0, 800, 600);
    const std::pair<QPoint, QPoint> cases[] = {{{10, 20}, {10, 20}},
                                               {{700, 20}, {600, 20}},
                                               {{10, 550}, {10, 500}},
                                               {{790, 590}, {600, 500}},
                                               {{-50, -9}, {0, 0}}};
    for (const auto& [pointer, expected] : cases)
        EXPECT_EQ(PopupRect(pointer, {200, 100}, work), QRect(expected, QSize(200, 100)))
            << pointer.x() << "," << pointer.y();
    EXPECT_EQ(PopupRect({5, 5}, {900, 700}, work).topLeft(), QPoint(0, 0));
}
