// InterfaceFont: the font every dialog of the library uses, and dialog units measured in it.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>

namespace ov {

// "Segoe UI" 9 points when installed, else the desktop's interface font at 9 points. Needs a
// QGuiApplication; made once and kept.
const QFont& InterfaceFont();

// Dialog units of a font: horizontal units are a quarter of the average character width, vertical
// units an eighth of the character height, as dialog templates measure them.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int X(int units) const { return (units * baseX_ + 2) / 4; }
    int Y(int units) const { return (units * baseY_ + 4) / 8; }
    QRect Rect(int x, int y, int w, int h) const { return {X(x), Y(y), X(w), Y(h)}; }

private:
    int baseX_;
    int baseY_;
};

}  // namespace ov
