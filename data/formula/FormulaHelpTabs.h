// The strip of five tabs above the formula dialog's help area: four text pages and the history
// list. A click or the mouse wheel (and the arrow keys) choose the page.
#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

namespace ov {

class FormulaHelpTabs : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPages = 5;
    static constexpr int kSideMargin = 36;

    explicit FormulaHelpTabs(QWidget* parent = nullptr);

    void SetLabels(const QStringList& labels);
    void SetPage(int page);  // clamped to 0-4
    int Page() const { return page_; }
    // Tab i's rectangle in strip coordinates: from 36 px in from the dialog's left edge, the
    // dialog's width less 72 px in five equal parts.
    QRect TabRect(int i) const;
    // Fill of tabs that are not shown: the editor background less 0x0F0A0A per channel.
    void SetEditorBackground(uint32_t colorref);

Q_SIGNALS:
    void PageChosen(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Choose(int page);

    QStringList labels_;
    int page_ = 4;
    QColor idleFill_;
};

}  // namespace ov
