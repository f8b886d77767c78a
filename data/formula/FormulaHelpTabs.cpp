// Painting and input of the help tab strip.
#include "data/formula/FormulaHelpTabs.h"
#include "framework/ui/GuardedHandler.h"

#include "framework/settings/EditorBackground.h"

#include <qdrawutil.h>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace ov {

FormulaHelpTabs::FormulaHelpTabs(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    SetEditorBackground(kDefaultEditorBackground);
}

void FormulaHelpTabs::SetLabels(const QStringList& labels)
{
    labels_ = labels;
    update();
}

void FormulaHelpTabs::SetPage(int page)
{
    page_ = std::clamp(page, 0, kPages - 1);
    update();
}

void FormulaHelpTabs::SetEditorBackground(uint32_t colorref)
{
    const auto channel = [colorref](int shift, int less) {
        return std::max(0, static_cast<int>((colorref >> shift) & 0xFF) - less);
    };
    idleFill_ = QColor(channel(0, 0x0A), channel(8, 0x0A), channel(16, 0x0F));
    update();
}

QRect FormulaHelpTabs::TabRect(int i) const
{
    // Measured from the dialog's client area, not from the strip, which sits inside the layout margins.
    const int origin = mapTo(window(), QPoint(0, 0)).x();
    const int width = std::max(0, window()->width() - 2 * kSideMargin) / kPages;
    return {kSideMargin - origin + i * width, 0, width, height() - 1};
}

void FormulaHelpTabs::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        QPainter p(this);
        p.setPen(QColor(200, 200, 200));
        p.drawLine(0, height() - 1, width(), height() - 1);
        p.setFont(font());
        for (int i = 0; i < kPages; ++i) {
            const QRect r = TabRect(i);
            const QBrush fill(i == page_ ? QColor(Qt::white) : idleFill_);
            qDrawShadePanel(&p, r, palette(), i == page_, 1, &fill);
            p.setPen(palette().color(QPalette::WindowText));
            const QRect text(r.left(), r.top() + r.height() / 4, r.width(), r.height() - r.height() / 4);
            p.drawText(text, Qt::AlignHCenter | Qt::AlignTop, i < labels_.size() ? labels_[i] : QString());
        }
    });
}

void FormulaHelpTabs::Choose(int page)
{
    page = std::clamp(page, 0, kPages - 1);
    if (page == page_) return;
    SetPage(page);
    Q_EMIT PageChosen(page_);
}

void FormulaHelpTabs::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        if (event->button() != Qt::LeftButton) return;
        for (int i = 0; i < kPages; ++i) {
            if (TabRect(i).contains(event->position().toPoint())) Choose(i);
        }
    });
}

void FormulaHelpTabs::wheelEvent(QWheelEvent* event)
{
    RunGuarded(this, [&] {
        // Towards the user (negative delta) goes to the next page.
        const int delta = event->angleDelta().y();
        if (delta < 0) Choose(page_ + 1);
        if (delta > 0) Choose(page_ - 1);
        event->accept();
    });
}

void FormulaHelpTabs::keyPressEvent(QKeyEvent* event)
{
    RunGuarded(this, [&] {
        if (event->key() == Qt::Key_Right) {
            Choose(page_ + 1);
        } else if (event->key() == Qt::Key_Left) {
            Choose(page_ - 1);
        } else {
            QWidget::keyPressEvent(event);
        }
    });
}

}  // namespace ov
