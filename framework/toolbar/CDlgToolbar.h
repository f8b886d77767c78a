// CDlgToolbar: a dialog's small toolbar. It reads its buttons from "icons/<name>.xml", lays them out,
// moves those that do not fit into the overflow menu behind a "more" button, and posts the command of
// a clicked button to its owner as commandPosted(command, button).
#pragma once

#include "framework/toolbar/ApxIcon.h"
#include "framework/toolbar/ToolbarDescription.h"

#include <QTimer>
#include <QWidget>

#include <vector>

namespace ov {

// Posted when the drag option is on: a left press outside every button, and the release after it.
constexpr int kToolbarDragStart = 1000010;
constexpr int kToolbarDragEnd = 1000011;
// Posted for a right click on a button when the right-click option is on.
constexpr int kToolbarRightClick = -1;

class CDlgToolbar : public QWidget {
    Q_OBJECT
public:
    explicit CDlgToolbar(QWidget* owner);

    // Reads the description in the current language; a missing or malformed file gives no buttons.
    void Load(const QString& name);
    void SetButtons(std::vector<ToolbarButton> buttons);

    void SetRightClickOption(bool on) { rightClickOption_ = on; }
    void SetDragOption(bool on) { dragOption_ = on; }
    void SetCommandEnabled(int command, bool enabled);
    // Shows the button of a command pressed until another one is (0: none), for option groups.
    void SetCheckedCommand(int command);
    int CheckedCommand() const { return checked_; }

    const std::vector<ToolbarButton>& Buttons() const { return buttons_; }
    // Where a button is drawn (empty when hidden in the overflow menu); index == Buttons().size() is
    // the "more" button.
    QRect ButtonRect(std::size_t index) const;
    bool HasOverflow() const { return overflow_; }

    // Builds the overflow menu as shown by the "more" button (tests look at it).
    void FillOverflowMenu(class COvMenu& menu) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // Delivered through the event loop, never from inside the mouse handler.
    void commandPosted(int command, const ov::ToolbarButton* button);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void leaveEvent(QEvent*) override;
    bool event(QEvent*) override;

private:
    struct Slot {
        QRect rect;
        ApxIcon icon;
        ApxIcon grayIcon;
    };
    int ButtonHeight() const;
    int ButtonWidth(const ToolbarButton& b) const;
    void Relayout();
    int HitTest(const QPoint& p) const;  // button index, moreIndex(), or -1
    std::size_t MoreIndex() const { return buttons_.size(); }
    void Post(int command, const ToolbarButton* button);
    void OpenOverflowMenu();
    void PaintButton(class QPainter& p, std::size_t i) const;

    std::vector<ToolbarButton> buttons_;
    std::vector<Slot> slots_;
    Slot more_;
    bool overflow_ = false;
    bool rightClickOption_ = false;
    bool dragOption_ = false;
    bool dragging_ = false;
    int pressed_ = -1;
    int checked_ = 0;
    int hovered_ = -1;
    QTimer hoverTimer_;
    int hoverTicks_ = 0;
};

}  // namespace ov
