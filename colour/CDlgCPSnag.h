// CDlgCPSnag: the screen grab. A full-screen window shows a picture of the desktop; a left click picks
// the pixel under the pointer (opaque), a right click or Escape cancels. Where no desktop picture can
// be taken (offscreen, Wayland without a portal) the user is told so and nothing is picked.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPixmap>

#include <cstdint>
#include <optional>

namespace ov {

// A picture of the whole primary screen, or a null pixmap where the platform cannot give one.
QPixmap TakeDesktopPicture();

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
