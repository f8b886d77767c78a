// ChooserSwatch: a colour field of the system properties that shows a COLORREF colour and, on a left
// click inside it, opens the full colour chooser with its own custom-colour group.
#pragma once

#include <QWidget>

#include <cstdint>

namespace ov {

class ChooserSwatch : public QWidget {
    Q_OBJECT
public:
    ChooserSwatch(uint32_t colorRef, int customGroup, QWidget* parent);

    uint32_t ColorRef() const { return colorRef_; }
    // Opens the chooser on the colour; on OK the colour is taken and the swatch repainted.
    void Choose();

    QSize sizeHint() const override { return {48, 20}; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    uint32_t colorRef_;
    int group_;
};

}  // namespace ov
