// The screen grab.
#include "colour/CDlgCPSnag.h"

#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace ov {

namespace {

bool PlatformHasDesktopPicture()
{
    const QString platform = QGuiApplication::platformName();
    // Offscreen and minimal have no desktop; Wayland refuses to hand one out without a portal.
    return platform != "offscreen" && platform != "minimal" && !platform.startsWith("wayland");
}

void TellNoDesktopPicture(QWidget* parent)
{
    LangTable table;
    table.Open(CurrentLanguageCode(), "LANG_01.xml");
    MessageRequest request;
    request.parent = parent;
    request.icon = MessageIcon::Information;
    request.text = MessageText(table, "gPSC", 5);
    if (request.text.isEmpty()) request.text = "No picture of the desktop can be taken on this display.";
    ShowMessage(request);
}

}  // namespace

QPixmap TakeDesktopPicture()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !PlatformHasDesktopPicture()) return {};
    return screen->grabWindow(0);
}

CDlgCPSnag::CDlgCPSnag(const QPixmap& desktop, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      desktop_(desktop),
      pixels_(desktop.toImage().convertToFormat(QImage::Format_RGB32))
{
    setObjectName("screenGrab");
    setCursor(Qt::CrossCursor);
    setModal(true);
    resize(desktop.deviceIndependentSize().toSize());
}

void CDlgCPSnag::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        QPainter painter(this);
        painter.drawPixmap(rect(), desktop_);
    });
}

void CDlgCPSnag::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        if (event->button() == Qt::RightButton) {
            reject();
            return;
        }
        if (event->button() != Qt::LeftButton || pixels_.isNull()) return;
        // The picture has device pixels; the click comes in logical ones.
        const QPoint p = (event->position() * desktop_.devicePixelRatio()).toPoint();
        if (!pixels_.valid(p)) return;
        picked_ = 0xFF000000u | (pixels_.pixel(p) & 0x00FFFFFFu);
        accept();
    });
}

std::optional<uint32_t> CDlgCPSnag::PickFromScreen(QWidget* parent)
{
    const QPixmap desktop = TakeDesktopPicture();
    if (desktop.isNull()) {
        TellNoDesktopPicture(parent);
        return std::nullopt;
    }
    CDlgCPSnag dialog(desktop, parent);
    if (QScreen* screen = QGuiApplication::primaryScreen()) dialog.setGeometry(screen->geometry());
    dialog.showFullScreen();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Picked();
}

}  // namespace ov
