// The colour picker pop-up and the swatch, driven through their widgets.
#include "colour/COvColorPicker.h"
#include "colour/ColourArithmetic.h"
#include "colour/ColourSwatch.h"
#include "colour/PaletteFiles.h"
#include "colour/PaletteMenu.h"
#include "colour/RecentColours.h"
#include "framework/settings/RegKeyHandle.h"
#include "testhost/ModalDriver.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace ov;
namespace fs = std::filesystem;

namespace {

// Palette n is a 2 x 1 picture: left half colour n, right half its inverse.
QRgb PaletteLeft(int n)
{
    return qRgb(n * 40, 255 - n * 40, 17 * n);
}

class ColourPicker : public ::testing::Test {
protected:
    void SetUp() override
    {
        ovtest::EnsureTestApplication();
        setenv("ORNIVEX_HOST_DIR", dir_.filePath("host").toUtf8().constData(), 1);
        setenv("XDG_DATA_HOME", dir_.filePath("data").toUtf8().constData(), 1);
        WritePalettes({1, 2});
        SharedRecentColours().fill(kEmptyRecentColour);
        SaveRecentColours(SharedRecentColours());
        RegKeyHandle(kRecentColourKey).WriteDword("iCC", 0);
    }
    void WritePalettes(std::initializer_list<int> numbers)
    {
        for (int n : numbers) {
            QImage image(2, 1, QImage::Format_RGB32);
            image.setPixel(0, 0, PaletteLeft(n));
            image.setPixel(1, 0, ~PaletteLeft(n) | 0xFF000000u);
            const fs::path path = BuiltInPalettePath(dir_.filePath("host").toStdString(), n);
            fs::create_directories(path.parent_path());
            ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "BMP"));
        }
    }
    std::unique_ptr<COvColorPicker> MakePicker(uint32_t* target)
    {
        auto picker = std::make_unique<COvColorPicker>(nullptr);
        picker->SetTarget(target);
        return picker;
    }
    void Press(COvColorPicker& picker, QPoint at) { QTest::mouseClick(&picker, Qt::LeftButton, {}, at); }

    QTemporaryDir dir_;
};

}  // namespace

TEST_F(ColourPicker, HidingRecordsTheLastPickOnceAndClosingStoresTheList)
{
    uint32_t colour = 0xFF000000u;
    {
        auto picker = MakePicker(&colour);
        picker->FadeIn({10, 10, 100, 100});
        picker->ExecuteCommand(kPickWhite);
        picker->ExecuteCommand(kPickWhite);
        picker->hide();
        picker->FadeIn({10, 10, 100, 100});
        picker->hide();  // nothing changed this time
        EXPECT_EQ(SharedRecentColours()[0], 0xFFFFFFFFu);
        EXPECT_EQ(std::count(SharedRecentColours().begin(), SharedRecentColours().end(), 0xFFFFFFFFu), 1);
        EXPECT_FALSE(picker->HasUnrecordedChange());
    }
    RecentColourList stored{};
    LoadRecentColours(stored);
    EXPECT_EQ(stored[0], 0xFFFFFFFFu);
}

TEST_F(ColourPicker, StoredPaletteIndexBeyondTheCountSelectsTheLastAndIsStoredBack)
{
    RegKeyHandle(kRecentColourKey).WriteDword("iCC", 9);
    uint32_t colour = 0;
    {
        auto picker = MakePicker(&colour);
        EXPECT_EQ(picker->CurrentPalette(), 1);
        Press(*picker, picker->Layout().palette.topLeft() + QPoint(1, 1));
        EXPECT_EQ(colour & 0xFFFFFFu, PaletteLeft(2) & 0xFFFFFFu);
        picker->HandlePaletteMenuCommand(kPaletteCommandBase + 0);
        EXPECT_EQ(picker->CurrentPalette(), 0);
    }
    EXPECT_EQ(RegKeyHandle(kRecentColourKey).ReadDword("iCC", 99), 0u);
}

TEST_F(ColourPicker, SwatchOpensThePickerWithoutFocusAndFollowsItsChanges)
{
    QWidget page;
    auto* swatch = new ColourSwatch(&page, 0x80102030u);
    swatch->setGeometry(10, 10, 40, 20);
    page.show();
    page.activateWindow();
    QSignalSpy changes(swatch, &ColourSwatch::colourChanged);
    QTest::mouseClick(swatch, Qt::LeftButton, {}, QPoint(5, 5));
    COvColorPicker* picker = swatch->Picker();
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_NE(QApplication::activeWindow(), picker);
    EXPECT_EQ(picker->FadeStep(), 0);
    EXPECT_EQ(AlphaFromSlider(picker->SliderPosition(), picker->UiScale()), 0x80);
    picker->ExecuteCommand(kPickWhite);
    EXPECT_EQ(swatch->Colour(), 0xFFFFFFFFu);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].toUInt(), 0xFFFFFFFFu);
    QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(100, 80));  // a click elsewhere hides it
    EXPECT_FALSE(picker->isVisible());
}
