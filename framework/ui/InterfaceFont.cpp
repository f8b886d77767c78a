// The interface font and dialog-unit conversion.
#include "framework/ui/InterfaceFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace ov {

const QFont& InterfaceFont()
{
    static const QFont font = [] {
        const bool hasDesignFace = QFontDatabase::families().contains(QStringLiteral("Segoe UI"));
        QFont f = hasDesignFace ? QFont(QStringLiteral("Segoe UI"))
                                : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        f.setPointSize(9);
        f.setWeight(QFont::Normal);
        return f;
    }();
    return font;
}

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    // Average width over the 52 letters, rounded as templates do.
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (letters / 26 + 1) / 2;
    baseY_ = metrics.height();
}

}  // namespace ov
