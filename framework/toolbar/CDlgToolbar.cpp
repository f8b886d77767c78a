// Layout, drawing and mouse handling of the dialog toolbars.
#include "framework/toolbar/CDlgToolbar.h"

#include "framework/text/LanguageChoice.h"
#include "framework/toolbar/COvMenu.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/InterfaceFont.h"
#include "framework/ui/UiScale.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace ov {
namespace {

QString ToQString(const std::u16string& s)
{
    return QString::fromStdU16String(s);
}

}  // namespace

CDlgToolbar::CDlgToolbar(QWidget* owner) : QWidget(owner)
{
    setFont(InterfaceFont());
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    more_.icon.Load(QStringLiteral("tb/more_but"));
    // The hover timer keeps the highlight in step with the pointer for a short while after it moves.
    hoverTimer_.setInterval(30);
    connect(&hoverTimer_, &QTimer::timeout, this, Guarded(this, [this] {
        if (++hoverTicks_ >= 10) hoverTimer_.stop();
        const int now = underMouse() ? HitTest(mapFromGlobal(QCursor::pos())) : -1;
        if (now != hovered_) hovered_ = now, update();
    }));
}

void CDlgToolbar::Load(const QString& name)
{
    setObjectName(name);
    SetButtons(LoadToolbarDescription(name.toStdString(), CurrentLanguageCode()));
}

void CDlgToolbar::SetButtons(std::vector<ToolbarButton> buttons)
{
    buttons_ = std::move(buttons);
    slots_.clear();
    slots_.resize(buttons_.size());
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (!buttons_[i].IsCommand() || buttons_[i].iconName.empty()) continue;
        const QString icon = QString::fromStdString(buttons_[i].iconName);
        slots_[i].icon.Load(icon);
        slots_[i].grayIcon.Load(icon + QStringLiteral("_gray"));
    }
    Relayout();
    updateGeometry();
    update();
}

void CDlgToolbar::SetCommandEnabled(int command, bool enabled)
{
    for (auto& b : buttons_)
        if (b.command == command) b.enabled = enabled ? 1 : 0;
    update();
}

void CDlgToolbar::SetCheckedCommand(int command)
{
    checked_ = command;
    update();
}

int CDlgToolbar::ButtonHeight() const
{
    return static_cast<int>(std::lround(24 * PrimaryScreenUiScale()));
}

int CDlgToolbar::ButtonWidth(const ToolbarButton& b) const
{
    const int h = ButtonHeight();
    if (!b.IsCommand())
        return std::max(1, static_cast<int>(std::lround(8 * b.size * PrimaryScreenUiScale())));
    const int base = std::max(1, static_cast<int>(std::lround(h * b.size)));
    if (b.kind != 5 || b.title.empty()) return base;
    // Kind 5 shows its title beside the icon.
    return std::max(base, h + fontMetrics().horizontalAdvance(ToQString(b.title)) + 6);
}

void CDlgToolbar::Relayout()
{
    const int h = ButtonHeight();
    int total = 0;
    for (const auto& b : buttons_) total += ButtonWidth(b);
    overflow_ = total > width();
    const int moreWidth = overflow_ ? h * 3 / 4 : 0;
    int x = 0;
    bool full = false;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const int w = ButtonWidth(buttons_[i]);
        full = full || (overflow_ && x + w > width() - moreWidth);
        buttons_[i].hiddenInOverflow = full;
        slots_[i].rect = full ? QRect() : QRect(x, 0, w, h);
        if (!full) x += w;
    }
    more_.rect = overflow_ ? QRect(width() - moreWidth, 0, moreWidth, h) : QRect();
}

QRect CDlgToolbar::ButtonRect(std::size_t index) const
{
    return index == MoreIndex() ? more_.rect : index < slots_.size() ? slots_[index].rect : QRect();
}

QSize CDlgToolbar::sizeHint() const
{
    int total = 0;
    for (const auto& b : buttons_) total += ButtonWidth(b);
    return {total, ButtonHeight()};
}

QSize CDlgToolbar::minimumSizeHint() const
{
    return {ButtonHeight(), ButtonHeight()};
}

void CDlgToolbar::resizeEvent(QResizeEvent*)
{
    RunGuarded(this, [this] { Relayout(); });
}

int CDlgToolbar::HitTest(const QPoint& p) const
{
    if (more_.rect.contains(p)) return static_cast<int>(MoreIndex());
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i].IsCommand() && slots_[i].rect.contains(p)) return static_cast<int>(i);
    return -1;
}

void CDlgToolbar::Post(int command, const ToolbarButton* button)
{
    // Posted, as the owner expects: it runs after the mouse handling has finished.
    QMetaObject::invokeMethod(
        this, Guarded(this, [this, command, button] { Q_EMIT commandPosted(command, button); }),
        Qt::QueuedConnection);
}

