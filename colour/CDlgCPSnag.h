// CDlgCPSnag: the screen grab. A window over every screen shows a picture of the desktop; a left click
// picks the pixel under the pointer (opaque), a right click or Escape cancels. Where no desktop
// picture can be taken (offscreen, Wayland without a portal) the user is told so and nothing is picked.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPixmap>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QScreen;

namespace ov {

// One screen's picture and the screen's place on the desktop (logical pixels).
struct ScreenPicture {
    QRect geometry;
    QPixmap picture;  // null where the platform gives none
};

// The pictures placed by their screens' geometry into one picture of the desktop's bounding rectangle
// (black where no screen lies), at the largest device pixel ratio among them; null when no screen
// gave a picture.
QPixmap ComposeDesktopPicture(const std::vector<ScreenPicture>& screens);

// The bounding rectangle of every screen's geometry: where the grab window goes.
QRect DesktopGeometry();

// The platform's picture of one screen, null where it cannot give one (offscreen, minimal, Wayland).
QPixmap GrabScreen(QScreen& screen);

// A picture of the whole desktop: every screen's picture from `grab` composed by its geometry; null
// when none gave one.
QPixmap TakeDesktopPicture(const std::function<QPixmap(QScreen&)>& grab = GrabScreen);

class CDlgCPSnag : public QDialog {
    Q_OBJECT
public:
    CDlgCPSnag(const QPixmap& desktop, QWidget* parent);

    // The picked colour as opaque ARGB, after the dialog closed with OK.
    std::optional<uint32_t> Picked() const { return picked_; }

    // Takes the picture, runs the dialog and returns the pick; shows a message when there is no
    // picture.
    static std::optional<uint32_t> PickFromScreen(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QPixmap desktop_;
    QImage pixels_;
    std::optional<uint32_t> picked_;
};

}  // namespace ov
