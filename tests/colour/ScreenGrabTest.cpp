// The screen grab on a desktop of two offscreen screens (TwoScreens.json: a second screen left of
// and below the primary one). The offscreen platform gives no real screen pictures, so each screen
// is "grabbed" as a picture of its own; what is checked is where the grab puts them.
#include "colour/CDlgCPSnag.h"
#include "testhost/ModalDriver.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace ov;

namespace {

// A screen's stand-in picture: one colour with a white pixel at its top-left corner.
QPixmap Picture(QSize size, QRgb colour, qreal ratio = 1)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixel(0, 0, qRgb(255, 255, 255));
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

const QRgb kPrimary = qRgb(10, 20, 30);
const QRgb kSecond = qRgb(40, 50, 60);

TEST(ScreenGrab, ComposesEveryScreenAtItsPlaceAndPicksOnTheSecond)
{
    ovtest::EnsureTestApplication();
    ASSERT_EQ(QGuiApplication::screens().size(), 2) << "runs with the two-screen platform configuration";
    EXPECT_EQ(DesktopGeometry(), QRect(-200, 0, 500, 200));
    const QPixmap desktop = TakeDesktopPicture([](QScreen& screen) {
        return Picture(screen.size(), &screen == QGuiApplication::primaryScreen() ? kPrimary : kSecond);
    });
    const QImage pixels = desktop.toImage();
    ASSERT_EQ(pixels.size(), QSize(500, 200));
    EXPECT_EQ(pixels.pixel(200, 0), qRgb(255, 255, 255));  // the primary screen's corner
    EXPECT_EQ(pixels.pixel(499, 199), kPrimary);
    EXPECT_EQ(pixels.pixel(0, 50), qRgb(255, 255, 255));  // the second screen's corner
    EXPECT_EQ(pixels.pixel(199, 199), kSecond);
    EXPECT_EQ(pixels.pixel(0, 49), qRgb(0, 0, 0));  // above the second screen lies no screen

    CDlgCPSnag grab(desktop, nullptr);
    grab.setGeometry(DesktopGeometry());
    grab.show();
    QTest::mouseClick(&grab, Qt::LeftButton, {}, QPoint(20, 120));
    EXPECT_EQ(grab.result(), QDialog::Accepted);
    EXPECT_EQ(grab.Picked(), 0xFF000000u | kSecond);
    CDlgCPSnag cancelled(desktop, nullptr);
    cancelled.show();
    QTest::mouseClick(&cancelled, Qt::RightButton, {}, QPoint(20, 120));  // a right click cancels
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_FALSE(cancelled.Picked().has_value());

    // A platform without pictures gives none at all, so the user is told so.
    EXPECT_TRUE(TakeDesktopPicture([](QScreen&) { return QPixmap(); }).isNull());
}

}  // namespace