void CDlgToolbar::mousePressEvent(QMouseEvent* e)
{
    RunGuarded(this, [&] {
        const int hit = HitTest(e->position().toPoint());
        if (e->button() == Qt::RightButton) {
            if (rightClickOption_ && hit >= 0 && hit != static_cast<int>(MoreIndex()) &&
                !(e->modifiers() & Qt::ControlModifier))
                Post(kToolbarRightClick, &buttons_[static_cast<std::size_t>(hit)]);
            return;
        }
        if (e->button() != Qt::LeftButton) return;
        if (hit < 0) {
            if (dragOption_) dragging_ = true, Post(kToolbarDragStart, nullptr);
            return;
        }
        pressed_ = hit;
        update();
    });
}

void CDlgToolbar::mouseReleaseEvent(QMouseEvent* e)
{
    RunGuarded(this, [&] {
        if (e->button() != Qt::LeftButton) return;
        if (dragging_) {
            dragging_ = false;
            Post(kToolbarDragEnd, nullptr);
            return;
        }
        const int pressed = std::exchange(pressed_, -1);
        update();
        if (pressed < 0 || HitTest(e->position().toPoint()) != pressed) return;  // released elsewhere
        if (pressed == static_cast<int>(MoreIndex())) return OpenOverflowMenu();
        const ToolbarButton& b = buttons_[static_cast<std::size_t>(pressed)];
        if (b.enabled) Post(b.command, &b);
    });
}

void CDlgToolbar::mouseMoveEvent(QMouseEvent* e)
{
    RunGuarded(this, [&] {
        hovered_ = HitTest(e->position().toPoint());
        hoverTicks_ = 0;
        hoverTimer_.start();
        update();
    });
}

void CDlgToolbar::leaveEvent(QEvent*)
{
    RunGuarded(this, [this] {
        hovered_ = -1;
        update();
    });
}

bool CDlgToolbar::event(QEvent* e)
{
    if (e->type() != QEvent::ToolTip) return QWidget::event(e);
    RunGuarded(this, [&] {
        auto* help = static_cast<QHelpEvent*>(e);
        const int hit = HitTest(help->pos());
        if (hit >= 0 && hit != static_cast<int>(MoreIndex()))
            QToolTip::showText(help->globalPos(), ToQString(buttons_[static_cast<std::size_t>(hit)].tooltip),
                               this, slots_[static_cast<std::size_t>(hit)].rect);
        else
            QToolTip::hideText();
    });
    return true;
}

void CDlgToolbar::FillOverflowMenu(COvMenu& menu) const
{
    for (const OverflowEntry& entry : BuildOverflowEntries(buttons_)) {
        if (entry.separator) {
            menu.AppendSeparator();
            continue;
        }
        const ToolbarButton& b = buttons_[entry.button];
        QString icon = QString::fromStdString(b.iconName);
        if (!b.enabled && !icon.isEmpty()) icon += QStringLiteral("_gray");
        menu.AppendItem(b.enabled ? kMenuNormal : kMenuGreyed, b.command, ToQString(b.tooltip), icon);
    }
}

void CDlgToolbar::OpenOverflowMenu()
{
    COvMenu menu;
    FillOverflowMenu(menu);
    const int command = menu.Track(QCursor::pos());
    if (command == 0) return;
    for (const auto& b : buttons_)
        if (b.hiddenInOverflow && b.IsCommand() && b.command == command) return Post(command, &b);
}

void CDlgToolbar::PaintButton(QPainter& p, std::size_t i) const
{
    const ToolbarButton& b = buttons_[i];
    const QRect r = slots_[i].rect;
    if (!b.IsCommand()) {
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(r.center().x(), r.top() + 4, r.center().x(), r.bottom() - 4);
        return;
    }
    const bool down = static_cast<int>(i) == pressed_ || (checked_ != 0 && b.command == checked_);
    if (b.enabled && (down || static_cast<int>(i) == hovered_)) {
        p.setPen(palette().color(QPalette::Mid));
        p.setBrush(palette().color(down ? QPalette::Mid : QPalette::Midlight));
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
    const int iconSize = static_cast<int>(std::lround(16 * PrimaryScreenUiScale()));
    const QRect iconRect(r.left() + (std::min(r.width(), r.height()) - iconSize) / 2,
                         r.top() + (r.height() - iconSize) / 2, iconSize, iconSize);
    (b.enabled ? slots_[i].icon : slots_[i].grayIcon).Paint(p, iconRect);
    if (b.kind == 5 && !b.title.empty()) {
        p.setPen(palette().color(b.enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(r.adjusted(r.height(), 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, ToQString(b.title));
    }
}

void CDlgToolbar::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        for (std::size_t i = 0; i < buttons_.size(); ++i)
            if (!buttons_[i].hiddenInOverflow) PaintButton(p, i);
        if (overflow_) more_.icon.Paint(p, QRectF(more_.rect).adjusted(2, 4, -2, -4));
    });
}

}  // namespace ov
